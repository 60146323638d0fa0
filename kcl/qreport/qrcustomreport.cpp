#include "kcl/qreport/qrcustomreport.h"

#include <map>
#include <mutex>

#include "kcl/classes/classbuilder.h"
#include "kcl/db/db.h"
#include "kcl/graphics/muldiv.h"
#include "kcl/qreport/qrreference.h"

namespace kcl {

namespace {

// One method type per name and sender class: the two report generations name
// their senders differently.
const TTypeInfo* SenderEventType(const std::string& name, const char* senderClass,
                                 std::vector<TParamRecord> moreParams) {
  static std::mutex lock;
  static std::map<std::pair<std::string, std::string>, const TTypeInfo*> types;
  std::lock_guard guard(lock);
  const TTypeInfo*& type = types[{name, senderClass}];
  if (!type) {
    std::vector<TParamRecord> params{{0, "Sender", senderClass}};
    params.insert(params.end(), moreParams.begin(), moreParams.end());
    type = MakeMethodType(name, mkProcedure, std::move(params));
  }
  return type;
}

}  // namespace

const TTypeInfo* ReportBeforePrintEventType(const char* senderClass) {
  return SenderEventType("TQRReportBeforePrintEvent", senderClass, {{pfVar, "PrintReport", "Boolean"}});
}

const TTypeInfo* ReportNotifyOperationEventType(const char* senderClass) {
  return SenderEventType("TQRNotifyOperationEvent", senderClass, {});
}

const TTypeInfo* NeedDataEventType() {
  return SenderEventType("TQROnNeedDataEvent", "TObject", {{pfVar, "MoreData", "Boolean"}});
}

KCL_CLASS_INFO(TCustomQuickRep) {
  // What the report pages publish by name, each in its own order.
  using T = TCustomQuickRep;
  auto declared = cls.unpublished();
  declared.property("DataSet", &T::DataSet, &T::SetDataSet);
  declared.property("Frame", &T::Frame, &T::SetFrame);
  declared.property("Options", &T::Options, &T::SetOptions)
      .Default(TQuickReportOptions{TQuickReportOption::FirstPageHeader, TQuickReportOption::LastPageFooter});
  declared.property("PrintIfEmpty", &T::PrintIfEmpty, &T::SetPrintIfEmpty).Default(true);
  declared.property("ReportTitle", &T::ReportTitle, &T::SetReportTitle);
  declared.property("SnapToGrid", &T::SnapToGrid, &T::SetSnapToGrid).Default(true);
  declared.property("Units", &T::Units, &T::SetUnits).Default(TQRUnit::MM);
  declared.property("Zoom", &T::Zoom, &T::SetZoom).Default(100);
}

TCustomQuickRep::TCustomQuickRep(TComponent* owner)
    : TCustomPanel(owner), FFrame(std::make_unique<TQRFrame>([this] { Invalidate(); })) {
  FControlStyle.Exclude(csSetCaption);
  SetBevelOuter(bvNone);
  SetColor(clWhite);
}

TCustomQuickRep::~TCustomQuickRep() = default;

void TCustomQuickRep::SetDataSet(TDataSet* v) { LinkReference(this, FDataSet, v); }

void TCustomQuickRep::Notification(TComponent* component, TOperation operation) {
  TCustomPanel::Notification(component, operation);
  if (operation == opRemove) UnlinkReference(FDataSet, component);
}

void TCustomQuickRep::SetZoom(int v) {
  const int old = FZoom;
  FZoom = std::clamp(v, 10, 500);
  ZoomChanged(old);
}

void TCustomQuickRep::SizeToPaper(TSize millimetres) {
  const auto pixels = [this](int mm) { return MulDiv(mm * FZoom, 96, 2540); };
  SetBounds(Left(), Top(), pixels(millimetres.cx), pixels(millimetres.cy));
}

void TCustomQuickRep::Paint() {
  TCanvas& canvas = *Canvas();
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(Color());
  canvas.Pen()->SetColor(clBlack);
  canvas.Pen()->SetStyle(psSolid);
  canvas.Rectangle(ClientRect());
  FFrame->Paint(canvas, ClientRect());
}

}  // namespace kcl
