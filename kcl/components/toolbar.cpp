#include "kcl/components/toolbar.h"

#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/components/bevelframe.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/font.h"
#include "kcl/graphics/pen.h"

namespace kcl {

namespace {
constexpr int SeparatorWidth = 8;

const TTypeInfo* ImageListType() { return TImageList::StaticClass().ClassTypeInfo(); }
}  // namespace

KCL_CLASS_INFO(TToolWindow) {}

KCL_CLASS_INFO(TToolButton) {
  using T = TToolButton;
  cls.property("AllowAllUp", &T::AllowAllUp, &T::SetAllowAllUp).Default(false);
  cls.publish({"Caption"});
  cls.property("Down", &T::Down, &T::SetDown).Default(false);
  cls.publish({"DragCursor", "DragMode"});
  cls.property("DropdownMenu", &T::DropdownMenu, &T::SetDropdownMenu);
  cls.publish({"Enabled"});
  cls.property("Grouped", &T::Grouped, &T::SetGrouped).Default(false);
  // The tool bar sets a button's height; only separators keep a width of their own.
  cls.republish("Height").Stored(false);
  cls.property("ImageIndex", &T::ImageIndex, &T::SetImageIndex).Default(-1);
  cls.property("Indeterminate", &T::Indeterminate, &T::SetIndeterminate).Default(false);
  cls.property("Marked", &T::Marked, &T::SetMarked).Default(false);
  cls.publish({"ParentShowHint", "PopupMenu"});
  cls.property("Wrap", &T::Wrap, &T::SetWrap).Default(false);
  cls.publish({"ShowHint"});
  cls.property("Style", &T::Style, &T::SetStyle).Default(tbsButton);
  cls.publish({"Visible"});
  cls.republish("Width").Stored(&T::IsSeparator);
  cls.publish({"OnClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp",
                "OnStartDrag"});
}

KCL_CLASS_INFO(TToolBar) {
  using T = TToolBar;
  cls.property("Align", &T::Align, &T::SetAlign).Default(alTop);
  cls.property("ButtonHeight", &T::ButtonHeight, &T::SetButtonHeight).Default(22);
  cls.property("ButtonWidth", &T::ButtonWidth, &T::SetButtonWidth).Default(23);
  cls.publish({"Caption", "Color", "Ctl3D"});
  cls.property("DisabledImages", &T::DisabledImages, &T::SetDisabledImages, ImageListType());
  cls.publish({"DragCursor", "DragMode"});
  cls.property("EdgeBorders", &T::EdgeBorders, &T::SetEdgeBorders).Default(TEdgeBorders{ebTop});
  cls.property("EdgeInner", &T::EdgeInner, &T::SetEdgeInner).Default(esRaised);
  cls.property("EdgeOuter", &T::EdgeOuter, &T::SetEdgeOuter).Default(esLowered);
  cls.publish({"Enabled"});
  cls.property("Flat", &T::Flat, &T::SetFlat).Default(false);
  cls.publish({"Font"});
  cls.property("HotImages", &T::HotImages, &T::SetHotImages, ImageListType());
  cls.property("Images", &T::Images, &T::SetImages, ImageListType());
  cls.property("Indent", &T::Indent, &T::SetIndent).Default(0);
  cls.publish({"ParentColor", "ParentFont", "ParentShowHint", "PopupMenu"});
  cls.property("ShowCaptions", &T::ShowCaptions, &T::SetShowCaptions).Default(false);
  cls.publish({"ShowHint", "TabOrder", "TabStop", "Visible"});
  cls.property("Wrapable", &T::Wrapable, &T::SetWrapable).Default(true);
  cls.publish({"OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnMouseDown",
                "OnMouseMove", "OnMouseUp"});
  cls.event("OnResize", &T::OnResize, TNotifyEventType());
  cls.publish({"OnStartDrag"});
}

// --- TToolWindow

TToolWindow::TToolWindow(TComponent* owner) : TCustomControl(owner) {
  FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csSetCaption};
}

void TToolWindow::SetEdgeBorders(TEdgeBorders v) {
  FEdgeBorders = v;
  EdgesChanged();
}

void TToolWindow::SetEdgeInner(TEdgeStyle v) {
  FEdgeInner = v;
  EdgesChanged();
}

void TToolWindow::SetEdgeOuter(TEdgeStyle v) {
  FEdgeOuter = v;
  EdgesChanged();
}

void TToolWindow::EdgesChanged() { Invalidate(); }

TRect TToolWindow::EdgeWidths() const {
  const int width = (FEdgeInner != esNone ? 1 : 0) + (FEdgeOuter != esNone ? 1 : 0);
  auto on = [&](TEdgeBorder b) { return FEdgeBorders.Contains(b) ? width : 0; };
  return Rect(on(ebLeft), on(ebTop), on(ebRight), on(ebBottom));
}

TRect TToolWindow::ClientRect() const {
  const TRect edges = EdgeWidths();
  return Rect(0, 0, std::max(Width() - edges.Left - edges.Right, 0), std::max(Height() - edges.Top - edges.Bottom, 0));
}

void TToolWindow::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != Width() || height != Height();
  TCustomControl::SetBounds(left, top, width, height);
  if (resized && !IsLoading()) Resize();
}

void TToolWindow::Paint() {
  TCanvas& canvas = *Canvas();
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(Rect(0, 0, Width(), Height()));
  // The outer edge, then the inner one, on the borders chosen.
  TRect r = Rect(0, 0, Width(), Height());
  for (TEdgeStyle style : {FEdgeOuter, FEdgeInner}) {
    if (style == esNone) continue;
    const TColor light = style == esRaised ? clBtnHighlight : clBtnShadow;
    const TColor dark = style == esRaised ? clBtnShadow : clBtnHighlight;
    auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
      canvas.Pen()->SetColor(color);
      canvas.MoveTo(x1, y1);
      canvas.LineTo(x2, y2);
    };
    if (FEdgeBorders.Contains(ebLeft)) line(light, r.Left, r.Top, r.Left, r.Bottom);
    if (FEdgeBorders.Contains(ebTop)) line(light, r.Left, r.Top, r.Right, r.Top);
    if (FEdgeBorders.Contains(ebRight)) line(dark, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
    if (FEdgeBorders.Contains(ebBottom)) line(dark, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
    r = Rect(r.Left + (FEdgeBorders.Contains(ebLeft) ? 1 : 0), r.Top + (FEdgeBorders.Contains(ebTop) ? 1 : 0),
             r.Right - (FEdgeBorders.Contains(ebRight) ? 1 : 0), r.Bottom - (FEdgeBorders.Contains(ebBottom) ? 1 : 0));
  }
}

// --- TToolButton

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) {
  FControlStyle = TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  SetBounds(Left(), Top(), 23, 22);
}

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(Parent()); }

void TToolButton::SetParent(TWinControl* parent) {
  TToolBar* old = ToolBar();
  TGraphicControl::SetParent(parent);
  if (old && old != parent) old->LayoutButtons();
  if (TToolBar* bar = ToolBar()) bar->LayoutButtons();
}

void TToolButton::SetDown(bool v) {
  if (v == FDown) return;
  FDown = v;
  if (v && FGrouped && ToolBar())
    for (TToolButton* other : ToolBar()->Buttons())
      if (other != this && other->FGrouped && other->FStyle == tbsCheck) other->FDown = false, other->Invalidate();
  Invalidate();
}

void TToolButton::SetImageIndex(int v) {
  FImageIndex = v;
  Invalidate();
}

void TToolButton::SetIndeterminate(bool v) {
  FIndeterminate = v;
  Invalidate();
}

void TToolButton::SetMarked(bool v) {
  FMarked = v;
  Invalidate();
}

void TToolButton::SetWrap(bool v) {
  FWrap = v;
  if (ToolBar()) ToolBar()->LayoutButtons();
}

void TToolButton::SetStyle(TToolButtonStyle v) {
  const bool wasSeparator = IsSeparator();
  FStyle = v;
  if (IsSeparator() && !wasSeparator && !IsLoading()) SetWidth(SeparatorWidth);
  if (ToolBar()) ToolBar()->LayoutButtons();
  Invalidate();
}

void TToolButton::Click() {
  if (FStyle == tbsCheck) {
    // A grouped button stays down when clicked again, unless the group may be all up.
    if (!FDown)
      SetDown(true);
    else if (!FGrouped || FAllowAllUp)
      SetDown(false);
  }
  TGraphicControl::Click();
}

void TToolButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && Enabled() && !IsSeparator() && !IsDesigning()) FPressed = true, Invalidate();
  TGraphicControl::MouseDown(button, shift, x, y);
}

void TToolButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  FPressed = false;
  Invalidate();
  TGraphicControl::MouseUp(button, shift, x, y);
}

void TToolButton::Paint() {
  TCanvas& canvas = *Canvas();
  const TRect r = Rect(0, 0, Width(), Height());
  canvas.Brush()->SetColor(clBtnFace);
  canvas.FillRect(r);
  if (IsSeparator()) {
    if (FStyle == tbsDivider)
      DrawBevelFrame(canvas, Rect(Width() / 2 - 1, 0, Width() / 2 + 1, Height()), clBtnShadow, clBtnHighlight);
    return;
  }
  const bool sunken = FPressed || FDown;
  const bool flat = ToolBar() && ToolBar()->Flat();
  if (sunken)
    DrawBevelFrame(canvas, r, clBtnShadow, clBtnHighlight);
  else if (!flat)
    DrawBevelFrame(canvas, r, clBtnHighlight, cl3DDkShadow);
  const int shift = sunken ? 1 : 0;
  TToolBar* bar = ToolBar();
  int textTop = (Height() - canvas.TextHeight("Ag")) / 2;
  if (bar && bar->Images() && FImageIndex >= 0) {
    TCustomImageList* images = Enabled() || !bar->DisabledImages() ? bar->Images() : bar->DisabledImages();
    const int top = bar->ShowCaptions() ? 3 : (Height() - images->Height()) / 2;
    images->Draw(canvas, (Width() - images->Width()) / 2 + shift, top + shift, FImageIndex);
    textTop = top + images->Height() + 1;
  }
  if (bar && bar->ShowCaptions()) {
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->SetColor(Enabled() ? clBtnText : clGrayText);
    canvas.TextOut((Width() - canvas.TextWidth(Caption())) / 2 + shift, textTop + shift, Caption());
  }
}

// --- TToolBar

TToolBar::TToolBar(TComponent* owner) : TToolWindow(owner) {
  SetEdgeBorders({ebTop});
  SetBounds(Left(), Top(), 150, 29);
  SetAlign(alTop);
}

std::vector<TToolButton*> TToolBar::Buttons() const {
  std::vector<TToolButton*> buttons;
  for (TControl* c : Controls())
    if (auto* b = dynamic_cast<TToolButton*>(c)) buttons.push_back(b);
  return buttons;
}

void TToolBar::SetImageList(TCustomImageList*& field, TCustomImageList* v) {
  field = v;
  if (v) v->FreeNotification(this);
  LayoutButtons();
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
  TToolWindow::Notification(component, operation);
  if (operation != opRemove) return;
  for (TCustomImageList** list : {&FImages, &FHotImages, &FDisabledImages})
    if (*list == component) *list = nullptr;
}

void TToolBar::SetButtonHeight(int v) {
  FButtonHeight = v;
  LayoutButtons();
}

void TToolBar::SetButtonWidth(int v) {
  FButtonWidth = v;
  LayoutButtons();
}

void TToolBar::SetFlat(bool v) {
  FFlat = v;
  Invalidate();
  for (TToolButton* b : Buttons()) b->Invalidate();
}

void TToolBar::SetIndent(int v) {
  FIndent = v;
  LayoutButtons();
}

void TToolBar::SetShowCaptions(bool v) {
  FShowCaptions = v;
  LayoutButtons();
}

void TToolBar::SetWrapable(bool v) {
  FWrapable = v;
  LayoutButtons();
}

void TToolBar::EdgesChanged() {
  TToolWindow::EdgesChanged();
  LayoutButtons();
}

void TToolBar::Resize() {
  LayoutButtons();
  TToolWindow::Resize();
}

void TToolBar::Loaded() {
  TToolWindow::Loaded();
  LayoutButtons();
}

void TToolBar::LayoutButtons() {
  if (FLayingOut || IsLoading()) return;
  FLayingOut = true;
  const TRect edges = EdgeWidths();
  const int right = Width() - edges.Right;
  int x = edges.Left + FIndent, y = edges.Top;
  for (TToolButton* b : Buttons()) {
    if (!b->Visible() && !IsDesigning()) continue;
    const int width = b->IsSeparator() ? b->Width() : FButtonWidth;
    if (FWrapable && x > edges.Left + FIndent && x + width > right) x = edges.Left + FIndent, y += FButtonHeight;
    b->SetBounds(x, y, width, FButtonHeight);
    x += width;
    if (b->Wrap()) x = edges.Left + FIndent, y += FButtonHeight;
  }
  FLayingOut = false;
}

}  // namespace kcl
