#include "kcl/graphics/font.h"

#include <algorithm>
#include <atomic>
#include <cmath>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/intconsts.h"
#include "kcl/graphics/ansitext.h"
#include "kcl/graphics/muldiv.h"
#include "kcl/graphics/qtcolor.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

struct CharsetName {
  TFontCharset Value;
  const char* Name;
};

constexpr CharsetName Charsets[] = {
    {ANSI_CHARSET, "ANSI_CHARSET"},       {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
    {SYMBOL_CHARSET, "SYMBOL_CHARSET"},   {MAC_CHARSET, "MAC_CHARSET"},
    {SHIFTJIS_CHARSET, "SHIFTJIS_CHARSET"}, {HANGEUL_CHARSET, "HANGEUL_CHARSET"},
    {JOHAB_CHARSET, "JOHAB_CHARSET"},     {GB2312_CHARSET, "GB2312_CHARSET"},
    {CHINESEBIG5_CHARSET, "CHINESEBIG5_CHARSET"}, {GREEK_CHARSET, "GREEK_CHARSET"},
    {TURKISH_CHARSET, "TURKISH_CHARSET"}, {HEBREW_CHARSET, "HEBREW_CHARSET"},
    {ARABIC_CHARSET, "ARABIC_CHARSET"},   {BALTIC_CHARSET, "BALTIC_CHARSET"},
    {RUSSIAN_CHARSET, "RUSSIAN_CHARSET"}, {THAI_CHARSET, "THAI_CHARSET"},
    {EASTEUROPE_CHARSET, "EASTEUROPE_CHARSET"}, {OEM_CHARSET, "OEM_CHARSET"},
};

constexpr int DefaultPixelsPerInch = 96;
std::atomic<int> ScreenPPI{DefaultPixelsPerInch};

}  // namespace

bool CharsetToIdent(int32_t charset, std::string& ident) {
  for (const auto& c : Charsets)
    if (c.Value == charset) return ident = c.Name, true;
  return false;
}

bool IdentToCharset(std::string_view ident, int32_t& charset) {
  for (const auto& c : Charsets)
    if (SameText(c.Name, ident)) return charset = c.Value, true;
  return false;
}

const TTypeInfo* TFontCharsetType() {
  static const TTypeInfo* type = [] {
    const TTypeInfo* t = MakeOrdinalType(tkInteger, "TFontCharset", otUByte, 0, 255);
    RegisterIntegerConsts(t, IdentToCharset, CharsetToIdent);
    return t;
  }();
  return type;
}

KCL_CLASS_INFO(TFont) {
  cls.property("Charset", &TFont::Charset, &TFont::SetCharset, TFontCharsetType()).Stored(&TFont::CharsetStored);
  cls.property("Color", &TFont::Color, &TFont::SetColor, TColorType());
  cls.property("Height", &TFont::Height, &TFont::SetHeight);
  cls.property("Name", &TFont::Name, &TFont::SetName, MakeStringType(tkLString, "TFontName"));
  cls.property("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault);
  cls.property("Size", &TFont::Size, &TFont::SetSize).Stored(false);
  cls.property("Style", &TFont::Style, &TFont::SetStyle);
}

TFont::TFont() : FPixelsPerInch(ScreenPixelsPerInch()) { FHeight = -MulDiv(8, FPixelsPerInch, 72); }

int TextCellHeight(const TFont& font) {
  const int h = font.Height();
  return h < 0 ? static_cast<int>(std::lround(-h * 1.2)) : h;
}

void TFont::Assign(const TPersistent* source) {
  const auto* font = dynamic_cast<const TFont*>(source);
  if (!font) return TGraphicsObject::Assign(source);
  FCharset = font->FCharset;
  FCharsetStored = font->FCharsetStored;
  FColor = font->FColor;
  // Across resolutions the point size is what stays.
  FHeight = font->FPixelsPerInch == FPixelsPerInch ? font->FHeight : -MulDiv(font->Size(), FPixelsPerInch, 72);
  FName = font->FName;
  FPitch = font->FPitch;
  FStyle = font->FStyle;
  Changed();
}

void TFont::SetCharset(TFontCharset value) {
  FCharsetStored = true;
  if (value == FCharset) return;
  FCharset = value;
  Changed();
}

void TFont::PropertiesRead(const std::vector<std::string>& names) {
  FCharsetStored = std::find(names.begin(), names.end(), "Charset") != names.end();
}

void TFont::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  Changed();
}

void TFont::SetHeight(int value) {
  if (value == FHeight) return;
  FHeight = value;
  Changed();
}

void TFont::SetName(std::string value) {
  if (value.empty() || value == FName) return;
  FName = std::move(value);
  Changed();
}

void TFont::SetPitch(TFontPitch value) {
  if (value == FPitch) return;
  FPitch = value;
  Changed();
}

int TFont::Size() const { return -MulDiv(FHeight, 72, FPixelsPerInch); }

void TFont::SetSize(int value) { SetHeight(-MulDiv(value, FPixelsPerInch, 72)); }

void TFont::SetStyle(TFontStyles value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

void TFont::SetPixelsPerInch(int value) {
  if (value > 0) FPixelsPerInch = value;
}

int TFont::ScreenPixelsPerInch() { return ScreenPPI.load(); }

void TFont::SetScreenPixelsPerInch(int value) {
  if (value > 0) ScreenPPI.store(value);
}

QFont TFont::ToQFont() const {
  QFont font(AnsiToQString(FName));
  // A positive height is the whole cell; Qt has no such measure, so it serves as
  // the pixel size too. Zero asks for the default size.
  int pixels = FHeight < 0 ? -FHeight : FHeight;
  if (pixels == 0) pixels = MulDiv(8, FPixelsPerInch, 72);
  font.setPixelSize(pixels);
  font.setWeight(FStyle.Contains(fsBold) ? QFont::Bold : QFont::Normal);
  font.setItalic(FStyle.Contains(fsItalic));
  font.setUnderline(FStyle.Contains(fsUnderline));
  font.setStrikeOut(FStyle.Contains(fsStrikeOut));
  if (FPitch == fpFixed) font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(FPitch == fpFixed);
  return font;
}

QColor TFont::QtColor() const { return ColorToQColor(FColor); }

}  // namespace kcl
