#include "kcl/graphics/qtcolor.h"

#include "kcl/system/syscolors.h"

namespace kcl {

QRgb ColorToQRgb(TColor color) {
  const int32_t rgb = ColorToRGB(color);
  return qRgb(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

QColor ColorToQColor(TColor color) { return QColor(ColorToQRgb(color)); }

TColor QRgbToColor(QRgb rgb) {
  return static_cast<TColor>(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
}

}  // namespace kcl
