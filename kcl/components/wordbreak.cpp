#include "kcl/components/wordbreak.h"

#include <QTextDocument>
#include <algorithm>

#include "kcl/components/editmessages.h"

namespace kcl {

namespace {

enum class TCharClass { Word, Punctuation, Blank, LineBreak };

TCharClass ClassOf(QChar c) {
  if (c == QChar(' ') || c == QChar('\t') || c == QChar(QChar::Nbsp)) return TCharClass::Blank;
  if (c == QChar(QChar::ParagraphSeparator) || c == QChar(QChar::LineSeparator) || c == QChar('\n') ||
      c == QChar('\r'))
    return TCharClass::LineBreak;
  if (c.isLetterOrNumber() || c == QChar('_')) return TCharClass::Word;
  return TCharClass::Punctuation;
}

class TWordScanner {
public:
  explicit TWordScanner(const QTextDocument& document)
      : FDocument(document), FLength(document.characterCount() - 1) {}

  int Length() const { return FLength; }
  TCharClass At(int i) const { return ClassOf(FDocument.characterAt(i)); }

  // Past the word (or run of punctuation) at position and the blanks after it.
  int NextWordStart(int position) const {
    if (position >= FLength) return FLength;
    const TCharClass c = At(position);
    if (c == TCharClass::LineBreak) return position + 1;
    if (c != TCharClass::Blank) position = EndOfRun(position);
    while (position < FLength && At(position) == TCharClass::Blank) ++position;
    return position;
  }

  // Back over blanks, then to the start of the word before them.
  int PreviousWordStart(int position) const {
    while (position > 0 && At(position - 1) == TCharClass::Blank) --position;
    if (position == 0) return 0;
    if (At(position - 1) == TCharClass::LineBreak) return position - 1;
    return StartOfRun(position);
  }

  int EndOfRun(int position) const {
    if (position >= FLength) return FLength;
    const TCharClass c = At(position);
    if (c == TCharClass::LineBreak) return position;
    while (position < FLength && At(position) == c) ++position;
    return position;
  }

  int StartOfRun(int position) const {
    if (position <= 0) return 0;
    const TCharClass c = At(position - 1);
    if (c == TCharClass::LineBreak) return position;
    while (position > 0 && At(position - 1) == c) --position;
    return position;
  }

private:
  const QTextDocument& FDocument;
  int FLength;
};

}  // namespace

int FindWordBreak(const QTextDocument& document, uint32_t code, int position) {
  const TWordScanner scanner(document);
  position = std::clamp(position, 0, scanner.Length());
  const bool inText = position < scanner.Length();
  switch (code) {
    case WB_RIGHT:
    case WB_MOVEWORDRIGHT: return scanner.NextWordStart(position);
    case WB_LEFT:
    case WB_MOVEWORDLEFT: return scanner.PreviousWordStart(position);
    case WB_RIGHTBREAK: return scanner.EndOfRun(position);
    case WB_LEFTBREAK: return scanner.StartOfRun(position);
    case WB_ISDELIMITER:
      return inText && (scanner.At(position) == TCharClass::Blank || scanner.At(position) == TCharClass::LineBreak);
    case WB_CLASSIFY:
      if (!inText) return 0;
      switch (scanner.At(position)) {
        case TCharClass::Word: return 0;
        case TCharClass::Punctuation: return 1;
        case TCharClass::Blank: return 2 | WBF_ISWHITE;
        case TCharClass::LineBreak: return 3 | WBF_ISWHITE | WBF_BREAKLINE;
      }
      return 0;
    default: return 0;
  }
}

}  // namespace kcl
