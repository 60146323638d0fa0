#include "kcl/components/headercontrol.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/components/bevelframe.h"
#include "kcl/graphics/brush.h"

namespace kcl {

namespace {
constexpr int DividerReach = 3;  // pixels either side of an edge that grab it
const TTypeInfo* TSectionNotifyEventType() {
  static const TTypeInfo* t = MakeMethodType("TSectionNotifyEvent", mkProcedure,
                                             {{0, "HeaderControl", "THeaderControl"}, {0, "Section", "THeaderSection"}});
  return t;
}
const TTypeInfo* TSectionTrackEventType() {
  static const TTypeInfo* t = MakeMethodType("TSectionTrackEvent", mkProcedure,
                                             {{0, "HeaderControl", "THeaderControl"},
                                              {0, "Section", "THeaderSection"},
                                              {0, "Width", "Integer"},
                                              {0, "State", "TSectionTrackState"}});
  return t;
}
const TTypeInfo* TDrawSectionEventType() {
  static const TTypeInfo* t = MakeMethodType("TDrawSectionEvent", mkProcedure,
                                             {{0, "HeaderControl", "THeaderControl"},
                                              {0, "Section", "THeaderSection"},
                                              {pfConst, "Rect", "TRect"},
                                              {0, "Pressed", "Boolean"}});
  return t;
}
}  // namespace

KCL_CLASS_INFO(THeaderSection) {
  using T = THeaderSection;
  cls.property("Alignment", &T::Alignment, &T::SetAlignment).Default(taLeftJustify);
  cls.property("AllowClick", &T::AllowClick, &T::SetAllowClick).Default(true);
  cls.property("MaxWidth", &T::MaxWidth, &T::SetMaxWidth).Default(10000);
  cls.property("MinWidth", &T::MinWidth, &T::SetMinWidth).Default(0);
  cls.property("Style", &T::Style, &T::SetStyle).Default(hsText);
  cls.property("Text", &T::Text, &T::SetText);
  cls.property("Width", &T::Width, &T::SetWidth);
}

KCL_CLASS_INFO(THeaderSections) {}

KCL_CLASS_INFO(THeaderControl) {
  using T = THeaderControl;
  cls.property("Align", &T::Align, &T::SetAlign).Default(alTop);
  cls.publish({"DragCursor", "DragMode", "Enabled", "Font"});
  cls.property("HotTrack", &T::HotTrack, &T::SetHotTrack).Default(false);
  cls.property("Sections", &T::Sections, &T::SetSections);
  cls.publish({"ShowHint", "ParentFont", "ParentShowHint", "PopupMenu", "Visible", "OnDragDrop", "OnDragOver", "OnEndDrag",
                "OnMouseDown", "OnMouseMove", "OnMouseUp"});
  cls.event("OnDrawSection", &T::OnDrawSection, TDrawSectionEventType());
  cls.event("OnResize", &T::OnResize, TNotifyEventType());
  cls.event("OnSectionClick", &T::OnSectionClick, TSectionNotifyEventType());
  cls.event("OnSectionResize", &T::OnSectionResize, TSectionNotifyEventType());
  cls.event("OnSectionTrack", &T::OnSectionTrack, TSectionTrackEventType());
  cls.publish({"OnStartDrag"});
}

// --- THeaderSection

THeaderSection::THeaderSection(TCollection* collection) : TCollectionItem(collection) {}

void THeaderSection::SetMaxWidth(int v) {
  FMaxWidth = std::max(v, FMinWidth);
  SetWidth(FWidth);
  Changed(true);
}

void THeaderSection::SetMinWidth(int v) {
  FMinWidth = std::clamp(v, 0, FMaxWidth);
  SetWidth(FWidth);
  Changed(true);
}

void THeaderSection::SetWidth(int v) {
  FWidth = std::clamp(v, FMinWidth, FMaxWidth);
  Changed(true);
}

int THeaderSection::Left() const {
  int left = 0;
  auto* sections = static_cast<THeaderSections*>(Collection());
  for (int i = 0; sections && i < Index(); ++i) left += sections->Items(i)->Width();
  return left;
}

std::string THeaderSection::GetDisplayName() const {
  return FText.empty() ? TCollectionItem::GetDisplayName() : FText;
}

void THeaderSection::Assign(const TPersistent* source) {
  auto* section = dynamic_cast<const THeaderSection*>(source);
  if (!section) return TCollectionItem::Assign(source);
  FAlignment = section->FAlignment, FAllowClick = section->FAllowClick, FMaxWidth = section->FMaxWidth;
  FMinWidth = section->FMinWidth, FStyle = section->FStyle, FText = section->FText, FWidth = section->FWidth;
  Changed(true);
}

// --- THeaderSections

THeaderSections::THeaderSections(THeaderControl* headerControl)
    : TCollection(&THeaderSection::StaticClass()), FHeaderControl(headerControl) {}

TPersistent* THeaderSections::GetOwner() const { return FHeaderControl; }

void THeaderSections::Update(TCollectionItem*) { FHeaderControl->Invalidate(); }

// --- THeaderControl

THeaderControl::THeaderControl(TComponent* owner)
    : TCustomControl(owner), FSections(std::make_unique<THeaderSections>(this)) {
  SetColor(clBtnFace);
  SetParentColor(false);
  SetBounds(0, 0, 150, 17);
  SetAlign(alTop);
}

THeaderControl::~THeaderControl() { FSections->BeginUpdate(); }

void THeaderControl::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != Width() || height != Height();
  TCustomControl::SetBounds(left, top, width, height);
  if (resized && !IsLoading()) OnResize(this);
}

THeaderSection* THeaderControl::SectionAt(int x) const {
  for (int i = 0, left = 0; i < FSections->Count(); ++i) {
    THeaderSection* s = FSections->Items(i);
    if (x >= left && x < left + s->Width()) return s;
    left += s->Width();
  }
  return nullptr;
}

THeaderSection* THeaderControl::DividerAt(int x) const {
  // The last edge within reach wins, so that a section shrunk to nothing can grow.
  THeaderSection* found = nullptr;
  for (int i = 0, right = 0; i < FSections->Count(); ++i) {
    right += FSections->Items(i)->Width();
    if (std::abs(x - right) <= DividerReach) found = FSections->Items(i);
  }
  return found;
}

void THeaderControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    if ((FTracking = DividerAt(x))) {
      SectionTrack(FTracking, FTracking->Width(), tsTrackBegin);
    } else if (THeaderSection* s = SectionAt(x); s && s->AllowClick()) {
      FPressed = s;
      Invalidate();
    }
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void THeaderControl::MouseMove(TShiftState shift, int x, int y) {
  if (FTracking) {
    const int width = std::clamp(x - FTracking->Left(), FTracking->MinWidth(), FTracking->MaxWidth());
    SectionTrack(FTracking, width, tsTrackMove);
    FTracking->SetWidth(width);
  }
  TCustomControl::MouseMove(shift, x, y);
}

void THeaderControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && FTracking) {
    THeaderSection* section = FTracking;
    FTracking = nullptr;
    SectionTrack(section, section->Width(), tsTrackEnd);
    SectionResize(section);
  } else if (button == mbLeft && FPressed) {
    THeaderSection* section = FPressed;
    FPressed = nullptr;
    Invalidate();
    if (SectionAt(x) == section && y >= 0 && y < Height()) SectionClick(section);
  }
  TCustomControl::MouseUp(button, shift, x, y);
}

void THeaderControl::Paint() {
  TCanvas& canvas = *Canvas();
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(ClientRect());
  for (int i = 0, left = 0; i < FSections->Count(); ++i) {
    THeaderSection* s = FSections->Items(i);
    const TRect r = Rect(left, 0, left + s->Width(), Height());
    left += s->Width();
    const bool pressed = s == FPressed;
    if (s->Style() == hsOwnerDraw) {
      OnDrawSection(this, s, r, pressed);
    } else {
      const int textWidth = canvas.TextWidth(s->Text());
      int x = r.Left + 4 + (pressed ? 1 : 0);
      if (s->Alignment() == taRightJustify) x = r.Right - 4 - textWidth;
      if (s->Alignment() == taCenter) x = r.Left + (r.Width() - textWidth) / 2;
      canvas.Brush()->SetStyle(bsClear);
      canvas.TextRect(Rect(r.Left + 1, r.Top + 1, r.Right - 2, r.Bottom - 1), x,
                      (Height() - canvas.TextHeight(s->Text())) / 2 + (pressed ? 1 : 0), s->Text());
    }
    if (pressed)
      DrawBevelFrame(canvas, r, clBtnShadow, clBtnShadow);
    else
      DrawBevelFrame(canvas, r, clBtnHighlight, clBtnShadow);
  }
}

}  // namespace kcl
