#pragma once
// The messages of the edit and rich-edit controls, with the Windows codes, and the
// records they point to.
#include <cstdint>

#include "kcl/controls/messages.h"

namespace kcl {

enum : uint32_t {
  EM_GETSEL = 0x00B0, EM_SETSEL = 0x00B1, EM_LINESCROLL = 0x00B6, EM_SCROLLCARET = 0x00B7,
  EM_GETMODIFY = 0x00B8, EM_SETMODIFY = 0x00B9, EM_GETLINECOUNT = 0x00BA, EM_LINEINDEX = 0x00BB,
  EM_LINELENGTH = 0x00C1, EM_REPLACESEL = 0x00C2, EM_CANUNDO = 0x00C6, EM_UNDO = 0x00C7,
  EM_LINEFROMCHAR = 0x00C9, EM_GETFIRSTVISIBLELINE = 0x00CE,
  EM_EXGETSEL = WM_USER + 52, EM_EXLINEFROMCHAR = WM_USER + 54, EM_EXSETSEL = WM_USER + 55,
  EM_FINDWORDBREAK = WM_USER + 76,
};

// EM_FINDWORDBREAK's operations and the flags of its WB_CLASSIFY answer.
enum : uint32_t {
  WB_LEFT = 0, WB_RIGHT = 1, WB_ISDELIMITER = 2, WB_CLASSIFY = 3, WB_MOVEWORDLEFT = 4, WB_MOVEWORDRIGHT = 5,
  WB_LEFTBREAK = 6, WB_RIGHTBREAK = 7,
};
enum : uint32_t { WBF_ISWHITE = 0x10, WBF_BREAKLINE = 0x20 };

// EM_EXGETSEL / EM_EXSETSEL: a character range, cpMax -1 meaning the end.
struct TCharRange {
  int32_t cpMin = 0;
  int32_t cpMax = 0;
};

}  // namespace kcl
