#pragma once
// TProjOption: "Project Options". The forms the program creates and its main
// form, its title and help file (written into the project source on OK), and the
// compiler's and linker's settings and directories (kept in the project's
// configuration file, where the command-line compiler reads them).
#include <utility>
#include <vector>

#include "ide/project/projectconfig.h"
#include "kcl/components/combobox.h"
#include "kcl/components/dialogs.h"
#include "kcl/components/edit.h"
#include "kcl/components/image.h"
#include "kcl/components/listbox.h"
#include "kcl/components/pagecontrol.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/form.h"

namespace korvax {

class TProjOption : public kcl::TForm {
  KCL_CLASS(TProjOption, kcl::TForm)
public:
  // Builds the dialog from its layout "ProjOption"; the framework then runs
  // FormCreate, which fills it from the project.
  explicit TProjOption(kcl::TComponent* owner);

  kcl::TPageControl* PageControl1 = nullptr;
  kcl::TTabSheet* FormsPage = nullptr;
  kcl::TComboBox* cbMainForm = nullptr;
  kcl::TListBox* AutoCreateForms = nullptr;
  kcl::TListBox* AvailableForms = nullptr;
  kcl::TButton* MoveToAvailableButton = nullptr;
  kcl::TButton* MoveToAutoCreateButton = nullptr;
  kcl::TButton* AllToAvailableButton = nullptr;
  kcl::TButton* AllToAutoCreateButton = nullptr;
  kcl::TEdit* AppTitle = nullptr;
  kcl::TEdit* AppHelpFile = nullptr;
  kcl::TImage* AppIcon = nullptr;
  kcl::TEdit* TargetExt = nullptr;
  kcl::TCheckBox* cbShowHints = nullptr;
  kcl::TCheckBox* cbShowWarnings = nullptr;
  kcl::TRadioButton* rbMapOff = nullptr;
  kcl::TRadioButton* rbMapSegments = nullptr;
  kcl::TRadioButton* rbMapPublics = nullptr;
  kcl::TRadioButton* rbMapDetailed = nullptr;
  kcl::TRadioButton* rbGenerateDCUs = nullptr;
  kcl::TRadioButton* rbGenerateObjects = nullptr;
  kcl::TCheckBox* cbTD32DebugInfo = nullptr;
  kcl::TCheckBox* cbConsoleApp = nullptr;
  kcl::TEdit* MinStackSize = nullptr;
  kcl::TEdit* MaxStackSize = nullptr;
  kcl::TEdit* ImageBase = nullptr;
  kcl::TEdit* ExeDescription = nullptr;
  kcl::TEdit* OutputDir = nullptr;
  kcl::TEdit* UnitOutputDir = nullptr;
  kcl::TEdit* SearchPath = nullptr;
  kcl::TEdit* DebugSourcePath = nullptr;
  kcl::TEdit* Conditionals = nullptr;
  kcl::TEdit* UnitAliases = nullptr;
  kcl::TCheckBox* DefaultCheck = nullptr;
  kcl::TButton* OKButton = nullptr;
  kcl::TButton* CancelButton = nullptr;
  kcl::TButton* HelpButton = nullptr;
  kcl::TOpenDialog* OpenDialog1 = nullptr;

  void FormCreate(kcl::TObject* sender);
  // Drops the empty entries of the main-form box and of the available forms.
  void FormShow(kcl::TObject* sender);
  void MoveToAvailableButtonClick(kcl::TObject* sender);
  void MoveToAutoCreateButtonClick(kcl::TObject* sender);
  void AllToAvailableButtonClick(kcl::TObject* sender);
  void AllToAutoCreateButtonClick(kcl::TObject* sender);
  void BrowseButtonClick(kcl::TObject* sender);
  // Shows the icon chosen; it is not kept anywhere.
  void LoadIconButtonClick(kcl::TObject* sender);
  // Applies every page; a number that is not one is reported before anything
  // changes, and the dialog stays.
  void OKButtonClick(kcl::TObject* sender);
  void HelpButtonClick(kcl::TObject* sender);

  // The settings of the Compiler, Linker and Directories/Conditionals pages.
  TProjectConfig PagesConfig() const;
  void ShowConfig(const TProjectConfig& config);

private:
  // The compiler directive each check box stands for.
  std::vector<std::pair<kcl::TCheckBox*, char>> DirectiveBoxes() const;
  // The forms the program is to create, its main form first.
  std::vector<std::string> CreatedForms() const;
  void SaveConfig(const TProjectConfig& config) const;

  // The configuration as read when the dialog opened.
  TProjectConfig FReadConfig;
};

}  // namespace korvax
