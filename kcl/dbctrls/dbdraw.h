#pragma once
// Drawing shared by the data controls the framework paints.
#include <string>

#include "kcl/controls/customcontrol.h"

namespace kcl {

// The single border of a windowed control: sunken in 3D, else a line; returns
// what is inside it.
TRect DrawControlBorder(TCanvas& canvas, TRect rect, bool ctl3D);
// Fills rect with color and writes text in the middle in the control's font.
void DrawCenteredText(TCanvas& canvas, const TRect& rect, TColor color, const TFont& font, const std::string& text);
// A combo box's drop-down button: a raised face with a small arrow, grey when disabled.
void DrawDropDownButton(TCanvas& canvas, TRect rect, bool enabled);

}  // namespace kcl
