#pragma once
// TFont: typeface, size, style and colour of text. Size (points) and Height
// (pixels; negative for the character height without internal leading) are two
// views of one value, converted through the font's PixelsPerInch.
#include <QColor>
#include <QFont>
#include <cstdint>
#include <string>

#include "kcl/classes/typeof.h"
#include "kcl/system/colors.h"
#include "kcl/graphics/graphicsobject.h"

namespace kcl {

using TFontCharset = uint8_t;

constexpr TFontCharset ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SYMBOL_CHARSET = 2, MAC_CHARSET = 77,
                       SHIFTJIS_CHARSET = 128, HANGEUL_CHARSET = 129, JOHAB_CHARSET = 130, GB2312_CHARSET = 134,
                       CHINESEBIG5_CHARSET = 136, GREEK_CHARSET = 161, TURKISH_CHARSET = 162,
                       HEBREW_CHARSET = 177, ARABIC_CHARSET = 178, BALTIC_CHARSET = 186, RUSSIAN_CHARSET = 204,
                       THAI_CHARSET = 222, EASTEUROPE_CHARSET = 238, OEM_CHARSET = 255;

// The "TFontCharset" integer type (0..255); its values stream as identifiers.
const TTypeInfo* TFontCharsetType();
bool CharsetToIdent(int32_t charset, std::string& ident);
bool IdentToCharset(std::string_view ident, int32_t& charset);

KCL_ENUM(TFontPitch, fpDefault, fpVariable, fpFixed)
KCL_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
KCL_SET(TFontStyles, TFontStyle)

class TFont;
// The height of a line of text in the font as Windows measures its cell: the
// character height plus the internal leading.
int TextCellHeight(const TFont& font);

class TFont : public TGraphicsObject {
  KCL_CLASS(TFont, TGraphicsObject)
public:
  // MS Sans Serif 8 points in clWindowText.
  TFont();
  void Assign(const TPersistent* source) override;

  TFontCharset Charset() const { return FCharset; }
  void SetCharset(TFontCharset value);
  // Fonts read from files of the framework's previous version have no Charset:
  // such a font writes none until its character set is set.
  bool CharsetStored() const { return FCharsetStored; }
  void PropertiesRead(const std::vector<std::string>& names) override;
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  int Height() const { return FHeight; }
  void SetHeight(int value);
  std::string Name() const { return FName; }
  // An empty name is ignored.
  void SetName(std::string value);
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch value);
  int Size() const;
  void SetSize(int value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles value);

  // Screen resolution used for Size; new fonts take ScreenPixelsPerInch.
  int PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int value);
  static int ScreenPixelsPerInch();
  static void SetScreenPixelsPerInch(int value);

  // The family as named, a pixel size from Height, weight, italic, underline and
  // strike-out.
  QFont ToQFont() const;
  QColor QtColor() const;

private:
  TFontCharset FCharset = DEFAULT_CHARSET;
  bool FCharsetStored = true;
  TColor FColor = clWindowText;
  int FHeight;
  std::string FName = "MS Sans Serif";
  TFontPitch FPitch = fpDefault;
  TFontStyles FStyle;
  int FPixelsPerInch;
};

}  // namespace kcl
