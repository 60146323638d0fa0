#include "kcl/components/textattributes.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <cmath>

#include "kcl/classes/classbuilder.h"
#include "kcl/components/richedit.h"
#include "kcl/components/richformat.h"
#include "kcl/graphics/muldiv.h"
#include "kcl/graphics/qtcolor.h"
#include "kcl/desktop/cp1252.h"

namespace kcl {

KCL_CLASS_INFO(TTextAttributes) {}

TFont& TTextAttributes::DefaultFont() const { return *FRichEdit->Font(); }

QTextCharFormat TTextAttributes::Format() const {
  return FType == TAttributeType::Selected ? FRichEdit->SelectionCharFormat() : QTextCharFormat();
}

void TTextAttributes::Apply(const QTextCharFormat& change) { FRichEdit->MergeSelectionCharFormat(change); }

TColor TTextAttributes::Color() const {
  const QTextCharFormat format = Format();
  return format.hasProperty(QTextFormat::ForegroundBrush) ? QRgbToColor(format.foreground().color().rgb())
                                                          : DefaultFont().Color();
}

void TTextAttributes::SetColor(TColor value) {
  if (FType == TAttributeType::DefaultText) return DefaultFont().SetColor(value);
  QTextCharFormat change;
  change.setForeground(ColorToQColor(value));
  Apply(change);
}

std::string TTextAttributes::Name() const {
  const QStringList families = Format().fontFamilies().toStringList();
  return families.isEmpty() ? DefaultFont().Name() : cp1252::Encode(families.first());
}

void TTextAttributes::SetName(const std::string& value) {
  if (FType == TAttributeType::DefaultText) return DefaultFont().SetName(value);
  if (value.empty()) return;
  QTextCharFormat change;
  change.setFontFamilies(QStringList{cp1252::Decode(value)});
  Apply(change);
}

int TTextAttributes::Size() const {
  const QTextCharFormat format = Format();
  if (format.hasProperty(QTextFormat::FontPointSize)) return static_cast<int>(std::lround(format.fontPointSize()));
  return DefaultFont().Size();
}

void TTextAttributes::SetSize(int value) {
  if (FType == TAttributeType::DefaultText) return DefaultFont().SetSize(value);
  if (value <= 0) return;
  QTextCharFormat change;
  change.setFontPointSize(std::min(value, 1638));
  Apply(change);
}

int TTextAttributes::Height() const { return MulDiv(Size(), TFont::ScreenPixelsPerInch(), 72); }

void TTextAttributes::SetHeight(int value) { SetSize(MulDiv(value, 72, TFont::ScreenPixelsPerInch())); }

TFontStyles TTextAttributes::Style() const {
  if (FType == TAttributeType::DefaultText) return DefaultFont().Style();
  const QTextCharFormat format = Format();
  const TFontStyles base = DefaultFont().Style();
  auto styled = [&](int property, bool value, TFontStyle style) {
    return format.hasProperty(property) ? value : base.Contains(style);
  };
  TFontStyles styles;
  if (styled(QTextFormat::FontWeight, format.fontWeight() >= QFont::Bold, fsBold)) styles.Include(fsBold);
  if (styled(QTextFormat::FontItalic, format.fontItalic(), fsItalic)) styles.Include(fsItalic);
  if (styled(QTextFormat::TextUnderlineStyle, format.fontUnderline(), fsUnderline)) styles.Include(fsUnderline);
  if (styled(QTextFormat::FontStrikeOut, format.fontStrikeOut(), fsStrikeOut)) styles.Include(fsStrikeOut);
  return styles;
}

void TTextAttributes::SetStyle(TFontStyles value) {
  if (FType == TAttributeType::DefaultText) return DefaultFont().SetStyle(value);
  QTextCharFormat change;
  change.setFontWeight(value.Contains(fsBold) ? QFont::Bold : QFont::Normal);
  change.setFontItalic(value.Contains(fsItalic));
  change.setFontUnderline(value.Contains(fsUnderline));
  change.setFontStrikeOut(value.Contains(fsStrikeOut));
  Apply(change);
}

TFontPitch TTextAttributes::Pitch() const {
  const QTextCharFormat format = Format();
  if (!format.hasProperty(QTextFormat::FontFixedPitch)) return DefaultFont().Pitch();
  return format.fontFixedPitch() ? fpFixed : fpVariable;
}

void TTextAttributes::SetPitch(TFontPitch value) {
  if (FType == TAttributeType::DefaultText) return DefaultFont().SetPitch(value);
  QTextCharFormat change;
  if (value == fpDefault)
    change.setFontStyleHint(QFont::AnyStyle);
  else
    change.setFontFixedPitch(value == fpFixed);
  Apply(change);
}

TFontCharset TTextAttributes::Charset() const {
  const QTextCharFormat format = Format();
  if (!format.hasProperty(CharsetFormatProperty)) return DefaultFont().Charset();
  return static_cast<TFontCharset>(format.intProperty(CharsetFormatProperty));
}

void TTextAttributes::SetCharset(TFontCharset value) {
  if (FType == TAttributeType::DefaultText) return DefaultFont().SetCharset(value);
  QTextCharFormat change;
  change.setProperty(CharsetFormatProperty, static_cast<int>(value));
  Apply(change);
}

bool TTextAttributes::Protected() const { return Format().boolProperty(ProtectedFormatProperty); }

void TTextAttributes::SetProtected(bool value) {
  if (FType == TAttributeType::DefaultText) return;
  QTextCharFormat change;
  change.setProperty(ProtectedFormatProperty, value);
  Apply(change);
}

TConsistentAttributes TTextAttributes::ConsistentAttributes() const {
  TConsistentAttributes all{caBold, caColor, caFace, caItalic, caSize, caStrikeOut, caUnderline, caProtected};
  const QTextCursor cursor = FRichEdit->TextCursor();
  if (FType == TAttributeType::DefaultText || !cursor.hasSelection()) return all;
  const QTextCharFormat first = Format();
  TConsistentAttributes consistent = all;
  auto same = [&](const QTextCharFormat& f, int property) { return f.property(property) == first.property(property); };
  ForEachCharFormat(*FRichEdit->Document(), cursor.selectionStart(), cursor.selectionEnd(),
                    [&](const QTextCharFormat& f) {
                      if (!same(f, QTextFormat::FontWeight)) consistent.Exclude(caBold);
                      if (!same(f, QTextFormat::ForegroundBrush)) consistent.Exclude(caColor);
                      if (!same(f, QTextFormat::FontFamilies)) consistent.Exclude(caFace);
                      if (!same(f, QTextFormat::FontItalic)) consistent.Exclude(caItalic);
                      if (!same(f, QTextFormat::FontPointSize)) consistent.Exclude(caSize);
                      if (!same(f, QTextFormat::FontStrikeOut)) consistent.Exclude(caStrikeOut);
                      if (!same(f, QTextFormat::TextUnderlineStyle)) consistent.Exclude(caUnderline);
                      if (!same(f, ProtectedFormatProperty)) consistent.Exclude(caProtected);
                      return !(consistent == TConsistentAttributes{});
                    });
  return consistent;
}

void TTextAttributes::Assign(const TPersistent* source) {
  if (const auto* font = dynamic_cast<const TFont*>(source)) {
    SetColor(font->Color());
    SetName(font->Name());
    SetCharset(font->Charset());
    SetSize(font->Size());
    SetStyle(font->Style());
    SetPitch(font->Pitch());
  } else if (const auto* attributes = dynamic_cast<const TTextAttributes*>(source)) {
    SetColor(attributes->Color());
    SetName(attributes->Name());
    SetCharset(attributes->Charset());
    SetSize(attributes->Size());
    SetStyle(attributes->Style());
    SetPitch(attributes->Pitch());
  } else {
    TPersistent::Assign(source);
  }
}

void TTextAttributes::AssignTo(TPersistent* dest) const {
  if (auto* font = dynamic_cast<TFont*>(dest)) {
    font->SetColor(Color());
    font->SetName(Name());
    font->SetCharset(Charset());
    font->SetSize(Size());
    font->SetStyle(Style());
    font->SetPitch(Pitch());
  } else {
    TPersistent::AssignTo(dest);
  }
}

}  // namespace kcl
