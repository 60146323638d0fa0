#include "kcl/components/statusbar.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/components/bevelframe.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/pen.h"

namespace kcl {

namespace {
constexpr int DefaultHeight = 19;
constexpr int PanelGap = 2;    // between panels and around them
constexpr int GripSize = 12;
}  // namespace

const TTypeInfo* TDrawPanelEventType() {
  static const TTypeInfo* t = MakeMethodType(
      "TDrawPanelEvent", mkProcedure,
      {{0, "StatusBar", "TStatusBar"}, {0, "Panel", "TStatusPanel"}, {pfConst, "Rect", "TRect"}});
  return t;
}

KCL_CLASS_INFO(TStatusPanel) {
  cls.property("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment).Default(taLeftJustify);
  cls.property("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel).Default(pbLowered);
  cls.property("Style", &TStatusPanel::Style, &TStatusPanel::SetStyle).Default(psText);
  cls.property("Text", &TStatusPanel::Text, &TStatusPanel::SetText);
  cls.property("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth);
}

KCL_CLASS_INFO(TStatusPanels) {}

KCL_CLASS_INFO(TStatusBar) {
  cls.property("Align", &TStatusBar::Align, &TStatusBar::SetAlign).Default(alBottom);
  cls.publish({"DragCursor", "DragMode", "Enabled", "Font"});
  cls.property("Panels", &TStatusBar::Panels, &TStatusBar::SetPanels);
  cls.publish({"ParentFont", "ParentShowHint", "ShowHint", "PopupMenu"});
  cls.property("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel);
  cls.property("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText);
  cls.property("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip).Default(true);
  cls.publish({"Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown",
                "OnMouseMove", "OnMouseUp"});
  cls.event("OnDrawPanel", &TStatusBar::OnDrawPanel, TDrawPanelEventType());
  cls.event("OnResize", &TStatusBar::OnResize, TNotifyEventType());
  cls.publish({"OnStartDrag"});
}

// --- TStatusPanel

TStatusPanel::TStatusPanel(TCollection* collection) : TCollectionItem(collection) {}

void TStatusPanel::SetAlignment(TAlignment v) { FAlignment = v, Changed(false); }
void TStatusPanel::SetBevel(TStatusPanelBevel v) { FBevel = v, Changed(false); }
void TStatusPanel::SetStyle(TStatusPanelStyle v) { FStyle = v, Changed(false); }
void TStatusPanel::SetText(const std::string& v) { FText = v, Changed(false); }
// A width moves every panel after this one.
void TStatusPanel::SetWidth(int v) { FWidth = v, Changed(true); }

std::string TStatusPanel::GetDisplayName() const { return FText.empty() ? TCollectionItem::GetDisplayName() : FText; }

void TStatusPanel::Assign(const TPersistent* source) {
  auto* panel = dynamic_cast<const TStatusPanel*>(source);
  if (!panel) return TCollectionItem::Assign(source);
  FAlignment = panel->FAlignment, FBevel = panel->FBevel, FStyle = panel->FStyle;
  FText = panel->FText, FWidth = panel->FWidth;
  Changed(true);
}

// --- TStatusPanels

TStatusPanels::TStatusPanels(TStatusBar* statusBar)
    : TCollection(&TStatusPanel::StaticClass()), FStatusBar(statusBar) {}

TPersistent* TStatusPanels::GetOwner() const { return FStatusBar; }

void TStatusPanels::Update(TCollectionItem*) { FStatusBar->Invalidate(); }

// --- TStatusBar

TStatusBar::TStatusBar(TComponent* owner)
    : TCustomControl(owner), FPanels(std::make_unique<TStatusPanels>(this)) {
  SetColor(clBtnFace);
  SetParentColor(false);
  SetBounds(0, 0, 150, DefaultHeight);
  SetAlign(alBottom);
}

TStatusBar::~TStatusBar() { FPanels->BeginUpdate(); }

void TStatusBar::SetPanels(TStatusPanels* v) { FPanels->Assign(v); }

void TStatusBar::SetSimplePanel(bool v) {
  FSimplePanel = v;
  Invalidate();
}

void TStatusBar::SetSimpleText(const std::string& v) {
  FSimpleText = v;
  if (FSimplePanel) Invalidate();
}

void TStatusBar::SetSizeGrip(bool v) {
  FSizeGrip = v;
  Invalidate();
}

void TStatusBar::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != Width() || height != Height();
  TCustomControl::SetBounds(left, top, width, height);
  if (resized && !IsLoading()) Resize();
}

TRect TStatusBar::PanelRect(int index) const {
  if (FSimplePanel || index < 0 || index >= FPanels->Count()) return {};
  int left = 0;
  for (int i = 0; i < index; ++i) left += std::max(FPanels->Items(i)->Width(), 0);
  const bool last = index == FPanels->Count() - 1;
  const int right = last ? Width() : left + std::max(FPanels->Items(index)->Width(), 0);
  return Rect(left, PanelGap, std::min(right, Width()) - (last ? 0 : PanelGap), Height());
}

void TStatusBar::PaintText(const TRect& rect, const std::string& text, TAlignment alignment,
                           TStatusPanelBevel bevel) {
  if (bevel == pbLowered) DrawBevelFrame(*Canvas(), rect, clBtnShadow, clBtnHighlight);
  if (bevel == pbRaised) DrawBevelFrame(*Canvas(), rect, clBtnHighlight, clBtnShadow);
  const TRect inner = Rect(rect.Left + 2, rect.Top + 1, rect.Right - 2, rect.Bottom - 1);
  const int width = Canvas()->TextWidth(text);
  int x = inner.Left;
  if (alignment == taRightJustify) x = inner.Right - width;
  if (alignment == taCenter) x = inner.Left + (inner.Width() - width) / 2;
  const int y = inner.Top + (inner.Height() - Canvas()->TextHeight(text)) / 2;
  Canvas()->Brush()->SetStyle(bsClear);
  Canvas()->TextRect(inner, x, y, text);
}

void TStatusBar::PaintSizeGrip() {
  const int right = Width(), bottom = Height();
  for (int i = 0; i < 3; ++i) {
    const int offset = 4 * i + 2;
    Canvas()->Pen()->SetColor(clBtnHighlight);
    Canvas()->MoveTo(right - offset - 1, bottom - 1);
    Canvas()->LineTo(right, bottom - offset - 2);
    Canvas()->Pen()->SetColor(clBtnShadow);
    Canvas()->MoveTo(right - offset, bottom - 1);
    Canvas()->LineTo(right, bottom - offset - 1);
  }
}

void TStatusBar::Paint() {
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
  const TRect bar = Rect(0, PanelGap, Width(), Height());
  if (FSimplePanel) {
    PaintText(bar, FSimpleText, taLeftJustify, pbLowered);
  } else {
    for (int i = 0; i < FPanels->Count(); ++i) {
      TStatusPanel* panel = FPanels->Items(i);
      const TRect r = PanelRect(i);
      if (panel->Style() == psOwnerDraw) {
        Canvas()->Brush()->SetColor(Color());
        DrawPanel(panel, Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1));
        if (panel->Bevel() != pbNone) PaintText(r, {}, taLeftJustify, panel->Bevel());
      } else {
        PaintText(r, panel->Text(), panel->Alignment(), panel->Bevel());
      }
    }
  }
  if (FSizeGrip && Width() > GripSize) PaintSizeGrip();
}

}  // namespace kcl
