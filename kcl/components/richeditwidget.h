#pragma once
// The QTextEdit that is a TRichEdit's peer: it asks the control before the user's
// keys or a paste change protected text.
#include <QTextEdit>

namespace kcl {

class TRichEdit;

class TRichEditWidget : public QTextEdit {
public:
  TRichEditWidget(TRichEdit* richEdit, QWidget* parent) : QTextEdit(parent), FRichEdit(richEdit) {}

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

private:
  bool AllowEdit(int before, int after);

  TRichEdit* FRichEdit;
};

}  // namespace kcl
