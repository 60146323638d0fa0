#pragma once
// TColor ($00BBGGRR or a system colour) to Qt's colours and back.
#include <QColor>

#include "kcl/system/colors.h"

namespace kcl {

// System colours resolve through the current scheme; the result is opaque.
QRgb ColorToQRgb(TColor color);
QColor ColorToQColor(TColor color);
TColor QRgbToColor(QRgb rgb);

}  // namespace kcl
