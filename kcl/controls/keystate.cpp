#include "kcl/controls/keystate.h"

#include <QGuiApplication>

#include "kcl/controls/keys.h"

namespace kcl {

namespace {
constexpr int VK_LBUTTON = 1, VK_RBUTTON = 2, VK_MBUTTON = 4;
constexpr int16_t Down = static_cast<int16_t>(0x8000);
}  // namespace

int16_t GetKeyState(int virtKey) {
  const Qt::KeyboardModifiers keys = QGuiApplication::queryKeyboardModifiers();
  const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
  bool down = false;
  switch (virtKey) {
    case VK_SHIFT: down = keys & Qt::ShiftModifier; break;
    case VK_CONTROL: down = keys & Qt::ControlModifier; break;
    case VK_MENU: down = keys & Qt::AltModifier; break;
    case VK_LBUTTON: down = buttons & Qt::LeftButton; break;
    case VK_RBUTTON: down = buttons & Qt::RightButton; break;
    case VK_MBUTTON: down = buttons & Qt::MiddleButton; break;
    default: break;
  }
  return down ? Down : 0;
}

}  // namespace kcl
