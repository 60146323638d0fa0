#pragma once
// TPen: colour, width, line style and raster mode of lines and outlines.
#include <QPen>

#include "kcl/classes/typeof.h"
#include "kcl/system/colors.h"
#include "kcl/graphics/graphicsobject.h"

namespace kcl {

KCL_ENUM(TPenMode, pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot, pmMergeNotPen,
         pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor)
KCL_ENUM(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame)

class TPen : public TGraphicsObject {
  KCL_CLASS(TPen, TGraphicsObject)
public:
  void Assign(const TPersistent* source) override;

  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode value);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle value);
  int Width() const { return FWidth; }
  // Negative widths are ignored; 0 draws as 1.
  void SetWidth(int value);

  // The pen as Qt draws it: flat caps, so that a line leaves out its last pixel
  // as Windows does; widths up to 1 are cosmetic. The colour is the pen's own,
  // before the mode applies (see TCanvas).
  QPen ToQPen() const;

private:
  TColor FColor = clBlack;
  TPenMode FMode = pmCopy;
  TPenStyle FStyle = psSolid;
  int FWidth = 1;
};

}  // namespace kcl
