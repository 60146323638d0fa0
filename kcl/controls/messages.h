#pragma once
// Message records with the Windows codes and layouts that the framework's message
// handlers and the form designer see. Coordinates are in the receiving control's
// client area.
#include <cstdint>

namespace kcl {

enum : uint32_t {
  WM_NULL = 0x0000, WM_SETFOCUS = 0x0007, WM_KILLFOCUS = 0x0008, WM_PAINT = 0x000F, WM_CLOSE = 0x0010,
  WM_SETCURSOR = 0x0020, WM_KEYDOWN = 0x0100, WM_KEYUP = 0x0101, WM_CHAR = 0x0102, WM_SYSKEYDOWN = 0x0104,
  WM_SYSKEYUP = 0x0105, WM_SYSCHAR = 0x0106, WM_COMMAND = 0x0111, WM_MOUSEMOVE = 0x0200,
  WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202, WM_LBUTTONDBLCLK = 0x0203, WM_RBUTTONDOWN = 0x0204,
  WM_RBUTTONUP = 0x0205, WM_RBUTTONDBLCLK = 0x0206, WM_MBUTTONDOWN = 0x0207, WM_MBUTTONUP = 0x0208,
  WM_MBUTTONDBLCLK = 0x0209, WM_MOUSEWHEEL = 0x020A, WM_USER = 0x0400,
};

// Key state flags of mouse messages (MK_*).
enum : uint32_t { MK_LBUTTON = 0x0001, MK_RBUTTON = 0x0002, MK_SHIFT = 0x0004, MK_CONTROL = 0x0008, MK_MBUTTON = 0x0010 };

struct TMessage {
  uint32_t Msg = WM_NULL;
  uintptr_t WParam = 0;
  intptr_t LParam = 0;
  intptr_t Result = 0;
  // Set by a handler that has dealt with the message completely, so that the
  // control's Qt peer does not see it.
  bool Handled = false;
};

// Mouse messages: WParam holds the MK_* keys, LParam the client point (x low word,
// y high word, both signed 16-bit).
inline TMessage MouseMessage(uint32_t msg, uint32_t keys, int x, int y) {
  TMessage m;
  m.Msg = msg;
  m.WParam = keys;
  m.LParam = static_cast<intptr_t>(static_cast<uint32_t>(static_cast<uint16_t>(x)) |
                                   (static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16));
  return m;
}
inline int MouseX(const TMessage& m) { return static_cast<int16_t>(m.LParam & 0xFFFF); }
inline int MouseY(const TMessage& m) { return static_cast<int16_t>((m.LParam >> 16) & 0xFFFF); }

// Key messages: WParam holds the virtual key (CharCode), LParam the key data.
inline TMessage KeyMessage(uint32_t msg, uint16_t charCode, uint32_t keyData = 0) {
  TMessage m;
  m.Msg = msg;
  m.WParam = charCode;
  m.LParam = static_cast<intptr_t>(keyData);
  return m;
}
inline uint16_t CharCode(const TMessage& m) { return static_cast<uint16_t>(m.WParam); }

}  // namespace kcl
