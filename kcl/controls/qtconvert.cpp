#include "kcl/controls/qtconvert.h"

#include <QCursor>
#include <QPalette>
#include <QWidget>

#include "kcl/graphics/font.h"
#include "kcl/graphics/qtcolor.h"

namespace kcl {

void ApplyColor(QWidget* widget, TColor color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, ColorToQColor(color));
  palette.setColor(QPalette::Base, ColorToQColor(color));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void ApplyFont(QWidget* widget, const TFont& font) {
  widget->setFont(font.ToQFont());
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, ColorToQColor(font.Color()));
  palette.setColor(QPalette::Text, ColorToQColor(font.Color()));
  palette.setColor(QPalette::ButtonText, ColorToQColor(font.Color()));
  widget->setPalette(palette);
}

void ApplyCursor(QWidget* widget, TCursor cursor) {
  Qt::CursorShape shape = Qt::ArrowCursor;
  switch (cursor) {
    case crNone: shape = Qt::BlankCursor; break;
    case crCross: shape = Qt::CrossCursor; break;
    case crIBeam: shape = Qt::IBeamCursor; break;
    case crSize: shape = Qt::SizeAllCursor; break;
    case crSizeNESW: shape = Qt::SizeBDiagCursor; break;
    case crSizeNS: shape = Qt::SizeVerCursor; break;
    case crSizeNWSE: shape = Qt::SizeFDiagCursor; break;
    case crSizeWE: shape = Qt::SizeHorCursor; break;
    case crUpArrow: shape = Qt::UpArrowCursor; break;
    case crHourGlass: case crSQLWait: shape = Qt::WaitCursor; break;
    case crDrag: case crMultiDrag: shape = Qt::DragCopyCursor; break;
    case crNoDrop: case crNo: shape = Qt::ForbiddenCursor; break;
    case crHSplit: shape = Qt::SplitHCursor; break;
    case crVSplit: shape = Qt::SplitVCursor; break;
    case crAppStart: shape = Qt::BusyCursor; break;
    case crHelp: shape = Qt::WhatsThisCursor; break;
    case crHandPoint: shape = Qt::PointingHandCursor; break;
    default: break;
  }
  widget->setCursor(QCursor(shape));
}

}  // namespace kcl
