#pragma once
// The source editor window: one page per open file, each holding a rich edit.
// The first page (TabSheet1 with RichEdit1) is permanent; the pop-up menu and
// the open dialog are shared by every page.
#include <map>
#include <string>

#include "ide/common/linebreaks.h"
#include "kcl/components/dialogs.h"
#include "kcl/controls/menus.h"
#include "kcl/components/pagecontrol.h"
#include "kcl/components/richedit.h"
#include "kcl/components/statusbar.h"
#include "kcl/controls/form.h"

namespace korvax::editor {

// What the editor asks of the main window.
class TEditorHost {
public:
  virtual ~TEditorHost() = default;
  // The file name of the unit the designer works on ("Unit1.pas").
  virtual std::string UnitFileName() const = 0;
  virtual void SetUnitFileName(const std::string& fileName) = 0;
  // A page changed: the project is modified and can be saved.
  virtual void SourceChanged() = 0;
  // The editor became the active window (the design form no longer is).
  virtual void EditorActivated() = 0;
  // The project source, shown by the page "Project1".
  virtual const kcl::TStrings* ProjectSource() const = 0;
  // Saves a page's text under its file name; false when it was not saved.
  virtual bool SaveFile(const std::string& fileName) = 0;
};

class TEditorForm : public kcl::TForm {
  KCL_CLASS(TEditorForm, kcl::TForm)
public:
  // Builds the window from its layout "EditorForm".
  explicit TEditorForm(kcl::TComponent* owner);

  // Panels: caret column, caret line and line count, read-only and insert
  // marks, "Modified".
  kcl::TStatusBar* StatusBar = nullptr;
  kcl::TPageControl* PageControl1 = nullptr;
  kcl::TTabSheet* TabSheet1 = nullptr;
  kcl::TRichEdit* RichEdit1 = nullptr;
  kcl::TPopupMenu* PopupMenu1 = nullptr;
  kcl::TMenuItem* NClosePage = nullptr;
  kcl::TMenuItem* NInsert = nullptr;
  kcl::TMenuItem* N2 = nullptr;
  kcl::TMenuItem* NReadOnly = nullptr;
  kcl::TMenuItem* N1 = nullptr;
  kcl::TOpenDialog* OpenDialog1 = nullptr;

  TEditorHost* Host = nullptr;
  bool InsertMode = false;

  // The rich edit of the page whose caption or file is the host's unit file (the
  // last of several), else of the active page; never a page showing a form's text.
  kcl::TRichEdit* FindUnitEditor() const;
  // A new page showing the file (a new unit's text when there is no such file).
  kcl::TRichEdit* OpenInEditor(const std::string& fileName);
  // The file a page was opened from; its caption's name for the first page.
  std::string FileNameOf(const kcl::TRichEdit* edit) const;
  // The page showing a file, nullptr when none does.
  kcl::TRichEdit* EditorOfFile(const std::string& fileName) const;
  // The last page whose file has fileName's name (its directory aside, letter case
  // ignored): a project names its units unlike the pages opened from elsewhere.
  kcl::TRichEdit* FindFileEditor(const std::string& fileName) const;
  // The page shows a form's text, not a unit's.
  bool ShowsFormText(const kcl::TRichEdit* edit) const;
  // Writes the page's lines to fileName with the line ends of the file it was read
  // from (CR LF for a new text); the page is unmodified then. Raises the
  // framework's error, leaving the file as it was, when it cannot write.
  void WritePage(kcl::TRichEdit* edit, const std::string& fileName);
  // The page shows fileName now (saved under a new name): its caption follows.
  void RenamePage(kcl::TRichEdit* edit, const std::string& fileName);
  // The rich edit of the active page.
  kcl::TRichEdit* ActiveEditor() const;
  // Makes the page of edit the active one, as a switch to it does, and shows the window.
  void ShowPage(kcl::TRichEdit* edit);
  // Closes the page of edit, never the first, and activates the one after it.
  void ClosePage(kcl::TRichEdit* edit);
  // Closes every page but the first, the last first.
  void CloseOtherPages();

  // The unit source kept in step with the designer, on the unit's page.
  // Mode 0 adds the component's field line, mode 1 removes it.
  void EditComponentField(const std::string& name, const std::string& className, int mode);
  void RenameComponentField(const std::string& oldName, const std::string& newName);
  // The unit's field lines as undo keeps them with the form, and put back.
  std::string ComponentFieldLines() const;
  void RestoreComponentFieldLines(const std::string& fields);
  // The form of the host's unit was edited: its page holds something unsaved, as
  // the unit and its form are saved together.
  void FormEdited();
  // Declares and appends an empty handler of the form and puts the caret in it.
  void AddHandler(const std::string& formName, const std::string& handlerText);
  // Puts the caret into the handler's body.
  bool GotoHandler(const std::string& formName, const std::string& handlerText);
  bool HasHandler(const std::string& formName, const std::string& handlerText) const;
  void SetUnitName(const std::string& fileName);
  int FindEditorLine(const std::string& text) const;
  // The caret at the end of the line before line.
  static void PlaceCaretBeforeLine(kcl::TRichEdit* editor, int line);

  // Colours a reserved word blue the moment its last letter is typed.
  void HighlightWordAtCaret();
  // The caret's column and line in the status bar, and the key commands.
  void UpdateCaretStatus(kcl::Word key, kcl::TShiftState shift);

  void RichEdit1KeyUp(kcl::TObject* sender, kcl::Word& key, kcl::TShiftState shift);
  void RichEdit1Change(kcl::TObject* sender);
  void PageControl1Change(kcl::TObject* sender);
  void NClosePageClick(kcl::TObject* sender);
  void NReadOnlyClick(kcl::TObject* sender);
  // The chosen file's lines go in below the active page's first line.
  void NInsertClick(kcl::TObject* sender);
  void FormActivate(kcl::TObject* sender);
  // Asks about each modified page, the last first; Cancel, or a Yes whose save was
  // cancelled, keeps the window open.
  void FormClose(kcl::TObject* sender, kcl::TCloseAction& action);

  // The rich edit of a page: its first control.
  static kcl::TRichEdit* EditorOf(const kcl::TTabSheet* page);

private:
  void FocusForTyping(kcl::TRichEdit* edit);
  void FillPage(kcl::TRichEdit* edit, const std::string& fileName);
  // Loads the file's lines into the page and notes how they end.
  void LoadPageText(kcl::TRichEdit* edit, const std::string& fileName);
  std::string UniqueEditorName() const;

  // What a page was opened from, and how that file ended its lines.
  struct TPageFile {
    std::string FileName;
    TLineBreaks Breaks;
  };
  std::map<const kcl::TRichEdit*, TPageFile> FFiles;
};

// The editor window of the program, made at start-up.
extern TEditorForm* EditorForm;

// The rich edit of the page opened or switched to last: what the Edit and
// Search commands work on.
extern kcl::TRichEdit* CurrentEditor;

}  // namespace korvax::editor
