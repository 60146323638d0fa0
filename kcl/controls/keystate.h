#pragma once
// GetKeyState: whether a key or mouse button is down now, as the system knows it,
// rather than as the message being handled recorded it.
#include <cstdint>

namespace kcl {

// The high bit (0x8000) is set while the key is down. Known: VK_SHIFT,
// VK_CONTROL, VK_MENU and the mouse buttons VK_LBUTTON, VK_RBUTTON, VK_MBUTTON;
// any other key reads as up.
int16_t GetKeyState(int virtKey);

}  // namespace kcl
