#pragma once
// Framework values on Qt widgets: background colours, fonts and cursors.
#include "kcl/system/colors.h"

class QWidget;

namespace kcl {

class TFont;

void ApplyColor(QWidget* widget, TColor color);
void ApplyFont(QWidget* widget, const TFont& font);
void ApplyCursor(QWidget* widget, TCursor cursor);

}  // namespace kcl
