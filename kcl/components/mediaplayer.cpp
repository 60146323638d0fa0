#include "kcl/components/mediaplayer.h"

#include "kcl/components/extctrls.h"
#include "kcl/classes/classbuilder.h"

namespace kcl {

namespace {

// The colour of each glyph on a coloured button.
constexpr TColor GlyphColors[] = {clGreen, clOlive, clRed, clNavy, clNavy, clNavy, clNavy, clRed, clTeal};

constexpr TMPBtnType AllButtonTypes[] = {btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject};

}  // namespace

const TTypeInfo* EMPNotifyType() {
  static const TTypeInfo* t = MakeMethodType(
      "EMPNotify", mkProcedure,
      {{0, "Sender", "TObject"}, {0, "Button", "TMPBtnType"}, {pfVar, "DoDefault", "Boolean"}});
  return t;
}

const TTypeInfo* EMPPostNotifyType() {
  static const TTypeInfo* t =
      MakeMethodType("EMPPostNotify", mkProcedure, {{0, "Sender", "TObject"}, {0, "Button", "TMPBtnType"}});
  return t;
}

KCL_CLASS_INFO(TMediaPlayer) {
  using T = TMediaPlayer;
  cls.property("ColoredButtons", &T::ColoredButtons, &T::SetColoredButtons).Default(T::AllButtons);
  cls.publish({"Enabled"});
  cls.property("EnabledButtons", &T::EnabledButtons, &T::SetEnabledButtons).Default(T::AllButtons);
  cls.property("VisibleButtons", &T::VisibleButtons, &T::SetVisibleButtons).Default(T::AllButtons);
  cls.property("AutoEnable", &T::AutoEnable, &T::SetAutoEnable).Default(true);
  cls.property("AutoOpen", &T::AutoOpen, &T::SetAutoOpen).Default(false);
  cls.property("AutoRewind", &T::AutoRewind, &T::SetAutoRewind).Default(true);
  cls.property("DeviceType", &T::DeviceType, &T::SetDeviceType).Default(dtAutoSelect);
  cls.property("Display", &T::Display, &T::SetDisplay);
  cls.property("FileName", &T::FileName, &T::SetFileName);
  cls.property("Shareable", &T::Shareable, &T::SetShareable).Default(false);
  cls.publish({"Visible", "ParentShowHint", "ShowHint", "PopupMenu", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.event("OnClick", &T::OnClick, EMPNotifyType());
  cls.publish({"OnEnter", "OnExit"});
  cls.event("OnPostClick", &T::OnPostClick, EMPPostNotifyType());
  cls.event("OnNotify", &T::OnNotify, TNotifyEventType());
}

TMediaPlayer::TMediaPlayer(TComponent* owner) : TCustomControl(owner) {
  FControlStyle = {csCaptureMouse, csOpaque};
  SetBounds(0, 0, 9 * ButtonWidth + 1, 30);
  SetTabStop(true);
}

int TMediaPlayer::VisibleCount() const {
  int count = 0;
  for (TMPBtnType b : AllButtonTypes) count += FVisibleButtons.Contains(b) ? 1 : 0;
  return count;
}

void TMediaPlayer::SetColoredButtons(TButtonSet v) {
  FColoredButtons = v;
  Invalidate();
}

void TMediaPlayer::SetEnabledButtons(TButtonSet v) {
  FEnabledButtons = v;
  Invalidate();
}

void TMediaPlayer::SetVisibleButtons(TButtonSet v) {
  FVisibleButtons = v;
  if (!IsLoading()) SetBounds(Left(), Top(), std::max(VisibleCount(), 1) * ButtonWidth + 1, Height());
  Invalidate();
}

void TMediaPlayer::SetAutoEnable(bool v) {
  FAutoEnable = v;
  Invalidate();
}

void TMediaPlayer::SetDisplay(TWinControl* v) {
  FDisplay = v;
  if (v) v->FreeNotification(this);
}

void TMediaPlayer::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == FDisplay) FDisplay = nullptr;
}

bool TMediaPlayer::ButtonEnabled(TMPBtnType button) const {
  if (!Enabled()) return false;
  if (FAutoEnable && !IsDesigning()) return false;  // no device is open
  return FEnabledButtons.Contains(button);
}

TRect TMediaPlayer::ButtonRect(TMPBtnType button) const {
  if (!FVisibleButtons.Contains(button)) return {};
  const int width = std::max(1, (Width() - 1) / std::max(VisibleCount(), 1));
  int index = 0;
  for (TMPBtnType b : AllButtonTypes) {
    if (b == button) break;
    index += FVisibleButtons.Contains(b) ? 1 : 0;
  }
  // Neighbours share their black edge.
  return Rect(index * width, 0, index * width + width + 1, Height());
}

int TMediaPlayer::ButtonAt(int x, int y) const {
  for (TMPBtnType b : AllButtonTypes) {
    const TRect r = ButtonRect(b);
    if (r.Width() > 0 && x >= r.Left && x < r.Right - 1 && y >= r.Top && y < r.Bottom) return b;
  }
  return -1;
}

void TMediaPlayer::ClickButton(TMPBtnType button) {
  bool doDefault = true;
  OnClick(this, button, doDefault);
  OnPostClick(this, button);
}

void TMediaPlayer::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  const int at = ButtonAt(x, y);
  if (button != mbLeft || at < 0 || !ButtonEnabled(static_cast<TMPBtnType>(at))) return;
  FPressed = at;
  Invalidate();
}

void TMediaPlayer::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (FPressed < 0) return;
  const int pressed = FPressed;
  FPressed = -1;
  Invalidate();
  if (ButtonAt(x, y) == pressed) ClickButton(static_cast<TMPBtnType>(pressed));
}

void TMediaPlayer::Paint() {
  TCanvas& canvas = *Canvas();
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(clBtnFace);
  canvas.FillRect(ClientRect());
  for (TMPBtnType b : AllButtonTypes) {
    TRect r = ButtonRect(b);
    if (r.Width() <= 0) continue;
    const bool down = FPressed == b;
    Frame3D(canvas, r, clWindowFrame, clWindowFrame, 1);
    Frame3D(canvas, r, down ? clBtnShadow : clBtnHighlight, down ? clBtnHighlight : clBtnShadow, 1);
    const bool enabled = ButtonEnabled(b);
    const TColor color = !enabled ? clBtnShadow : FColoredButtons.Contains(b) ? GlyphColors[b] : clBlack;
    if (down) r = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
    PaintGlyph(b, r, color);
  }
}

void TMediaPlayer::PaintGlyph(TMPBtnType button, const TRect& rect, TColor color) {
  TCanvas& canvas = *Canvas();
  canvas.Pen()->SetColor(color);
  canvas.Brush()->SetColor(color);
  const int size = std::max(4, std::min(rect.Width(), rect.Height()) / 3);
  const int cx = (rect.Left + rect.Right) / 2, cy = (rect.Top + rect.Bottom) / 2;
  const int left = cx - size / 2, top = cy - size / 2, right = left + size, bottom = top + size;
  const auto triangle = [&](int x1, int x2) {  // pointing from x1 towards x2
    const TPoint points[] = {{x1, top}, {x2, cy}, {x1, bottom}};
    canvas.Polygon(points);
  };
  const auto bar = [&](int x) { canvas.Rectangle(x, top, x + 2, bottom + 1); };
  switch (button) {
    case btPlay: triangle(left, right); break;
    case btPause: bar(left + 1), bar(right - 2); break;
    case btStop: canvas.Rectangle(left, top, right, bottom); break;
    case btNext: triangle(left, cx), triangle(cx, right - 2), bar(right - 2); break;
    case btPrev: bar(left), triangle(cx, left + 2), triangle(right, cx); break;
    case btStep: triangle(left, right - 3), bar(right - 2); break;
    case btBack: bar(left), triangle(right, left + 3); break;
    case btRecord: canvas.Ellipse(left, top, right, bottom); break;
    case btEject: {
      const TPoint points[] = {{left, cy}, {cx, top}, {right, cy}};
      canvas.Polygon(points);
      canvas.Rectangle(left, cy + 2, right + 1, bottom + 1);
      break;
    }
  }
}

}  // namespace kcl
