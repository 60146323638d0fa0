#include "kcl/graphics/brush.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/bitmap.h"
#include "kcl/graphics/qtcolor.h"

namespace kcl {

KCL_CLASS_INFO(TBrush) {
  cls.property("Color", &TBrush::Color, &TBrush::SetColor, TColorType()).Default(clWhite);
  cls.property("Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid);
}

TBrush::TBrush() = default;
TBrush::~TBrush() = default;

void TBrush::Assign(const TPersistent* source) {
  const auto* brush = dynamic_cast<const TBrush*>(source);
  if (!brush) return TGraphicsObject::Assign(source);
  FColor = brush->FColor;
  FStyle = brush->FStyle;
  CopyBitmap(brush->Bitmap());
  Changed();
}

void TBrush::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

void TBrush::SetBitmap(const TBitmap* value) {
  if (!value && !FBitmap) return;
  CopyBitmap(value);
  Changed();
}

void TBrush::CopyBitmap(const TBitmap* value) {
  if (!value) {
    FBitmap.reset();
    return;
  }
  if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
  FBitmap->Assign(value);
}

QBrush TBrush::ToQBrush() const {
  if (FBitmap && !FBitmap->Empty()) return QBrush(FBitmap->Image());
  const QColor color = ColorToQColor(FColor);
  switch (FStyle) {
    case bsClear: return QBrush(Qt::NoBrush);
    case bsHorizontal: return QBrush(color, Qt::HorPattern);
    case bsVertical: return QBrush(color, Qt::VerPattern);
    case bsFDiagonal: return QBrush(color, Qt::FDiagPattern);
    case bsBDiagonal: return QBrush(color, Qt::BDiagPattern);
    case bsCross: return QBrush(color, Qt::CrossPattern);
    case bsDiagCross: return QBrush(color, Qt::DiagCrossPattern);
    default: return QBrush(color);
  }
}

}  // namespace kcl
