#pragma once
// TFMainForm: the narrow strip across the top of the screen with the main menu,
// the speed bar and the component palette. It owns the project, reads the
// settings at start and hands every menu command to the part that carries it out.
#include <string>

#include "ide/designer/designlistener.h"
#include "ide/designer/palettechoice.h"
#include "ide/editor/editorform.h"
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
  void EditSelectAllItemClick(kcl::TObject* sender);
  void ViewObjectInspectorItemClick(kcl::TObject* sender);
  void ViewComponentListItemClick(kcl::TObject* sender);
  void ViewNewEditWindowItemClick(kcl::TObject* sender);
  void ViewSpeedbarItemClick(kcl::TObject* sender);
  void ViewComponentPaletteItemClick(kcl::TObject* sender);
  void SpeedBarHideItemClick(kcl::TObject* sender);
  void HelpContentsItemClick(kcl::TObject* sender);
  void HelpAboutItemClick(kcl::TObject* sender);

  // The editor's questions.
  std::string UnitFileName() const override { return CurrentUnitFile; }
  void SetUnitFileName(const std::string& fileName) override { CurrentUnitFile = fileName; }
  void SourceChanged() override;
  void EditorActivated() override { DesignFormActive = false; }
  const kcl::TStrings* ProjectSource() const override { return ProjectInfo->Source(); }
  // Writes the page of the file; the page is unmodified then.
  bool SaveFile(const std::string& fileName) override;
  // Components placed, deleted or renamed: their field lines in the unit.
  void Edited(const designer::TDesignEdit& edit) override;

private:
  void LoadSpeedBarGlyphs();
};

// The main window, once it exists.
extern TFMainForm* FMainForm;

}  // namespace korvax
