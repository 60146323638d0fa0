#pragma once
// TFMainForm: the narrow strip across the top of the screen with the main menu,
// the speed bar and the component palette. It owns the project, reads the
// settings at start and hands every menu command to the part that carries it out.
#include <optional>
#include <string>
#include <vector>

#include "ide/common/linebreaks.h"
#include "ide/designer/designlistener.h"
#include "ide/designer/palettechoice.h"
#include "ide/editor/editorform.h"
#include "ide/fpcbuild/fpcbuild.h"
#include "ide/designer/proxyform.h"
#include "ide/project/projectinfo.h"
#include "kcl/components/buttons.h"
#include "kcl/components/dialogs.h"
#include "kcl/components/extctrls.h"
#include "kcl/components/finddialogs.h"
#include "kcl/controls/menus.h"
#include "kcl/components/pagecontrol.h"
#include "kcl/controls/form.h"

namespace korvax {

// The main window is also what the editor asks about the project, and keeps the
// unit source in step with what the designers do.
class TFMainForm : public kcl::TForm, public editor::TEditorHost, public designer::TDesignListener {
  KCL_CLASS(TFMainForm, kcl::TForm)
public:
  // Builds the window from its layout; the framework then runs FormCreate.
  explicit TFMainForm(kcl::TComponent* owner);
  ~TFMainForm() override;

  // The layout's controls.
  kcl::TPanel* Panel1 = nullptr;
  kcl::TPanel* SpeedBar = nullptr;
  kcl::TSplitter* Splitter1 = nullptr;
  kcl::TPageControl* PageControl1 = nullptr;
  kcl::TSpeedButton* sbOpenProject = nullptr;
  kcl::TSpeedButton* sbSaveAll = nullptr;
  kcl::TSpeedButton* sbAddFile = nullptr;
  kcl::TSpeedButton* sbSelectUnit = nullptr;
  kcl::TSpeedButton* sbSelectForm = nullptr;
  kcl::TSpeedButton* sbRun = nullptr;
  kcl::TSpeedButton* sbPause = nullptr;
  kcl::TSpeedButton* sbOpen = nullptr;
  kcl::TSpeedButton* sbSave = nullptr;
  kcl::TSpeedButton* sbRemoveFile = nullptr;
  kcl::TSpeedButton* sbToggle = nullptr;
  kcl::TSpeedButton* sbNewForm = nullptr;
  kcl::TSpeedButton* sbTraceInto = nullptr;
  kcl::TSpeedButton* sbStepOver = nullptr;
  kcl::TMainMenu* MainMenu1 = nullptr;
  kcl::TMenuItem* FileReopenItem = nullptr;
  kcl::TMenuItem* ViewSpeedbarItem = nullptr;
  kcl::TMenuItem* ViewComponentPaletteItem = nullptr;
  kcl::TPopupMenu* SpeedBarMenu = nullptr;
  kcl::TOpenDialog* OpenDialog1 = nullptr;
  kcl::TSaveDialog* SaveDialog1 = nullptr;
  kcl::TFindDialog* FindDialog1 = nullptr;
  kcl::TReplaceDialog* ReplaceDialog1 = nullptr;

  TProjectInfo* ProjectInfo = nullptr;
  // True while a design form is the active window, false while the editor is.
  bool DesignFormActive = false;
  // The unit file of the design form created or saved last.
  std::string CurrentUnitFile;
  // The palette's choice, which every design form places from.
  designer::TPaletteChoice PaletteChoice;
  // The design form created last.
  designer::TProxyForm* CurrentDesignForm = nullptr;

  // The class the palette's choice stands for, or nullptr; the choice is used up
  // unless it was made sticky.
  kcl::TClass ComponentClassForTag() { return PaletteChoice.ComponentClassForTag(); }
  // Creates and shows a design form for the form and unit files, and makes it
  // the current one.
  designer::TProxyForm* CreateDesignForm(const std::string& formFile, const std::string& unitFile);
  // The state of a new, empty project, and the caption that goes with it.
  void ResetProject();
  // "Korvax " alone, or with " - " and the project file once one was opened.
  void SetProjectCaption(const std::string& projectFile);

  // The file commands (filecommands.cpp). Closes everything and reads the project
  // file, opening its main form's unit; a new project when there is no such file.
  // True when name is not empty.
  bool OpenProject(const std::string& name);
  // One file by its extension: a project file, a unit with its form, a form with
  // its text, any other file as text. Nothing happens for a file that is not there.
  void OpenFile(const std::string& name);
  // Asks about a modified project, closes the design forms and the editor's pages
  // but the first, and starts a new project. Cancel in the editor's question stops it.
  void CloseAll();
  // "Unit<n>.pas" and "Form<n>.dfm", n one more than the entries naming a unit or form.
  std::string NewUnitFileName() const;
  std::string NewFormFileName() const;
  // The unit entry of the first Forms entry containing formName, or "".
  std::string FindUnitForForm(const std::string& formName) const;
  // The form file in a new design form, current, with the unit file beside it;
  // nullptr when there is no such file. A file not read whole is reported.
  designer::TProxyForm* LoadForm(const std::string& dfmFile);
  // The open design forms, in the screen's order.
  std::vector<designer::TProxyForm*> DesignForms() const;
  // The design form of a unit (by name, directory and letter case aside), or nullptr.
  designer::TProxyForm* DesignFormOfUnit(const std::string& unitFile) const;

  // Saving (savecommands.cpp). Each returns false when the user cancelled a save
  // dialog; Cancel in "Same filename exists already!..." aborts the whole command.
  bool SaveFileAs(const std::string& name);
  // Every unit with its form, then the project source; true when name is not empty.
  bool SaveProject(const std::string& name);
  // Writes the form, which then belongs to the unit beside dfmFile; a form that
  // cannot be written is reported and stays as it is (false).
  bool SaveForm(designer::TProxyForm* form, const std::string& dfmFile);

  // The reopen history (reopenhistory.cpp).
  void AddProjectHistory(const std::string& path);
  void AddFileHistory(const std::string& path);
  void BuildReopenMenu();

  // The Tools menu (toolsmenu.cpp): the environment options, the configured tools,
  // and the window list (windowlist.cpp). BuildToolsMenu puts one item per tool
  // after the menu's own items, in place of those it put there before (ToolItems).
  void ToolsOptionsItemClick(kcl::TObject* sender);
  void BuildToolsMenu();
  void ToolsConfigureItemClick(kcl::TObject* sender);
  void ViewWindowListItemClick(kcl::TObject* sender);
  std::vector<kcl::TMenuItem*> ToolItems;

  // The project dialogs (projectcommands.cpp).
  void FileAddToProjectItemClick(kcl::TObject* sender);
  void FileRemoveFromProjectItemClick(kcl::TObject* sender);
  void ViewProjectManagerItemClick(kcl::TObject* sender);
  void ProjectOptionsItemClick(kcl::TObject* sender);

  // The form's text as it stands, in an editor page captioned with its unit file.
  void ViewFormAsText(designer::TProxyForm& form);

  // Compiling and running (compilecommands.cpp). Runs the compiler on the project
  // with the switch ("/M" make, "/B" build all) and waits for it; false, running
  // nothing, when the compiler is not installed.
  // With "Use Delphi Compiler as Default Compiler" off, Free Pascal builds the
  // project beside it instead (see ide/fpcbuild), and Run starts what it built.
  bool Compile(const std::string& compileSwitch);
  void ProjectCompileItemClick(kcl::TObject* sender);
  void ProjectBuildAllItemClick(kcl::TObject* sender);
  void RunRunItemClick(kcl::TObject* sender);
  void ToolsImageEditorItemClick(kcl::TObject* sender);
  void ToolsDatabaseDesktopItemClick(kcl::TObject* sender);

  // Handlers bound by name from the layout.
  void FormCreate(kcl::TObject* sender);
  void FormShow(kcl::TObject* sender);
  void FormClose(kcl::TObject* sender, kcl::TCloseAction& action);
  void FormDestroy(kcl::TObject* sender);
  void sbButtonClick(kcl::TObject* sender);
  void sbMainMenuClick(kcl::TObject* sender);
  void PageControl1Change(kcl::TObject* sender);
  void FileExitItemClick(kcl::TObject* sender);
  void EditUndoItemClick(kcl::TObject* sender);
  void EditRedoItemClick(kcl::TObject* sender);
  // The Search menu (searchcommands.cpp) on the current editor page.
  void SearchFindItemClick(kcl::TObject* sender);
  void SearchReplaceItemClick(kcl::TObject* sender);
  // Search Again.
  void FindDialog1Find(kcl::TObject* sender);
  void SearchFindInFilesItemClick(kcl::TObject* sender);
  void SearchGotoItemClick(kcl::TObject* sender);
  void EditSelectAllItemClick(kcl::TObject* sender);
  void ViewObjectInspectorItemClick(kcl::TObject* sender);
  void ViewComponentListItemClick(kcl::TObject* sender);
  void ViewNewEditWindowItemClick(kcl::TObject* sender);
  void ViewSpeedbarItemClick(kcl::TObject* sender);
  void ViewComponentPaletteItemClick(kcl::TObject* sender);
  void SpeedBarHideItemClick(kcl::TObject* sender);
  void HelpContentsItemClick(kcl::TObject* sender);
  void HelpAboutItemClick(kcl::TObject* sender);
  void FileNewApplicationItemClick(kcl::TObject* sender);
  void FileNewFormItemClick(kcl::TObject* sender);
  void FileOpenItemClick(kcl::TObject* sender);
  void sbOpenProjectClick(kcl::TObject* sender);
  void FileSaveItemClick(kcl::TObject* sender);
  void FileSaveAsItemClick(kcl::TObject* sender);
  void FileSaveProjectAsItemClick(kcl::TObject* sender);
  void FileSaveAllItemClick(kcl::TObject* sender);
  void FileCloseItemClick(kcl::TObject* sender);
  void FileCloseAllItemClick(kcl::TObject* sender);
  void FilePrintItemClick(kcl::TObject* sender);
  void EditCutItemClick(kcl::TObject* sender);
  void EditCopyItemClick(kcl::TObject* sender);
  void EditPasteItemClick(kcl::TObject* sender);
  // The layout commands (layoutcommands.cpp).
  void EditAlignItemClick(kcl::TObject* sender);
  void EditSizeItemClick(kcl::TObject* sender);
  void EditScaleItemClick(kcl::TObject* sender);
  void EditFrontItemClick(kcl::TObject* sender);
  void EditBackItemClick(kcl::TObject* sender);
  void EditTabOrderItemClick(kcl::TObject* sender);
  void ViewProjectSourceItemClick(kcl::TObject* sender);
  void ViewToggleItemClick(kcl::TObject* sender);
  void ViewUnitsItemClick(kcl::TObject* sender);
  void ViewFormsItemClick(kcl::TObject* sender);

  // The editor's questions.
  std::string UnitFileName() const override { return CurrentUnitFile; }
  void SetUnitFileName(const std::string& fileName) override { CurrentUnitFile = fileName; }
  void SourceChanged() override;
  void EditorActivated() override { DesignFormActive = false; }
  const kcl::TStrings* ProjectSource() const override { return ProjectInfo->Source(); }
  // Writes the page of the file (a unit with its form after a save dialog);
  // false when the user cancelled the dialog.
  bool SaveFile(const std::string& fileName) override;
  // Components placed, deleted or renamed: their field lines in the unit.
  void Edited(const designer::TDesignEdit& edit) override;
  std::string UndoMemento() override;
  void Restored(const std::string& memento) override;
  // A design form's keys and context menu: the layout dialogs on that form, its
  // text, the form/unit toggle.
  void CommandWanted(designer::TDesignCommand command, designer::TProxyDesigner& designer) override;

private:
  // Asks to save a modified project before its files are compiled.
  void OfferToSaveBeforeCompiling();
  // The alternative compiler's build, nullopt (after saying why) when it cannot run.
  std::optional<fpcbuild::TBuildResult> BuildWithAltCompiler(bool buildAll);
  void RunWithAltCompiler();

  void LoadSpeedBarGlyphs();
  // The inspector and this window follow the form's designer; the form is current.
  void AttachDesignForm(designer::TProxyForm& form);
  void FreeDesignForm(designer::TProxyForm* form);
  // The start's Form1 with its unit in the first page.
  void StartNewApplication();
  // Brings up the page and the form of a unit that is open already; false when it is not.
  bool ShowOpenUnit(const std::string& unitFile);
  // A Units entry's file: a unit name from a project file is its ".pas" beside it.
  std::string UnitFileOfEntry(const std::string& entry) const;
  // The unit list or the form list, and the file chosen from it.
  void ChooseFromList(bool forms);
  // Source, ending its lines as the project file did.
  void WriteProjectSource(const std::string& fileName);
  // SaveProject's work: false when a save dialog was cancelled.
  bool SaveProjectFiles(const std::string& name);
  // The "Same filename exists already!" question; Yes is true, Cancel aborts.
  static bool ConfirmOverwrite(const std::string& target);

  // How the project file ended its lines.
  TLineBreaks FProjectBreaks;
};

// The open dialog's filters of the file commands; the third is the units'.
inline constexpr const char* DelphiFilesFilter =
    "Delphi Files(*.pas;*.dpr)|*.pas;*.dpr|Delphi Project(*.dpr)|*.dpr|Delphi Unit(*.pas)|*.pas|"
    "Delphi Form(*.dfm)|*.dfm|Text File(*.txt)|*.txt|All Files (*.*)|*.*";

// The main window, once it exists.
extern TFMainForm* FMainForm;

}  // namespace korvax
