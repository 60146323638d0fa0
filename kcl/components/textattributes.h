#pragma once
// TTextAttributes: the character formatting of a rich edit's selection (what typing
// will use when nothing is selected) or of its default text. Values the text does
// not set itself are the control's font's.
#include <string>

#include "kcl/classes/persistent.h"
#include "kcl/graphics/font.h"

class QTextCharFormat;

namespace kcl {

class TRichEdit;

KCL_ENUM(TConsistentAttribute, caBold, caColor, caFace, caItalic, caSize, caStrikeOut, caUnderline, caProtected)
KCL_SET(TConsistentAttributes, TConsistentAttribute)

// Delphi's atSelected and atDefaultText.
enum class TAttributeType { Selected, DefaultText };

class TTextAttributes : public TPersistent {
  KCL_CLASS(TTextAttributes, TPersistent)
public:
  TTextAttributes(TRichEdit* richEdit, TAttributeType type) : FRichEdit(richEdit), FType(type) {}
  // From a TFont or other text attributes.
  void Assign(const TPersistent* source) override;

  TColor Color() const;
  void SetColor(TColor value);
  std::string Name() const;
  void SetName(const std::string& value);
  int Size() const;
  void SetSize(int value);
  // Pixels at the screen's resolution.
  int Height() const;
  void SetHeight(int value);
  TFontStyles Style() const;
  void SetStyle(TFontStyles value);
  TFontPitch Pitch() const;
  void SetPitch(TFontPitch value);
  TFontCharset Charset() const;
  void SetCharset(TFontCharset value);
  bool Protected() const;
  void SetProtected(bool value);
  // The attributes that are the same over the whole selection.
  TConsistentAttributes ConsistentAttributes() const;

protected:
  void AssignTo(TPersistent* dest) const override;

private:
  QTextCharFormat Format() const;
  void Apply(const QTextCharFormat& change);
  TFont& DefaultFont() const;

  TRichEdit* FRichEdit;
  TAttributeType FType;
};

}  // namespace kcl
