#include "kcl/components/bevelframe.h"

#include "kcl/graphics/pen.h"

namespace kcl {

void DrawBevelFrame(TCanvas& canvas, const TRect& rect, TColor topLeft, TColor bottomRight) {
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  canvas.Pen()->SetColor(topLeft);
  canvas.MoveTo(rect.Left, rect.Bottom - 1);
  canvas.LineTo(rect.Left, rect.Top);
  canvas.LineTo(rect.Right - 1, rect.Top);
  canvas.Pen()->SetColor(bottomRight);
  canvas.LineTo(rect.Right - 1, rect.Bottom - 1);
  canvas.LineTo(rect.Left - 1, rect.Bottom - 1);
}

}  // namespace kcl
