#include "kcl/components/tabset.h"

#include <QPainter>
#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/components/bevelframe.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/pen.h"
#include "kcl/rtl/exceptions.h"

namespace kcl {

namespace {
constexpr int EdgeWidth = 9;       // the slant of a tab's side
constexpr int TextMargin = 2;      // between the slant and the text
constexpr int ScrollButtonWidth = 16;
constexpr int MaxTabWidth = 32767;  // what an owner-drawn tab may ask for

const TTypeInfo* TTabChangeEventType() {
  static const TTypeInfo* t = MakeMethodType(
      "TTabChangeEvent", mkProcedure,
      {{0, "Sender", "TObject"}, {0, "NewTab", "Integer"}, {pfVar, "AllowChange", "Boolean"}});
  return t;
}
const TTypeInfo* TTabSetDrawTabEventType() {
  static const TTypeInfo* t = MakeMethodType("TDrawTabEvent", mkProcedure,
                                             {{0, "Sender", "TObject"},
                                              {0, "TabCanvas", "TCanvas"},
                                              {0, "R", "TRect"},
                                              {0, "Index", "Integer"},
                                              {0, "Selected", "Boolean"}});
  return t;
}
const TTypeInfo* TMeasureTabEventType() {
  static const TTypeInfo* t = MakeMethodType(
      "TMeasureTabEvent", mkProcedure,
      {{0, "Sender", "TObject"}, {0, "Index", "Integer"}, {pfVar, "TabWidth", "Integer"}});
  return t;
}
}  // namespace

KCL_CLASS_INFO(TTabSet) {
  using T = TTabSet;
  cls.publish({"Align"});
  cls.property("AutoScroll", &T::AutoScroll, &T::SetAutoScroll).Default(true);
  cls.property("BackgroundColor", &T::BackgroundColor, &T::SetBackgroundColor, TColorType()).Default(clBtnFace);
  cls.property("DitherBackground", &T::DitherBackground, &T::SetDitherBackground).Default(true);
  cls.publish({"DragCursor", "DragMode", "Enabled"});
  cls.property("EndMargin", &T::EndMargin, &T::SetEndMargin).Default(5);
  cls.publish({"Font", "ParentShowHint", "PopupMenu", "ShowHint"});
  cls.property("StartMargin", &T::StartMargin, &T::SetStartMargin).Default(5);
  cls.property("SelectedColor", &T::SelectedColor, &T::SetSelectedColor, TColorType()).Default(clBtnFace);
  cls.property("Style", &T::Style, &T::SetStyle).Default(tsStandard);
  cls.property("TabHeight", &T::TabHeight, &T::SetTabHeight).Default(20);
  cls.property("Tabs", &T::Tabs, &T::SetTabs);
  cls.property("TabIndex", &T::TabIndex, &T::SetTabIndex).Default(-1);
  cls.property("UnselectedColor", &T::UnselectedColor, &T::SetUnselectedColor, TColorType()).Default(clWindow);
  cls.publish({"Visible", "OnClick"});
  cls.event("OnChange", &T::OnChange, TTabChangeEventType());
  cls.publish({"OnDragDrop", "OnDragOver"});
  cls.event("OnDrawTab", &T::OnDrawTab, TTabSetDrawTabEventType());
  cls.publish({"OnEndDrag", "OnEnter", "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
  cls.event("OnMeasureTab", &T::OnMeasureTab, TMeasureTabEventType());
  cls.publish({"OnStartDrag"});
}

TTabSet::TTabSet(TComponent* owner)
    : TCustomControl(owner), FTabs(std::make_unique<TBoundStrings>([this] { TabsChanged(); })) {
  FControlStyle = {csCaptureMouse, csDoubleClicks, csOpaque};
  SetBounds(Left(), Top(), 185, 21);
  // The tabs keep a font of their own, which forms always hold.
  SetParentFont(false);
}

TTabSet::~TTabSet() { FTabs->SetChangedHandler(nullptr); }

void TTabSet::SetAutoScroll(bool v) {
  FAutoScroll = v;
  Invalidate();
}

void TTabSet::SetBackgroundColor(TColor v) {
  FBackgroundColor = v;
  Invalidate();
}

void TTabSet::SetDitherBackground(bool v) {
  FDitherBackground = v;
  Invalidate();
}

void TTabSet::SetEndMargin(int v) {
  FEndMargin = std::max(v, 0);
  Invalidate();
}

void TTabSet::SetStartMargin(int v) {
  FStartMargin = std::max(v, 0);
  Invalidate();
}

void TTabSet::SetSelectedColor(TColor v) {
  FSelectedColor = v;
  Invalidate();
}

void TTabSet::SetUnselectedColor(TColor v) {
  FUnselectedColor = v;
  Invalidate();
}

void TTabSet::SetStyle(TTabStyle v) {
  FStyle = v;
  Invalidate();
}

void TTabSet::SetTabHeight(int v) {
  FTabHeight = std::max(v, 0);
  Invalidate();
}

void TTabSet::TabsChanged() {
  if (IsLoading()) return;
  FTabIndex = std::min(FTabIndex, FTabs->Count() - 1);
  FFirstIndex = std::clamp(FFirstIndex, 0, std::max(FTabs->Count() - 1, 0));
  Invalidate();
}

void TTabSet::Loaded() {
  TCustomControl::Loaded();
  if (FTabIndex < -1 || FTabIndex >= FTabs->Count()) FTabIndex = -1;
}

bool TTabSet::CanChange(int newIndex) {
  bool allow = true;
  OnChange(this, newIndex, allow);
  return allow;
}

void TTabSet::SetTabIndex(int v) {
  if (IsLoading()) {
    FTabIndex = v;  // the tabs came first; Loaded checks it
    return;
  }
  if (v == FTabIndex) return;
  if (v < -1 || v >= FTabs->Count()) throw EInvalidOperation("Tab index out of bounds");
  if (!CanChange(v)) return;
  FTabIndex = v;
  ScrollIntoView(v);
  Click();
  Invalidate();
}

void TTabSet::ScrollIntoView(int index) {
  if (index < 0) return;
  if (index < FFirstIndex || !NeedsScrollButtons()) {
    FFirstIndex = std::min(index, FFirstIndex);
    return;
  }
  if (ItemRect(index).Width() > 0) return;
  // The first index from which the tab is the last that fits.
  const int limit = ClientWidth() - FEndMargin - 2 * ScrollButtonWidth - FStartMargin - EdgeWidth;
  int first = index, used = EdgeWidth + MeasureTab(index);
  while (first > 0 && used + EdgeWidth + MeasureTab(first - 1) <= limit) used += EdgeWidth + MeasureTab(--first);
  FFirstIndex = first;
}

void TTabSet::SetFirstIndex(int v) {
  if (v < 0 || v >= FTabs->Count() || v == FFirstIndex) return;
  FFirstIndex = v;
  Invalidate();
}

int TTabSet::TabBottom() const {
  const int height = FStyle == tsOwnerDraw ? FTabHeight : ClientHeight() - 1;
  return std::clamp(height, 1, std::max(ClientHeight() - 1, 1));
}

int TTabSet::MeasureTab(int index) {
  Canvas()->SetFont(Font());
  int width = Canvas()->TextWidth(FTabs->Strings(index));
  if (FStyle == tsOwnerDraw) OnMeasureTab(this, index, width);
  return std::clamp(width, 0, MaxTabWidth) + 2 * TextMargin;
}

std::vector<TTabSet::TTabPlace> TTabSet::LayOutTabs() {
  const int limit = ClientWidth() - FEndMargin - (NeedsScrollButtons() ? 2 * ScrollButtonWidth : 0);
  std::vector<TTabPlace> places;
  int left = FStartMargin;
  for (int i = FFirstIndex; i < FTabs->Count(); ++i) {
    const int width = MeasureTab(i);
    if (left + 2 * EdgeWidth + width > limit) break;
    places.push_back({i, left, width});
    left += EdgeWidth + width;  // the next tab's slant lies over this one's
  }
  return places;
}

bool TTabSet::NeedsScrollButtons() {
  if (!FAutoScroll || FTabs->Count() == 0) return false;
  if (FFirstIndex > 0) return true;
  int right = FStartMargin + EdgeWidth;
  for (int i = 0; i < FTabs->Count(); ++i) right += EdgeWidth + MeasureTab(i);
  return right > ClientWidth() - FEndMargin;
}

int TTabSet::VisibleTabs() { return static_cast<int>(LayOutTabs().size()); }

TRect TTabSet::ItemRect(int index) {
  for (const TTabPlace& place : LayOutTabs())
    if (place.Index == index) return Rect(place.Left, 0, place.Left + 2 * EdgeWidth + place.TextWidth, TabBottom() + 1);
  return {};
}

TRect TTabSet::ScrollButtonRect(bool right) {
  if (!NeedsScrollButtons()) return {};
  const int left = ClientWidth() - (right ? 1 : 2) * ScrollButtonWidth;
  return Rect(left, 0, left + ScrollButtonWidth, std::min(TabBottom() + 1, ClientHeight()));
}

int TTabSet::ItemAtPos(TPoint pos) {
  const int bottom = TabBottom();
  if (pos.Y < 0 || pos.Y > bottom) return -1;
  const auto holds = [&](const TTabPlace& place) {
    const int slant = EdgeWidth * pos.Y / bottom;
    return pos.X >= place.Left + slant && pos.X < place.Left + 2 * EdgeWidth + place.TextWidth - slant;
  };
  const std::vector<TTabPlace> places = LayOutTabs();
  // The chosen tab lies over the others, and each over the one to its right.
  for (const TTabPlace& place : places)
    if (place.Index == FTabIndex && holds(place)) return place.Index;
  for (const TTabPlace& place : places)
    if (holds(place)) return place.Index;
  return -1;
}

void TTabSet::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  if (ScrollButtonRect(false).Contains({x, y})) return SetFirstIndex(FFirstIndex - 1);
  if (ScrollButtonRect(true).Contains({x, y})) {
    if (ItemRect(FTabs->Count() - 1).Width() == 0) SetFirstIndex(FFirstIndex + 1);
    return;
  }
  if (const int index = ItemAtPos({x, y}); index >= 0) SetTabIndex(index);
}

void TTabSet::PaintBackground() {
  TCanvas& canvas = *Canvas();
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(FBackgroundColor);
  canvas.FillRect(ClientRect());
  QPainter* painter = canvas.Painter();
  if (!FDitherBackground || !painter) return;
  // Every other pixel white, as the old tab sets dithered their strip.
  painter->fillRect(0, 0, ClientWidth(), ClientHeight(), QBrush(Qt::white, Qt::Dense4Pattern));
}

void TTabSet::PaintTab(const TTabPlace& place, bool selected) {
  TCanvas& canvas = *Canvas();
  const int bottom = TabBottom();
  const int right = place.Left + 2 * EdgeWidth + place.TextWidth;
  const TPoint shape[] = {{place.Left, 0}, {place.Left + EdgeWidth, bottom}, {right - EdgeWidth, bottom}, {right, 0}};
  canvas.Pen()->SetColor(clBlack);
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(selected ? FSelectedColor : FUnselectedColor);
  canvas.Polygon(shape);
  if (selected) {
    // The chosen tab is one with the strip above it.
    canvas.Pen()->SetColor(FSelectedColor);
    canvas.MoveTo(place.Left + 1, 0);
    canvas.LineTo(right, 0);
  }
  const TRect inner = Rect(place.Left + EdgeWidth, 1, right - EdgeWidth, bottom);
  if (FStyle == tsOwnerDraw) {
    OnDrawTab(this, &canvas, inner, place.Index, selected);
    return;
  }
  canvas.Brush()->SetStyle(bsClear);
  const std::string& text = FTabs->Strings(place.Index);
  canvas.TextOut(inner.Left + TextMargin, (bottom - canvas.TextHeight(text)) / 2 + 1, text);
}

void TTabSet::PaintScrollButton(const TRect& rect, bool right, bool enabled) {
  TCanvas& canvas = *Canvas();
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(clBtnFace);
  canvas.FillRect(rect);
  DrawBevelFrame(canvas, rect, clBtnHighlight, clBlack);
  // A small triangle pointing the way the tabs go.
  const int cx = (rect.Left + rect.Right) / 2, cy = (rect.Top + rect.Bottom) / 2;
  const int tip = right ? 2 : -2;
  const TPoint arrow[] = {{cx + tip, cy}, {cx - tip, cy - 4}, {cx - tip, cy + 4}};
  canvas.Pen()->SetColor(enabled ? clBlack : clBtnShadow);
  canvas.Brush()->SetColor(enabled ? clBlack : clBtnShadow);
  canvas.Polygon(arrow);
}

void TTabSet::Paint() {
  TCanvas& canvas = *Canvas();
  PaintBackground();
  canvas.Pen()->SetColor(clBlack);
  canvas.MoveTo(0, 0);
  canvas.LineTo(ClientWidth(), 0);
  const std::vector<TTabPlace> places = LayOutTabs();
  for (auto it = places.rbegin(); it != places.rend(); ++it)
    if (it->Index != FTabIndex) PaintTab(*it, false);
  for (const TTabPlace& place : places)
    if (place.Index == FTabIndex) PaintTab(place, true);
  if (NeedsScrollButtons()) {
    PaintScrollButton(ScrollButtonRect(false), false, FFirstIndex > 0);
    PaintScrollButton(ScrollButtonRect(true), true, ItemRect(FTabs->Count() - 1).Width() == 0);
  }
}

}  // namespace kcl
