// TRichEdit: the edit messages and the methods that answer them.
#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <cstring>

#include "kcl/components/richedit.h"
#include "kcl/components/wordbreak.h"
#include "kcl/controls/keys.h"

namespace kcl {

namespace {

// Message parameters carry 32-bit values: -1 arrives as all bits set.
int IntParam(uintptr_t value) { return static_cast<int32_t>(static_cast<uint32_t>(value)); }
int IntParam(intptr_t value) { return static_cast<int32_t>(static_cast<uint32_t>(value)); }

}  // namespace

TCharRange TRichEdit::GetSelection() const {
  const QTextCursor cursor = ShownCursor();
  return {cursor.selectionStart(), cursor.selectionEnd()};
}

void TRichEdit::SetSelection(int start, int end) {
  const int length = GetTextLen();
  QTextCursor cursor = ShownCursor();
  if (start < 0) {
    // -1 takes the selection away and leaves the caret where it was.
    cursor.clearSelection();
  } else {
    if (end < 0 || end > length) end = length;
    cursor.setPosition(std::min(start, length));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
  }
  SetTextCursor(cursor);
}

int TRichEdit::LineCount() const { return FDocument->blockCount(); }

int TRichEdit::LineIndex(int line) const {
  if (line < 0) return ShownCursor().block().position();
  if (line >= FDocument->blockCount()) return -1;
  return FDocument->findBlockByNumber(line).position();
}

int TRichEdit::LineLength(int charIndex) const {
  if (charIndex < 0) {
    // The characters on the selection's lines that are not selected.
    const QTextCursor cursor = ShownCursor();
    const QTextBlock first = FDocument->findBlock(cursor.selectionStart());
    const QTextBlock last = FDocument->findBlock(cursor.selectionEnd());
    return (cursor.selectionStart() - first.position()) + (last.position() + last.length() - 1 - cursor.selectionEnd());
  }
  if (charIndex > GetTextLen()) return 0;
  return FDocument->findBlock(charIndex).length() - 1;
}

int TRichEdit::LineFromChar(int charIndex) const {
  if (charIndex < 0) charIndex = ShownCursor().selectionStart();
  return FDocument->findBlock(std::min(charIndex, GetTextLen())).blockNumber();
}

int TRichEdit::FirstVisibleLine() const {
  QTextEdit* editor = Editor();
  if (!editor) return 0;
  // The first paragraph whose layout reaches below the top of the view.
  const int top = editor->verticalScrollBar()->value();
  QAbstractTextDocumentLayout* layout = FDocument->documentLayout();
  int low = 0, high = FDocument->blockCount() - 1;
  while (low < high) {
    const int middle = (low + high) / 2;
    if (layout->blockBoundingRect(FDocument->findBlockByNumber(middle)).bottom() <= top)
      low = middle + 1;
    else
      high = middle;
  }
  return low;
}

void TRichEdit::LineScroll(int columns, int lines) {
  QTextEdit* editor = Editor();
  if (!editor) return;
  if (lines != 0) {
    const int target = std::clamp(FirstVisibleLine() + lines, 0, FDocument->blockCount() - 1);
    const QRectF rect = FDocument->documentLayout()->blockBoundingRect(FDocument->findBlockByNumber(target));
    editor->verticalScrollBar()->setValue(static_cast<int>(rect.top()));
  }
  if (columns != 0) {
    QScrollBar* bar = editor->horizontalScrollBar();
    bar->setValue(bar->value() + columns * QFontMetrics(editor->font()).averageCharWidth());
  }
}

void TRichEdit::ScrollCaret() {
  if (Editor()) Editor()->ensureCursorVisible();
}

void TRichEdit::ReplaceSel(std::string_view text, bool canUndo) {
  const TCharRange selection = GetSelection();
  ReplaceRange(selection.cpMin, selection.cpMax, text, canUndo);
}

int TRichEdit::FindWordBreak(uint32_t code, int position) const {
  return kcl::FindWordBreak(*FDocument, code, position);
}

bool TRichEdit::HandleEditMessage(TMessage& message) {
  auto* range = reinterpret_cast<TCharRange*>(message.LParam);
  switch (message.Msg) {
    case EM_GETSEL: {
      const TCharRange selection = GetSelection();
      if (auto* start = reinterpret_cast<uint32_t*>(message.WParam)) *start = static_cast<uint32_t>(selection.cpMin);
      if (auto* end = reinterpret_cast<uint32_t*>(message.LParam)) *end = static_cast<uint32_t>(selection.cpMax);
      // Positions past 65535 do not fit the result's words: -1, as Windows answers.
      message.Result = selection.cpMax > 0xFFFF ? -1 : (selection.cpMin | (selection.cpMax << 16));
      return true;
    }
    case EM_SETSEL: SetSelection(IntParam(message.WParam), IntParam(message.LParam)); return true;
    case EM_EXGETSEL:
      if (range) *range = GetSelection();
      return true;
    case EM_EXSETSEL:
      if (range) SetSelection(range->cpMin, range->cpMax);
      message.Result = GetSelection().cpMax;
      return true;
    case EM_GETLINECOUNT: message.Result = LineCount(); return true;
    case EM_LINEINDEX: message.Result = LineIndex(IntParam(message.WParam)); return true;
    case EM_LINELENGTH: message.Result = LineLength(IntParam(message.WParam)); return true;
    case EM_LINEFROMCHAR: message.Result = LineFromChar(IntParam(message.WParam)); return true;
    case EM_EXLINEFROMCHAR: message.Result = LineFromChar(IntParam(message.LParam)); return true;
    case EM_LINESCROLL:
      LineScroll(IntParam(message.WParam), IntParam(message.LParam));
      message.Result = 1;
      return true;
    case EM_SCROLLCARET: ScrollCaret(); return true;
    case EM_GETFIRSTVISIBLELINE: message.Result = FirstVisibleLine(); return true;
    case EM_GETMODIFY: message.Result = FModified; return true;
    case EM_SETMODIFY: FModified = message.WParam != 0; return true;
    case EM_CANUNDO: message.Result = CanUndo(); return true;
    case EM_UNDO:
      message.Result = CanUndo();
      Undo();
      return true;
    case EM_REPLACESEL: {
      // No text (a null pointer) replaces the selection by nothing.
      const char* text = reinterpret_cast<const char*>(message.LParam);
      ReplaceSel(text ? std::string_view(text, std::strlen(text)) : std::string_view(), message.WParam != 0);
      return true;
    }
    case EM_FINDWORDBREAK:
      message.Result = FindWordBreak(static_cast<uint32_t>(message.WParam), IntParam(message.LParam));
      return true;
    default: return false;
  }
}

void TRichEdit::WndProc(TMessage& message) {
  if (HandleEditMessage(message)) {
    message.Handled = true;
    return;
  }
  TWinControl::WndProc(message);
  if (message.Handled) return;
  // Without WantReturns, Enter belongs to the form (its default button).
  if (message.Msg == WM_KEYDOWN && CharCode(message) == VK_RETURN && !FWantReturns &&
      !KeyboardShiftState().Contains(ssCtrl))
    message.Handled = true;
}

}  // namespace kcl
