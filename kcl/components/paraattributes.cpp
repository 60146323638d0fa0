#include "kcl/components/paraattributes.h"

#include <QTextBlockFormat>
#include <QTextCursor>
#include <cmath>

#include "kcl/classes/classbuilder.h"
#include "kcl/components/richedit.h"

namespace kcl {

namespace {

// Indents are points; Qt's block margins are pixels at the document's 96 dots an inch.
int ToPoints(qreal pixels) { return static_cast<int>(std::lround(pixels * 72.0 / 96.0)); }
qreal ToPixels(int points) { return points * 96.0 / 72.0; }

}  // namespace

KCL_CLASS_INFO(TParaAttributes) {}

TAlignment TParaAttributes::Alignment() const {
  const Qt::Alignment alignment = FRichEdit->TextCursor().blockFormat().alignment();
  if (alignment & Qt::AlignHCenter) return taCenter;
  if (alignment & Qt::AlignRight) return taRightJustify;
  return FRichEdit->TextCursor().blockFormat().hasProperty(QTextFormat::BlockAlignment) ? taLeftJustify
                                                                                         : FRichEdit->Alignment();
}

void TParaAttributes::SetAlignment(TAlignment value) {
  QTextBlockFormat change;
  change.setAlignment(value == taCenter ? Qt::AlignHCenter : value == taRightJustify ? Qt::AlignRight : Qt::AlignLeft);
  FRichEdit->MergeSelectionBlockFormat(change);
}

int TParaAttributes::FirstIndent() const { return ToPoints(FRichEdit->TextCursor().blockFormat().textIndent()); }

void TParaAttributes::SetFirstIndent(int value) {
  QTextBlockFormat change;
  change.setTextIndent(ToPixels(value));
  FRichEdit->MergeSelectionBlockFormat(change);
}

int TParaAttributes::LeftIndent() const { return ToPoints(FRichEdit->TextCursor().blockFormat().leftMargin()); }

void TParaAttributes::SetLeftIndent(int value) {
  QTextBlockFormat change;
  change.setLeftMargin(ToPixels(value));
  FRichEdit->MergeSelectionBlockFormat(change);
}

int TParaAttributes::RightIndent() const { return ToPoints(FRichEdit->TextCursor().blockFormat().rightMargin()); }

void TParaAttributes::SetRightIndent(int value) {
  QTextBlockFormat change;
  change.setRightMargin(ToPixels(value));
  FRichEdit->MergeSelectionBlockFormat(change);
}

void TParaAttributes::Assign(const TPersistent* source) {
  if (const auto* paragraph = dynamic_cast<const TParaAttributes*>(source)) {
    SetAlignment(paragraph->Alignment());
    SetFirstIndent(paragraph->FirstIndent());
    SetLeftIndent(paragraph->LeftIndent());
    SetRightIndent(paragraph->RightIndent());
  } else {
    TPersistent::Assign(source);
  }
}

}  // namespace kcl
