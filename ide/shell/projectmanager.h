#pragma once
// TProjectManager: the project's units with their forms, and buttons to add,
// remove and open them and to reach the project options. Not modal: each View
// command opens another one.
#include "kcl/components/buttons.h"
#include "kcl/components/dialogs.h"
#include "kcl/components/extctrls.h"
#include "kcl/components/listview.h"
#include "kcl/components/statusbar.h"
#include "kcl/controls/form.h"

namespace korvax {

class TProjectManager : public kcl::TForm {
  KCL_CLASS(TProjectManager, kcl::TForm)
public:
  // Builds the window from its layout "ProjectManager".
  explicit TProjectManager(kcl::TComponent* owner);

  kcl::TPanel* ButtonPanel = nullptr;
  kcl::TSpeedButton* AddButton = nullptr;
  kcl::TSpeedButton* RemoveButton = nullptr;
  kcl::TSpeedButton* UnitButton = nullptr;
  kcl::TSpeedButton* FormButton = nullptr;
  kcl::TSpeedButton* OptionsButton = nullptr;
  kcl::TSpeedButton* UpdateButton = nullptr;
  kcl::TListView* ListView1 = nullptr;
  kcl::TStatusBar* StatusBar1 = nullptr;
  kcl::TOpenDialog* OpenDialog1 = nullptr;

  // The project file and its number of units in the status bar, and the list.
  void FormCreate(kcl::TObject* sender);
  void FormClose(kcl::TObject* sender, kcl::TCloseAction& action);
  // One row per Units entry.
  void FillList();
  void AddButtonClick(kcl::TObject* sender);
  // Takes the selected unit out of the project source; its row goes, its Units
  // and Forms entries stay.
  void RemoveButtonClick(kcl::TObject* sender);
  // "Unit" and "Form": opens the selected unit with its form.
  void UnitButtonClick(kcl::TObject* sender);
  void OptionsButtonClick(kcl::TObject* sender);
};

}  // namespace korvax
