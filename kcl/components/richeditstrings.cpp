#include "kcl/components/richeditstrings.h"

#include <QTextBlock>
#include <QTextDocument>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/streams.h"
#include "kcl/components/richedit.h"
#include "kcl/desktop/cp1252.h"

namespace kcl {

KCL_CLASS_INFO(TRichEditStrings) {}

void TRichEditStrings::CheckIndex(int index, int count) const {
  if (index < 0 || index >= count) ListIndexError(index);
}

int TRichEditStrings::GetCount() const {
  const QTextDocument* document = FRichEdit->ShownDocument();
  const int blocks = document->blockCount();
  return document->lastBlock().length() <= 1 ? blocks - 1 : blocks;
}

std::string TRichEditStrings::Get(int index) const {
  CheckIndex(index, GetCount());
  return cp1252::Encode(FRichEdit->ShownDocument()->findBlockByNumber(index).text());
}

void TRichEditStrings::Put(int index, const std::string& s) {
  CheckIndex(index, GetCount());
  const QTextBlock block = FRichEdit->Document()->findBlockByNumber(index);
  FRichEdit->ReplaceRange(block.position(), block.position() + block.length() - 1, s, false);
}

void TRichEditStrings::Insert(int index, const std::string& s) {
  const int count = GetCount();
  if (index < 0 || index > count) ListIndexError(index);
  const QTextDocument* document = FRichEdit->Document();
  if (index < document->blockCount()) {
    const int start = document->findBlockByNumber(index).position();
    FRichEdit->ReplaceRange(start, start, s + "\r", false);
  } else {
    // After a last line that has no line break.
    const int end = FRichEdit->GetTextLen();
    FRichEdit->ReplaceRange(end, end, "\r" + s, false);
  }
}

void TRichEditStrings::Delete(int index) {
  CheckIndex(index, GetCount());
  const QTextDocument* document = FRichEdit->Document();
  const QTextBlock block = document->findBlockByNumber(index);
  const QTextBlock next = block.next();
  if (next.isValid())
    FRichEdit->ReplaceRange(block.position(), next.position(), {}, false);
  else
    FRichEdit->ReplaceRange(std::max(block.position() - 1, 0), FRichEdit->GetTextLen(), {}, false);
}

void TRichEditStrings::Clear() { FRichEdit->Clear(); }

std::string TRichEditStrings::Text() const {
  const int count = GetCount();
  std::string text;
  QTextBlock block = FRichEdit->ShownDocument()->begin();
  for (int i = 0; i < count; ++i, block = block.next()) text += cp1252::Encode(block.text()) + "\r\n";
  return text;
}

void TRichEditStrings::SetText(std::string_view text) {
  FRichEdit->ReplaceRange(0, FRichEdit->GetTextLen(), text, false);
}

void TRichEditStrings::LoadFromStream(TStream& stream) {
  std::string owned;
  FRichEdit->LoadFromBytes(ViewRest(stream, owned));
}

void TRichEditStrings::SaveToStream(TStream& stream) const { stream.WriteString(Text()); }

}  // namespace kcl
