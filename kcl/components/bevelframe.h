#pragma once
// The two-colour frame Windows draws around sunken and raised areas.
#include "kcl/graphics/canvas.h"

namespace kcl {

// Draws a one-pixel frame just inside rect: topLeft on the top and left edges,
// bottomRight on the others.
void DrawBevelFrame(TCanvas& canvas, const TRect& rect, TColor topLeft, TColor bottomRight);

}  // namespace kcl
