#include "kcl/system/syscolors.h"

#include <array>
#include <cstddef>

namespace kcl {

namespace {

constexpr int32_t Black = 0x000000;
constexpr int32_t White = 0xFFFFFF;
constexpr int32_t Silver = 0xC0C0C0;
constexpr int32_t Gray = 0x808080;
constexpr int32_t Navy = 0x800000;
constexpr int32_t Teal = 0x808000;

constexpr std::array<int32_t, 25> ClassicScheme = {
    Silver,    // COLOR_SCROLLBAR
    Teal,      // COLOR_BACKGROUND
    Navy,      // COLOR_ACTIVECAPTION
    Gray,      // COLOR_INACTIVECAPTION
    Silver,    // COLOR_MENU
    White,     // COLOR_WINDOW
    Black,     // COLOR_WINDOWFRAME
    Black,     // COLOR_MENUTEXT
    Black,     // COLOR_WINDOWTEXT
    White,     // COLOR_CAPTIONTEXT
    Silver,    // COLOR_ACTIVEBORDER
    Silver,    // COLOR_INACTIVEBORDER
    Gray,      // COLOR_APPWORKSPACE
    Navy,      // COLOR_HIGHLIGHT
    White,     // COLOR_HIGHLIGHTTEXT
    Silver,    // COLOR_BTNFACE
    Gray,      // COLOR_BTNSHADOW
    Gray,      // COLOR_GRAYTEXT
    Black,     // COLOR_BTNTEXT
    Silver,    // COLOR_INACTIVECAPTIONTEXT
    White,     // COLOR_BTNHIGHLIGHT
    Black,     // COLOR_3DDKSHADOW
    Silver,    // COLOR_3DLIGHT
    Black,     // COLOR_INFOTEXT
    0xE1FFFF,  // COLOR_INFOBK
};

}  // namespace

int32_t SysColorToRGB(int index) {
  if (index < 0 || index >= static_cast<int>(ClassicScheme.size())) return Black;
  return ClassicScheme[static_cast<std::size_t>(index)];
}

int32_t ColorToRGB(int32_t color) {
  if (color < 0) return SysColorToRGB(color & 0xFF);
  return color & 0xFFFFFF;
}

}  // namespace kcl
