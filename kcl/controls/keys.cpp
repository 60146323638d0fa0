#include "kcl/controls/keys.h"

#include <Qt>
#include <iterator>

namespace kcl {

namespace {

struct KeyPair {
  int Qt;
  uint16_t Vk;
};

constexpr KeyPair Keys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},         {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},  {Qt::Key_Enter, VK_RETURN},    {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},       {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},   {Qt::Key_PageDown, VK_NEXT},   {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},      {Qt::Key_Left, VK_LEFT},       {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},    {Qt::Key_Down, VK_DOWN},       {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},
};

}  // namespace

uint16_t VirtualKeyFromQt(int qtKey) {
  if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
    return static_cast<uint16_t>(qtKey);  // Qt's codes for digits and letters are the ASCII ones
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return static_cast<uint16_t>(VK_F1 + (qtKey - Qt::Key_F1));
  for (const auto& k : Keys)
    if (k.Qt == qtKey) return k.Vk;
  return 0;
}

int QtKeyFromVirtualKey(uint16_t vk) {
  if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return vk;
  if (vk >= VK_F1 && vk <= VK_F12) return Qt::Key_F1 + (vk - VK_F1);
  for (const auto& k : Keys)
    if (k.Vk == vk) return k.Qt;
  return Qt::Key_unknown;
}

TShiftState ShiftStateFromQt(int modifiers, int buttons) {
  TShiftState s;
  if (modifiers & Qt::ShiftModifier) s.Include(ssShift);
  if (modifiers & Qt::AltModifier) s.Include(ssAlt);
  if (modifiers & Qt::ControlModifier) s.Include(ssCtrl);
  if (buttons & Qt::LeftButton) s.Include(ssLeft);
  if (buttons & Qt::RightButton) s.Include(ssRight);
  if (buttons & Qt::MiddleButton) s.Include(ssMiddle);
  return s;
}

int QtModifiersFromShiftState(TShiftState shift) {
  int m = Qt::NoModifier;
  if (shift.Contains(ssShift)) m |= Qt::ShiftModifier;
  if (shift.Contains(ssAlt)) m |= Qt::AltModifier;
  if (shift.Contains(ssCtrl)) m |= Qt::ControlModifier;
  return m;
}

}  // namespace kcl

#include <QGuiApplication>

namespace kcl {

TShiftState KeyboardShiftState() { return ShiftStateFromQt(QGuiApplication::keyboardModifiers(), 0); }

}  // namespace kcl
