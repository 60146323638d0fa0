#pragma once
// Framework values on Qt widgets: background colours, fonts and cursors.
#include "kcl/system/colors.h"

class QWidget;

namespace kcl {

class TFont;

void ApplyColor(QWidget* widget, TColor color);
void ApplyFont(QWidget* widget, const TFont& font);
// Both at once: what a new peer needs.
void ApplyFontAndColor(QWidget* widget, const TFont& font, TColor color);
void ApplyCursor(QWidget* widget, TCursor cursor);

}  // namespace kcl
