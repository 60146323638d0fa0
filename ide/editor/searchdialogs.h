#pragma once
// The Search menu's dialogs: Find Text (TSearch), Replace Text (TReplace) and
// Find in Files (TFindInFile), each made from its layout, its combo box filled
// from the remembered texts.
#include <string>

#include "ide/editor/editorsearch.h"
#include "kcl/controls/form.h"

namespace kcl {
class TAnimate;
class TButton;
class TCheckBox;
class TComboBox;
class TListView;
class TRadioButton;
class TRichEdit;
}  // namespace kcl

namespace korvax::editor {

// What the three dialogs share: the text to find and its options.
class TSearchDialog : public kcl::TForm {
  KCL_CLASS(TSearchDialog, kcl::TForm)
public:
  using kcl::TForm::TForm;

  kcl::TComboBox* cbSearch = nullptr;
  kcl::TCheckBox* chkMatchCase = nullptr;
  kcl::TCheckBox* chkWholeWord = nullptr;
  kcl::TButton* OKButton = nullptr;
  kcl::TButton* CancelButton = nullptr;

  void FormActivate(kcl::TObject* sender);
  kcl::TSearchTypes Types() const;
};

// Find Text and Replace Text: direction, scope and origin besides.
class TFindDialogBase : public TSearchDialog {
  KCL_CLASS(TFindDialogBase, TSearchDialog)
public:
  using TSearchDialog::TSearchDialog;

  kcl::TRadioButton* chkDown = nullptr;
  kcl::TRadioButton* chkUp = nullptr;
  kcl::TRadioButton* chkEntire = nullptr;
  kcl::TRadioButton* chkSelect = nullptr;
  kcl::TRadioButton* chkCursor = nullptr;
  kcl::TRadioButton* chkFirst = nullptr;

  TSearchOptions Options() const;
};

class TSearch : public TFindDialogBase {
  KCL_CLASS(TSearch, TFindDialogBase)
public:
  // Loads the "FindText" history into cbSearch.
  explicit TSearch(kcl::TComponent* owner);
  // OK, or Enter in cbSearch, remembers the text.
  void OKButtonClick(kcl::TObject* sender);
  void cbSearchKeyPress(kcl::TObject* sender, char& key);
};

class TReplace : public TFindDialogBase {
  KCL_CLASS(TReplace, TFindDialogBase)
public:
  // Loads the "FindText" history into cbSearch and, when it has entries, the
  // "ReplaceText" history into cbReplace.
  explicit TReplace(kcl::TComponent* owner);

  kcl::TComboBox* cbReplace = nullptr;
  kcl::TCheckBox* chkPrompt = nullptr;
  kcl::TButton* btnAll = nullptr;

  bool ReplaceAllPressed() const { return FReplaceAllPressed; }
  // The options with ReplaceAll and Prompt.
  TSearchOptions ReplaceOptions() const;

  // OK remembers both texts; Replace All does the same and closes with OK.
  void OKButtonClick(kcl::TObject* sender);
  void btnAllClick(kcl::TObject* sender);
  // Enter in cbSearch goes on to cbReplace; Enter there closes with OK.
  void cbSearchKeyPress(kcl::TObject* sender, char& key);
  void cbReplaceKeyPress(kcl::TObject* sender, char& key);

private:
  bool FReplaceAllPressed = false;
};

// Lists every match of a text in the editor's open pages or, when chosen, in the
// project's files on disk; a double click shows the match.
class TFindInFile : public TSearchDialog {
  KCL_CLASS(TFindInFile, TSearchDialog)
public:
  static constexpr int ClosedHeight = 200;
  static constexpr int OpenHeight = 310;

  explicit TFindInFile(kcl::TComponent* owner);

  kcl::TRadioButton* rbOpenPages = nullptr;
  kcl::TRadioButton* rbProjectDirectory = nullptr;
  kcl::TAnimate* Animate1 = nullptr;
  kcl::TListView* ListView1 = nullptr;
  // Where "Project directory" searches (with a separator).
  std::string ProjectDir;

  void OKButtonClick(kcl::TObject* sender);
  void cbSearchKeyPress(kcl::TObject* sender, char& key);
  void ListView1DblClick(kcl::TObject* sender);

  // A row for each match, page by page in order, each page from its start.
  void SearchOpenPages(const std::string& text, kcl::TSearchTypes types);
  // A row for each match in the units, project files and form texts below ProjectDir.
  void SearchProjectDirectory(const std::string& text, kcl::TSearchTypes types);

private:
  void AddRow(const std::string& caption, int position, const std::string& line);
};

}  // namespace korvax::editor
