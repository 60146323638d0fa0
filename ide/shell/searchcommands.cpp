// The Search menu: find, replace, search again, find in files and go to line, on
// the current editor page.
#include <memory>

#include "ide/common/environment.h"
#include "ide/editor/editorform.h"
#include "ide/editor/editorsearch.h"
#include "ide/editor/searchdialogs.h"
#include "ide/shell/mainform.h"
#include "kcl/components/combobox.h"
#include "kcl/components/msgdlg.h"
#include "kcl/components/richedit.h"
#include "kcl/components/stdctrls.h"
#include "kcl/controls/application.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace korvax {

using namespace kcl;
using editor::CurrentEditor;

namespace {

template <class Dialog>
std::unique_ptr<Dialog, TObjectFree> MakeDialog() {
  return std::unique_ptr<Dialog, TObjectFree>(new Dialog(Application()));
}

}  // namespace

void TFMainForm::SearchFindItemClick(TObject*) {
  auto dialog = MakeDialog<editor::TSearch>();
  if (SettingBool("EDITOR", "FindTextCursor", true)) dialog->cbSearch->SetText(editor::WordAtCaret());
  if (dialog->ShowModal() == mrCancel) return;
  editor::SearchText = dialog->cbSearch->Text();
  editor::SearchOptions = dialog->Options();
  editor::FindInEditor(editor::SearchText, editor::SearchOptions);
}

void TFMainForm::SearchReplaceItemClick(TObject*) {
  std::string selected;
  if (CurrentEditor) {
    // From the caret to the start of the next word: the word, or what is left of it.
    const int start = CurrentEditor->GetSelection().cpMin;
    CurrentEditor->SetSelection(start, CurrentEditor->FindWordBreak(WB_MOVEWORDRIGHT, start));
    selected = Trim(CurrentEditor->SelText());
  }
  auto dialog = MakeDialog<editor::TReplace>();
  dialog->cbSearch->SetText(selected);
  if (dialog->ShowModal() == mrCancel) return;
  editor::SearchText = dialog->cbSearch->Text();
  editor::SearchOptions = dialog->ReplaceOptions();
  editor::ReplaceInEditor(editor::SearchText, dialog->cbReplace->Text(), editor::SearchOptions);
}

void TFMainForm::FindDialog1Find(TObject*) { editor::SearchAgain(); }

void TFMainForm::SearchFindInFilesItemClick(TObject*) {
  auto dialog = MakeDialog<editor::TFindInFile>();
  dialog->ProjectDir = ProjectInfo->ProjectDir();
  dialog->ShowModal();
}

void TFMainForm::SearchGotoItemClick(TObject*) {
  std::string answer;
  if (!InputQuery("Go to Line Number", "Enter New Line Number:!", answer)) return;
  // An answer that is no number moves nothing.
  int line = 0;
  try {
    line = StrToInt(Trim(answer));
  } catch (const EConvertError& e) {
    Application()->ShowException(e);
    return;
  }
  editor::GotoLine(line);
}

}  // namespace korvax
