#pragma once
// How TSpeedButton and TBitBtn lay out and draw their glyph and caption, as
// Windows buttons do: Margin from the edge (-1 centres), Spacing between glyph
// and text (-1 spreads them evenly).
#include <QImage>
#include <string>

#include "kcl/classes/typeof.h"
#include "kcl/rtl/types.h"

class QPainter;

namespace kcl {

class TBitmap;
class TFont;

KCL_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)
enum class TButtonState : int { bsUp, bsDisabled, bsDown, bsExclusive };

// "TNumGlyphs", 1..4.
const TTypeInfo* TNumGlyphsType();

// The part of glyph that shows state (up, disabled, down, exclusive; the first
// when glyph has fewer), its bottom-left colour made transparent. A disabled
// button without a disabled image gets the first one embossed.
QImage GlyphImage(const TBitmap& glyph, int numGlyphs, TButtonState state);

// The image as a disabled button shows it: dark parts etched, light ones gone.
QImage EmbossedImage(const QImage& image);

struct TButtonContent {
  QImage Glyph;
  std::string Caption;
  TButtonLayout Layout = blGlyphLeft;
  int Margin = -1;
  int Spacing = 4;
};

// Draws content inside client, moved by offset (a pressed button's 1, 1).
void DrawButtonContent(QPainter& painter, const TRect& client, TPoint offset, const TButtonContent& content,
                       const TFont& font, bool enabled);

}  // namespace kcl
