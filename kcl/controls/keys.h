#pragma once
// Virtual key codes, and their translation from and to Qt's keys.
#include <cstdint>

#include "kcl/controls/controltypes.h"

namespace kcl {

enum : uint16_t {
  VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17, VK_MENU = 18, VK_PAUSE = 19,
  VK_CAPITAL = 20, VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35, VK_HOME = 36,
  VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_INSERT = 45, VK_DELETE = 46, VK_F1 = 112,
  VK_F12 = 123,
};

// 0 when the Qt key has no virtual key.
uint16_t VirtualKeyFromQt(int qtKey);
int QtKeyFromVirtualKey(uint16_t virtualKey);
// The shift state of Qt keyboard modifiers and mouse buttons (Qt::KeyboardModifiers,
// Qt::MouseButtons as integers).
TShiftState ShiftStateFromQt(int modifiers, int buttons);
int QtModifiersFromShiftState(TShiftState shift);

}  // namespace kcl

namespace kcl {
// The keyboard modifiers held now.
TShiftState KeyboardShiftState();
}  // namespace kcl
