#pragma once
// System colours: a colour value with the high bit set names an entry of the
// platform's colour scheme by its index in the low byte, as clWindowText does.
#include <cstdint>

namespace kcl {

// The classic Windows scheme's colour for COLOR_SCROLLBAR (0) .. COLOR_INFOBK (24)
// in the byte order $00BBGGRR; black for any other index.
int32_t SysColorToRGB(int index);

// A system colour (negative value) resolved to its RGB value; any other value
// with its high byte cleared.
int32_t ColorToRGB(int32_t color);

}  // namespace kcl
