#include "kcl/graphics/pen.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/qtcolor.h"

namespace kcl {

KCL_CLASS_INFO(TPen) {
  cls.property("Color", &TPen::Color, &TPen::SetColor, TColorType()).Default(clBlack);
  cls.property("Mode", &TPen::Mode, &TPen::SetMode).Default(pmCopy);
  cls.property("Style", &TPen::Style, &TPen::SetStyle).Default(psSolid);
  cls.property("Width", &TPen::Width, &TPen::SetWidth).Default(1);
}

void TPen::Assign(const TPersistent* source) {
  const auto* pen = dynamic_cast<const TPen*>(source);
  if (!pen) return TGraphicsObject::Assign(source);
  FColor = pen->FColor;
  FMode = pen->FMode;
  FStyle = pen->FStyle;
  FWidth = pen->FWidth;
  Changed();
}

void TPen::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  Changed();
}

void TPen::SetMode(TPenMode value) {
  if (value == FMode) return;
  FMode = value;
  Changed();
}

void TPen::SetStyle(TPenStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

void TPen::SetWidth(int value) {
  if (value < 0 || value == FWidth) return;
  FWidth = value;
  Changed();
}

QPen TPen::ToQPen() const {
  if (FStyle == psClear) return QPen(Qt::NoPen);
  QPen pen(ColorToQColor(FColor), FWidth <= 1 ? 0 : FWidth);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  // The dash lengths of the Windows cosmetic pens, in pen widths.
  switch (FStyle) {
    case psDash: pen.setDashPattern({18, 6}); break;
    case psDot: pen.setDashPattern({3, 3}); break;
    case psDashDot: pen.setDashPattern({9, 6, 3, 6}); break;
    case psDashDotDot: pen.setDashPattern({9, 3, 3, 3, 3, 3}); break;
    default: break;
  }
  return pen;
}

}  // namespace kcl
