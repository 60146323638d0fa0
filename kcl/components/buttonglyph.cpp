#include "kcl/components/buttonglyph.h"

#include <QFontMetrics>
#include <QPainter>

#include "kcl/components/stdtypes.h"
#include "kcl/graphics/ansitext.h"
#include "kcl/graphics/bitmap.h"
#include "kcl/graphics/font.h"
#include "kcl/graphics/qtcolor.h"

namespace kcl {

const TTypeInfo* TNumGlyphsType() {
  static const TTypeInfo* t = MakeOrdinalType(tkInteger, "TNumGlyphs", otUByte, 1, 4);
  return t;
}

QImage EmbossedImage(const QImage& image) {
  QImage result(image.width() + 1, image.height() + 1, QImage::Format_ARGB32);
  result.fill(Qt::transparent);
  const QRgb highlight = ColorToQRgb(clBtnHighlight), shadow = ColorToQRgb(clBtnShadow);
  for (int pass = 0; pass < 2; ++pass)
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        if (qAlpha(p) == 0 || qGray(p) > 192) continue;  // light parts vanish, as on Windows
        if (pass == 0) result.setPixel(x + 1, y + 1, highlight);
        else result.setPixel(x, y, shadow);
      }
  return result;
}

QImage GlyphImage(const TBitmap& glyph, int numGlyphs, TButtonState state) {
  if (glyph.Empty()) return {};
  numGlyphs = std::clamp(numGlyphs, 1, 4);
  const int width = glyph.Width() / numGlyphs;
  int index = static_cast<int>(state);
  const bool emboss = state == TButtonState::bsDisabled && index >= numGlyphs;
  if (index >= numGlyphs) index = 0;
  QImage part = glyph.Image().copy(index * width, 0, width, glyph.Height()).convertToFormat(QImage::Format_ARGB32);
  const QRgb transparent = glyph.Image().pixel(0, glyph.Height() - 1);
  for (int y = 0; y < part.height(); ++y)
    for (int x = 0; x < part.width(); ++x)
      if ((part.pixel(x, y) & 0xFFFFFF) == (transparent & 0xFFFFFF)) part.setPixel(x, y, 0);
  return emboss ? EmbossedImage(part) : part;
}

void DrawButtonContent(QPainter& painter, const TRect& client, TPoint offset, const TButtonContent& content,
                       const TFont& font, bool enabled) {
  const QFont qfont = font.ToQFont();
  const QString text = AnsiToQString(content.Caption);
  const QFontMetrics metrics(qfont);
  const TPoint textSize = text.isEmpty() ? TPoint{}
                                         : TPoint{metrics.size(Qt::TextShowMnemonic, text).width(),
                                                  TextCellHeight(font)};
  const TPoint glyphSize = content.Glyph.isNull() ? TPoint{}
                                                  : TPoint{content.Glyph.width(), content.Glyph.height()};
  const bool horizontal = content.Layout == blGlyphLeft || content.Layout == blGlyphRight;
  const int clientExtent = horizontal ? client.Width() : client.Height();
  const int glyphExtent = horizontal ? glyphSize.X : glyphSize.Y;
  const int textExtent = horizontal ? textSize.X : textSize.Y;
  int margin = content.Margin, spacing = content.Spacing;
  if (textExtent == 0 || glyphExtent == 0) spacing = 0;
  if (margin == -1) {
    if (spacing == -1) {
      margin = spacing = (clientExtent - glyphExtent - textExtent) / 3;
    } else {
      margin = (clientExtent - (glyphExtent + spacing + textExtent) + 1) / 2;
    }
  } else if (spacing == -1) {
    spacing = (clientExtent - (margin + glyphExtent) - textExtent) / 2;
  }
  TPoint glyphPos{(client.Width() - glyphSize.X + 1) / 2, (client.Height() - glyphSize.Y + 1) / 2};
  TPoint textPos{(client.Width() - textSize.X + 1) / 2, (client.Height() - textSize.Y + 1) / 2};
  switch (content.Layout) {
    case blGlyphLeft:
      glyphPos.X = margin;
      textPos.X = glyphPos.X + glyphSize.X + spacing;
      break;
    case blGlyphRight:
      glyphPos.X = client.Width() - margin - glyphSize.X;
      textPos.X = glyphPos.X - spacing - textSize.X;
      break;
    case blGlyphTop:
      glyphPos.Y = margin;
      textPos.Y = glyphPos.Y + glyphSize.Y + spacing;
      break;
    case blGlyphBottom:
      glyphPos.Y = client.Height() - margin - glyphSize.Y;
      textPos.Y = glyphPos.Y - spacing - textSize.Y;
      break;
  }
  const int dx = client.Left + offset.X, dy = client.Top + offset.Y;
  if (!content.Glyph.isNull()) painter.drawImage(glyphPos.X + dx, glyphPos.Y + dy, content.Glyph);
  if (text.isEmpty()) return;
  painter.save();
  painter.setFont(qfont);
  const QRect textRect(textPos.X + dx, textPos.Y + dy, textSize.X, textSize.Y);
  if (!enabled) {
    painter.setPen(ColorToQColor(clBtnHighlight));
    painter.drawText(textRect.translated(1, 1), Qt::TextShowMnemonic | Qt::AlignCenter, text);
    painter.setPen(ColorToQColor(clBtnShadow));
  } else {
    painter.setPen(ColorToQColor(font.Color()));
  }
  painter.drawText(textRect, Qt::TextShowMnemonic | Qt::AlignCenter, text);
  painter.restore();
}

}  // namespace kcl
