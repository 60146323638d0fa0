#pragma once
// TBrush: how areas are filled: a colour with a hatch style, or a bitmap pattern.
#include <QBrush>
#include <memory>

#include "kcl/classes/typeof.h"
#include "kcl/system/colors.h"
#include "kcl/graphics/graphicsobject.h"

namespace kcl {

class TBitmap;

KCL_ENUM(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross)

class TBrush : public TGraphicsObject {
  KCL_CLASS(TBrush, TGraphicsObject)
public:
  TBrush();
  ~TBrush() override;
  void Assign(const TPersistent* source) override;

  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle value);
  // The pattern that fills instead of colour and style while it is set. The brush
  // keeps its own copy, so the caller's bitmap may go at any time.
  TBitmap* Bitmap() const { return FBitmap.get(); }
  void SetBitmap(const TBitmap* value);

  // Hatch lines in the brush colour over what is already there.
  QBrush ToQBrush() const;

private:
  void CopyBitmap(const TBitmap* value);

  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  std::unique_ptr<TBitmap> FBitmap;
};

}  // namespace kcl
