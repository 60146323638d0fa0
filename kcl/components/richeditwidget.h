#pragma once
// The QTextEdit that is a TRichEdit's peer: it asks the control before the user's
// keys or a paste change protected text, and has the control finish a document it
// is still reading before the user edits.
#include <QTextEdit>

namespace kcl {

class TRichEdit;

class TRichEditWidget : public QTextEdit {
public:
  TRichEditWidget(TRichEdit* richEdit, QWidget* parent) : QTextEdit(parent), FRichEdit(richEdit) {}

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  bool AllowEdit(int before, int after);

  TRichEdit* FRichEdit;
};

}  // namespace kcl
