#pragma once
// The frames of the common animations, drawn by the framework: a magnifier that
// sweeps over a folder, a file or a computer; a sheet that flies from folder to
// folder; a sheet that drops into the recycle bin or vanishes.
#include "kcl/components/animate.h"
#include "kcl/graphics/canvas.h"

namespace kcl {

struct TAviFormat {
  int FrameCount = 0;
  int Width = 0;
  int Height = 0;
};

// The frame count and size of a common animation; all zero for aviNone.
TAviFormat CommonAviFormat(TCommonAVI avi);
// Draws frame (1-based) with its top-left corner at origin.
void DrawCommonAviFrame(TCanvas& canvas, TCommonAVI avi, int frame, TPoint origin);

}  // namespace kcl
