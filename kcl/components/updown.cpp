#include "kcl/components/updown.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "kcl/classes/classbuilder.h"
#include "kcl/components/bevelframe.h"
#include "kcl/controls/keys.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/pen.h"

namespace kcl {

const TTypeInfo* TUDClickEventType() {
  static const TTypeInfo* t =
      MakeMethodType("TUDClickEvent", mkProcedure, {{0, "Sender", "TObject"}, {0, "Button", "TUDBtnType"}});
  return t;
}

const TTypeInfo* TUDChangingEventType() {
  static const TTypeInfo* t =
      MakeMethodType("TUDChangingEvent", mkProcedure, {{0, "Sender", "TObject"}, {pfVar, "AllowChange", "Boolean"}});
  return t;
}

KCL_CLASS_INFO(TUpDown) {
  using T = TUpDown;
  cls.property("AlignButton", &T::AlignButton, &T::SetAlignButton).Default(udRight);
  cls.property("Associate", &T::Associate, &T::SetAssociate);
  cls.property("ArrowKeys", &T::ArrowKeys, &T::SetArrowKeys).Default(true);
  cls.publish({"Enabled"});
  cls.property("Min", &T::Min, &T::SetMin);
  cls.property("Max", &T::Max, &T::SetMax).Default(100);
  cls.property("Increment", &T::Increment, &T::SetIncrement).Default(1);
  cls.property("Orientation", &T::Orientation, &T::SetOrientation).Default(udVertical);
  cls.publish({"ParentShowHint", "PopupMenu"});
  cls.property("Position", &T::Position, &T::SetPosition);
  cls.publish({"ShowHint", "TabOrder", "TabStop"});
  cls.property("Thousands", &T::Thousands, &T::SetThousands).Default(true);
  cls.publish({"Visible"});
  cls.property("Wrap", &T::Wrap, &T::SetWrap);
  cls.event("OnChanging", &T::OnChanging, TUDChangingEventType());
  cls.event("OnClick", &T::OnClick, TUDClickEventType());
  cls.publish({"OnEnter", "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
}

TUpDown::TUpDown(TComponent* owner) : TCustomControl(owner) {
  FControlStyle = TControlStyle{csCaptureMouse, csOpaque};
  SetColor(clBtnFace);
  SetParentColor(false);
  SetBounds(Left(), Top(), 16, 24);
}

void TUpDown::SetAlignButton(TUDAlignButton v) {
  FAlignButton = v;
  if (!IsLoading()) PlaceBesideAssociate();
}

void TUpDown::SetAssociate(TWinControl* v) {
  if (v == FAssociate) return;
  FAssociate = v == this ? nullptr : v;
  if (!FAssociate) return;
  FAssociate->FreeNotification(this);
  if (IsLoading()) return;
  PlaceBesideAssociate();
  UpdateAssociate();
}

void TUpDown::SetOrientation(TUDOrientation v) {
  if (v == FOrientation) return;
  FOrientation = v;
  if (!IsLoading()) SetBounds(Left(), Top(), Height(), Width());
  Invalidate();
}

void TUpDown::SetPosition(short v) {
  FPosition = v;
  if (!IsLoading()) UpdateAssociate();
}

void TUpDown::SetThousands(bool v) {
  FThousands = v;
  if (!IsLoading()) UpdateAssociate();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == FAssociate) FAssociate = nullptr;
}

std::string TUpDown::PositionText() const {
  std::string digits = std::to_string(std::abs(static_cast<int>(FPosition)));
  if (FThousands)
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<size_t>(at), ",");
  return (FPosition < 0 ? "-" : "") + digits;
}

void TUpDown::UpdateAssociate() {
  if (FAssociate) FAssociate->SetText(PositionText());
}

void TUpDown::PlaceBesideAssociate() {
  if (!FAssociate || FAssociate->Parent() != Parent()) return;
  const int width = Width();
  TRect buddy = FAssociate->BoundsRect();
  if (FAlignButton == udRight) {
    buddy.Right -= width;
    SetBounds(buddy.Right, buddy.Top, width, buddy.Height());
  } else {
    SetBounds(buddy.Left, buddy.Top, width, buddy.Height());
    buddy.Left += width;
  }
  FAssociate->SetBoundsRect(buddy);
}

void TUpDown::ButtonClicked(TUDBtnType button) {
  bool allow = true;
  OnChanging(this, allow);
  if (!allow) return;
  const int step = button == TUDBtnType::btNext ? FIncrement : -FIncrement;
  int next = FPosition + step;
  const int low = std::min(FMin, FMax), high = std::max(FMin, FMax);
  // Min above Max turns the buttons around, as Windows does.
  if (FMin > FMax) next = FPosition - step;
  if (next > high) next = FWrap ? low : high;
  if (next < low) next = FWrap ? high : low;
  SetPosition(static_cast<short>(next));
  OnClick(this, button);
}

TRect TUpDown::ButtonRect(TUDBtnType button) const {
  // Next is the upper button, or the right one of a horizontal pair.
  if (FOrientation == udVertical) {
    const int half = Height() / 2;
    return button == TUDBtnType::btNext ? Rect(0, 0, Width(), half) : Rect(0, half, Width(), Height());
  }
  const int half = Width() / 2;
  return button == TUDBtnType::btNext ? Rect(half, 0, Width(), Height()) : Rect(0, 0, half, Height());
}

void TUpDown::PaintButton(TUDBtnType button) {
  TCanvas& canvas = *Canvas();
  const TRect r = ButtonRect(button);
  const bool pressed = FPressed == button;
  canvas.Brush()->SetColor(clBtnFace);
  canvas.FillRect(r);
  DrawBevelFrame(canvas, r, pressed ? clBtnShadow : clBtnHighlight, pressed ? clBtnShadow : cl3DDkShadow);
  if (!pressed) DrawBevelFrame(canvas, Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), cl3DLight, clBtnShadow);
  const int size = std::max(std::min(r.Width(), r.Height()) / 4, 1);
  const int cx = (r.Left + r.Right) / 2 + (pressed ? 1 : 0), cy = (r.Top + r.Bottom) / 2 + (pressed ? 1 : 0);
  std::array<TPoint, 3> arrow;
  if (FOrientation == udVertical)
    arrow =
        button == TUDBtnType::btNext
            ? std::array<TPoint, 3>{{{cx - size, cy + size / 2}, {cx + size, cy + size / 2}, {cx, cy - size / 2 - 1}}}
            : std::array<TPoint, 3>{{{cx - size, cy - size / 2}, {cx + size, cy - size / 2}, {cx, cy + size / 2 + 1}}};
  else
    arrow =
        button == TUDBtnType::btNext
            ? std::array<TPoint, 3>{{{cx - size / 2, cy - size}, {cx - size / 2, cy + size}, {cx + size / 2 + 1, cy}}}
            : std::array<TPoint, 3>{{{cx + size / 2, cy - size}, {cx + size / 2, cy + size}, {cx - size / 2 - 1, cy}}};
  const TColor arrowColor = Enabled() ? clBtnText : clGrayText;
  canvas.Pen()->SetColor(arrowColor);
  canvas.Brush()->SetColor(arrowColor);
  canvas.Polygon(arrow);
}

void TUpDown::Paint() {
  PaintButton(TUDBtnType::btNext);
  PaintButton(TUDBtnType::btPrev);
}

void TUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && !IsDesigning()) {
    FPressed = ButtonRect(TUDBtnType::btNext).Contains({x, y}) ? TUDBtnType::btNext : TUDBtnType::btPrev;
    Invalidate();
    ButtonClicked(*FPressed);
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  FPressed.reset();
  Invalidate();
  TCustomControl::MouseUp(button, shift, x, y);
}

void TUpDown::KeyDown(Word& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (!FArrowKeys) return;
  const bool vertical = FOrientation == udVertical;
  if (key == (vertical ? VK_UP : VK_RIGHT))
    ButtonClicked(TUDBtnType::btNext), key = 0;
  else if (key == (vertical ? VK_DOWN : VK_LEFT))
    ButtonClicked(TUDBtnType::btPrev), key = 0;
}

}  // namespace kcl
