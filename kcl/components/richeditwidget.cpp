#include "kcl/components/richeditwidget.h"

#include <QKeyEvent>
#include <QMimeData>
#include <algorithm>

#include "kcl/components/richedit.h"

namespace kcl {

bool TRichEditWidget::AllowEdit(int before, int after) {
  const QTextCursor cursor = textCursor();
  if (cursor.hasSelection()) return FRichEdit->AllowChange(cursor.selectionStart(), cursor.selectionEnd());
  return FRichEdit->AllowChange(cursor.position() - before, cursor.position() + after);
}

void TRichEditWidget::keyPressEvent(QKeyEvent* event) {
  FRichEdit->CompleteLoad();
  const bool backspace = event->key() == Qt::Key_Backspace;
  const bool del = event->key() == Qt::Key_Delete || event->matches(QKeySequence::Cut);
  const bool typing = !isReadOnly() && !event->text().isEmpty() && event->text()[0].isPrint();
  const bool edits = backspace || del || typing || event->matches(QKeySequence::Paste) ||
                     event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const bool inserts = typing || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if ((edits && !AllowEdit(backspace ? 1 : 0, del ? 1 : 0)) ||
      (inserts && FRichEdit->RoomForInput() < std::max<qsizetype>(event->text().size(), 1))) {
    event->accept();
    return;
  }
  QTextEdit::keyPressEvent(event);
}

void TRichEditWidget::insertFromMimeData(const QMimeData* source) {
  FRichEdit->CompleteLoad();
  if (!AllowEdit(0, 0)) return;
  // Pasted text is plain and cut at MaxLength.
  textCursor().insertText(source->text().left(FRichEdit->RoomForInput()));
  ensureCursorVisible();
}

void TRichEditWidget::inputMethodEvent(QInputMethodEvent* event) {
  FRichEdit->CompleteLoad();
  QTextEdit::inputMethodEvent(event);
}

// The menu's commands change the text.
void TRichEditWidget::contextMenuEvent(QContextMenuEvent* event) {
  FRichEdit->CompleteLoad();
  QTextEdit::contextMenuEvent(event);
}

void TRichEditWidget::dropEvent(QDropEvent* event) {
  FRichEdit->CompleteLoad();
  QTextEdit::dropEvent(event);
}

}  // namespace kcl
