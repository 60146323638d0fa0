#include "kcl/dbctrls/dbdraw.h"

#include <QPainter>

#include "kcl/components/extctrls.h"
#include "kcl/graphics/ansitext.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/font.h"
#include "kcl/graphics/pen.h"
#include "kcl/graphics/qtcolor.h"

namespace kcl {

TRect DrawControlBorder(TCanvas& canvas, TRect rect, bool ctl3D) {
  if (ctl3D) {
    Frame3D(canvas, rect, clBtnShadow, clBtnHighlight, 1);
    Frame3D(canvas, rect, cl3DDkShadow, cl3DLight, 1);
  } else {
    Frame3D(canvas, rect, clWindowFrame, clWindowFrame, 1);
  }
  return rect;
}

void DrawCenteredText(TCanvas& canvas, const TRect& rect, TColor color, const TFont& font, const std::string& text) {
  canvas.Brush()->SetColor(color);
  canvas.Brush()->SetStyle(bsSolid);
  canvas.FillRect(rect);
  QPainter* painter = canvas.Painter();
  if (!painter || text.empty()) return;
  painter->save();
  painter->setFont(font.ToQFont());
  painter->setPen(ColorToQColor(font.Color()));
  painter->drawText(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), Qt::AlignCenter, AnsiToQString(text));
  painter->restore();
}

void DrawDropDownButton(TCanvas& canvas, TRect rect, bool enabled) {
  canvas.Brush()->SetColor(clBtnFace);
  canvas.Brush()->SetStyle(bsSolid);
  canvas.FillRect(rect);
  Frame3D(canvas, rect, clBtnHighlight, cl3DDkShadow, 1);
  const int cx = (rect.Left + rect.Right) / 2, cy = (rect.Top + rect.Bottom) / 2;
  const TPoint arrow[] = {{cx - 3, cy - 1}, {cx + 3, cy - 1}, {cx, cy + 2}};
  canvas.Brush()->SetColor(enabled ? clBtnText : clGrayText);
  canvas.Pen()->SetColor(enabled ? clBtnText : clGrayText);
  canvas.Polygon(arrow);
}

}  // namespace kcl
