#include "kcl/controls/qtconvert.h"

#include <QCursor>
#include <QPalette>
#include <QWidget>

#include "kcl/graphics/font.h"
#include "kcl/graphics/qtcolor.h"

namespace kcl {

namespace {

// Setting a widget's palette or font costs an event to it and every widget
// inside it; a value the widget already holds as its own is not set again.
void SetOwnPalette(QWidget* widget, const QPalette& palette) {
  if (!widget->testAttribute(Qt::WA_SetPalette) || widget->palette() != palette) widget->setPalette(palette);
}

void SetTextColors(QPalette& palette, TColor color) {
  const QColor text = ColorToQColor(color);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::ButtonText, text);
}

void SetBackgroundColors(QPalette& palette, TColor color) {
  const QColor background = ColorToQColor(color);
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::Base, background);
}

void SetOwnFont(QWidget* widget, const TFont& font) {
  const QFont qfont = font.ToQFont();
  if (!widget->testAttribute(Qt::WA_SetFont) || widget->font() != qfont) widget->setFont(qfont);
}

}  // namespace

void ApplyColor(QWidget* widget, TColor color) {
  QPalette palette = widget->palette();
  SetBackgroundColors(palette, color);
  SetOwnPalette(widget, palette);
  widget->setAutoFillBackground(true);
}

void ApplyFont(QWidget* widget, const TFont& font) {
  SetOwnFont(widget, font);
  QPalette palette = widget->palette();
  SetTextColors(palette, font.Color());
  SetOwnPalette(widget, palette);
}

void ApplyFontAndColor(QWidget* widget, const TFont& font, TColor color) {
  SetOwnFont(widget, font);
  QPalette palette = widget->palette();
  SetTextColors(palette, font.Color());
  SetBackgroundColors(palette, color);
  SetOwnPalette(widget, palette);
  widget->setAutoFillBackground(true);
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
