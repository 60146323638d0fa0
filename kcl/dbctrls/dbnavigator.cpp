#include "kcl/dbctrls/dbnavigator.h"

#include <QPainter>

#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/pen.h"
#include "kcl/graphics/qtcolor.h"

namespace kcl {

const TTypeInfo* ENavClickType() {
  static const TTypeInfo* t =
      MakeMethodType("ENavClick", mkProcedure, {{0, "Sender", "TObject"}, {0, "Button", "TNavigateBtn"}});
  return t;
}

KCL_CLASS_INFO(TDBNavigator) {
  using T = TDBNavigator;
  cls.property("DataSource", &T::DataSource, &T::SetDataSource);
  cls.property("VisibleButtons", &T::VisibleButtons, &T::SetVisibleButtons).Default(T::AllButtons);
  cls.publish({"Align", "DragCursor", "DragMode", "Enabled"});
  cls.property("Flat", &T::Flat, &T::SetFlat).Stored(&T::IsFlatStored);
  cls.publish({"Ctl3D"});
  cls.property("Hints", &T::Hints, &T::SetHints);
  cls.publish({"ParentCtl3D", "ParentShowHint", "PopupMenu"});
  cls.property("ConfirmDelete", &T::ConfirmDelete, &T::SetConfirmDelete).Default(true);
  cls.publish({"ShowHint", "TabOrder", "TabStop", "Visible"});
  cls.event("BeforeAction", &T::BeforeAction, ENavClickType());
  cls.event("OnClick", &T::OnNavClick, ENavClickType());
  cls.publish({"OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit"});
  cls.event("OnResize", &T::OnResize, TNotifyEventType());
  cls.publish({"OnStartDrag"});
}

TDBNavigator::TDBNavigator(TComponent* owner) : TCustomPanel(owner), TDataAware(this) {
  FControlStyle.Exclude(csAcceptsControls);
  FControlStyle.Exclude(csSetCaption);
  FControlStyle.Include(csOpaque);
  SetBevelOuter(bvNone);
  SetFullRepaint(false);
  SetBounds(Left(), Top(), 240, 25);
}

void TDBNavigator::SetVisibleButtons(TNavButtonSet v) {
  FVisibleButtons = v;
  Invalidate();
}

void TDBNavigator::SetFlat(bool v) {
  FFlat = v;
  // A value read from a form is kept in it, even the default.
  FFlatKept = ComponentState().Contains(csReading);
  Invalidate();
}

std::vector<TNavigateBtn> TDBNavigator::Buttons() const {
  std::vector<TNavigateBtn> buttons;
  for (int b = nbFirst; b <= nbRefresh; ++b)
    if (FVisibleButtons.Contains(static_cast<TNavigateBtn>(b))) buttons.push_back(static_cast<TNavigateBtn>(b));
  return buttons;
}

// The buttons share the width equally; what is left over goes to both ends.
TRect TDBNavigator::ButtonRect(int visibleIndex) const {
  const int count = static_cast<int>(Buttons().size());
  if (count == 0) return {};
  const int width = Width() / count;
  const int left = (Width() - width * count) / 2 + visibleIndex * width;
  return Rect(left, 0, left + width, Height());
}

int TDBNavigator::ButtonAt(int x, int y) const {
  if (y < 0 || y >= Height()) return -1;
  for (int i = 0; i < static_cast<int>(Buttons().size()); ++i) {
    const TRect r = ButtonRect(i);
    if (x >= r.Left && x < r.Right) return i;
  }
  return -1;
}

std::string TDBNavigator::ButtonHint(TNavigateBtn button) const {
  static const char* const Defaults[] = {"First record", "Prior record", "Next record",    "Last record",
                                         "Insert record", "Delete record", "Edit record",   "Post edit",
                                         "Cancel edit",  "Refresh data"};
  if (button < FHints->Count() && !FHints->Strings(button).empty()) return FHints->Strings(button);
  return Defaults[button];
}

bool TDBNavigator::ButtonEnabled() const { return Enabled() && (IsDesigning() || DataActive()); }

void TDBNavigator::BtnClick(TNavigateBtn button) {
  if (!ButtonEnabled() || !FVisibleButtons.Contains(button)) return;
  BeforeAction(this, button);
  OnNavClick(this, button);
}

void TDBNavigator::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomPanel::MouseDown(button, shift, x, y);
  if (button != mbLeft || IsDesigning() || !ButtonEnabled()) return;
  FPressed = ButtonAt(x, y);
  Invalidate();
}

void TDBNavigator::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomPanel::MouseUp(button, shift, x, y);
  const int pressed = FPressed;
  FPressed = -1;
  if (pressed < 0) return;
  Invalidate();
  if (ButtonAt(x, y) == pressed) BtnClick(Buttons()[static_cast<size_t>(pressed)]);
}

void TDBNavigator::Paint() {
  TCanvas& canvas = *Canvas();
  canvas.Brush()->SetColor(clBtnFace);
  canvas.Brush()->SetStyle(bsSolid);
  canvas.FillRect(ClientRect());
  const std::vector<TNavigateBtn> buttons = Buttons();
  for (int i = 0; i < static_cast<int>(buttons.size()); ++i)
    DrawButton(canvas, buttons[static_cast<size_t>(i)], ButtonRect(i), i == FPressed);
}

namespace {

void DrawGlyph(TCanvas& canvas, TNavigateBtn button, int cx, int cy, TColor color) {
  canvas.Pen()->SetColor(color);
  canvas.Pen()->SetWidth(1);
  canvas.Brush()->SetColor(color);
  const auto triangle = [&](TPoint a, TPoint b, TPoint c) {
    const TPoint points[] = {a, b, c};
    canvas.Polygon(points);
  };
  const auto bar = [&](int x1, int y1, int x2, int y2) { canvas.FillRect(Rect(x1, y1, x2, y2)); };
  const auto strokes = [&](std::initializer_list<TPoint> points) {
    canvas.Pen()->SetWidth(2);
    canvas.Polyline(std::span<const TPoint>(points.begin(), points.size()));
  };
  switch (button) {
    case nbFirst: bar(cx - 4, cy - 4, cx - 2, cy + 5); triangle({cx + 3, cy - 4}, {cx + 3, cy + 4}, {cx - 1, cy}); break;
    case nbPrior: triangle({cx + 2, cy - 4}, {cx + 2, cy + 4}, {cx - 2, cy}); break;
    case nbNext: triangle({cx - 2, cy - 4}, {cx - 2, cy + 4}, {cx + 2, cy}); break;
    case nbLast: triangle({cx - 3, cy - 4}, {cx - 3, cy + 4}, {cx + 1, cy}); bar(cx + 2, cy - 4, cx + 4, cy + 5); break;
    case nbInsert: bar(cx - 4, cy - 1, cx + 5, cy + 1); bar(cx - 1, cy - 4, cx + 1, cy + 5); break;
    case nbDelete: bar(cx - 4, cy - 1, cx + 5, cy + 1); break;
    case nbEdit: triangle({cx - 4, cy + 2}, {cx + 4, cy + 2}, {cx, cy - 2}); break;
    case nbPost: strokes({{cx - 4, cy}, {cx - 1, cy + 3}, {cx + 4, cy - 3}}); break;
    case nbCancel: strokes({{cx - 3, cy - 3}, {cx + 3, cy + 3}}); strokes({{cx + 3, cy - 3}, {cx - 3, cy + 3}}); break;
    case nbRefresh:
      if (QPainter* painter = canvas.Painter()) {
        painter->save();
        painter->setPen(QPen(ColorToQColor(color), 2));
        painter->drawArc(QRect(cx - 4, cy - 4, 8, 8), 60 * 16, 270 * 16);
        painter->restore();
      }
      triangle({cx + 1, cy - 6}, {cx + 5, cy - 3}, {cx + 1, cy - 1});
      break;
  }
}

}  // namespace

void TDBNavigator::DrawButton(TCanvas& canvas, TNavigateBtn button, TRect rect, bool down) {
  if (down) {
    Frame3D(canvas, rect, cl3DDkShadow, clBtnHighlight, 1);
    Frame3D(canvas, rect, clBtnShadow, cl3DLight, 1);
  } else if (!FFlat) {
    Frame3D(canvas, rect, cl3DLight, cl3DDkShadow, 1);
    Frame3D(canvas, rect, clBtnHighlight, clBtnShadow, 1);
  }
  const int cx = (rect.Left + rect.Right) / 2 + (down ? 1 : 0), cy = (rect.Top + rect.Bottom) / 2 + (down ? 1 : 0);
  if (ButtonEnabled()) return DrawGlyph(canvas, button, cx, cy, clBtnText);
  DrawGlyph(canvas, button, cx + 1, cy + 1, clBtnHighlight);
  DrawGlyph(canvas, button, cx, cy, clBtnShadow);
}

}  // namespace kcl
