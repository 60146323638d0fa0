#include "kcl/qreport/quickrep.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/muldiv.h"
#include "kcl/qreport/qrcustomband.h"

namespace kcl {

namespace {

void ScaleControls(const TWinControl* parent, int numerator, int denominator) {
  for (TControl* control : parent->Controls()) {
    const auto scale = [&](int v) { return MulDiv(v, numerator, denominator); };
    control->SetBounds(scale(control->Left()), scale(control->Top()), scale(control->Width()),
                       scale(control->Height()));
    if (const auto* holder = dynamic_cast<const TWinControl*>(control)) ScaleControls(holder, numerator, denominator);
  }
}

}  // namespace

KCL_CLASS_INFO(TQuickRep) {
  using T = TQuickRep;
  cls.publish({"Frame"});
  cls.event("AfterPreview", &T::AfterPreview, TNotifyEventType());
  cls.event("AfterPrint", &T::AfterPrint, TNotifyEventType());
  cls.event("BeforePrint", &T::BeforePrint, ReportBeforePrintEventType("TCustomQuickRep"));
  cls.publish({"DataSet", "Font"});
  cls.event("OnEndPage", &T::OnEndPage, ReportNotifyOperationEventType("TCustomQuickRep"));
  cls.event("OnNeedData", &T::OnNeedData, NeedDataEventType());
  cls.event("OnPreview", &T::OnPreview, TNotifyEventType());
  cls.event("OnStartPage", &T::OnStartPage, ReportNotifyOperationEventType("TCustomQuickRep"));
  cls.publish({"Options", "PrintIfEmpty", "ReportTitle", "SnapToGrid", "Units", "Zoom"});
}

TQuickRep::TQuickRep(TComponent* owner) : TCustomQuickRep(owner) { SizeToPaper({210, 297}); }

std::vector<TQRCustomBand*> TQuickRep::Bands() const {
  std::vector<TQRCustomBand*> bands;
  for (TControl* control : Controls())
    if (auto* band = dynamic_cast<TQRCustomBand*>(control)) bands.push_back(band);
  return bands;
}

void TQuickRep::BandAdded(TQRCustomBand* band) {
  if (IsLoading() || band->IsLoading()) return;
  // A new band goes below the others, as wide as the first.
  int left = 0, width = ClientWidth(), bottom = 0;
  bool first = true;
  for (const TQRCustomBand* other : Bands()) {
    if (other == band) continue;
    if (first) left = other->Left(), width = other->Width(), first = false;
    bottom = std::max(bottom, other->Top() + other->Height());
  }
  band->SetBounds(left, bottom, width, band->Height());
}

void TQuickRep::BandBoundsChanged(TQRCustomBand* band, const TRect& old) {
  if (FScaling || IsLoading()) return;
  if (const int grown = band->Height() - old.Height(); grown != 0) ShiftBands(old.Bottom, grown, band);
  for (TQRCustomBand* follower : Bands())
    if (follower->FollowedBand() == band)
      follower->SetBounds(band->Left(), band->Top() + band->Height(), band->Width(), follower->Height());
}

void TQuickRep::PlaceBelow(TQRCustomBand* band, const TQRCustomBand* above) {
  const TRect place = Bounds(above->Left(), above->Top() + above->Height(), above->Width(), band->Height());
  if (band->BoundsRect() == place) return;
  ShiftBands(place.Top, place.Height(), band);
  band->SetBoundsRect(place);
}

void TQuickRep::ShiftBands(int y, int distance, const TQRCustomBand* except) {
  // Where each was before any moves: a band moved may take its followers along.
  std::vector<std::pair<TQRCustomBand*, int>> moving;
  for (TQRCustomBand* other : Bands())
    if (other != except && other->Top() >= y) moving.emplace_back(other, other->Top());
  for (auto [other, top] : moving) other->SetBounds(other->Left(), top + distance, other->Width(), other->Height());
}

void TQuickRep::ZoomChanged(int oldZoom) {
  if (IsLoading() || oldZoom == Zoom()) return;
  FScaling = true;
  SetBounds(Left(), Top(), MulDiv(Width(), Zoom(), oldZoom), MulDiv(Height(), Zoom(), oldZoom));
  ScaleControls(this, Zoom(), oldZoom);
  FScaling = false;
  Invalidate();
}

}  // namespace kcl
