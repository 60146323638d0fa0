#include "ide/shell/projectmanager.h"

#include "ide/common/layouts.h"
#include "ide/common/routines.h"
#include "ide/project/projectpaths.h"
#include "ide/shell/mainform.h"
#include "ide/shell/projectmembers.h"
#include "ide/shell/projoption.h"
#include "ide/shell/unitlist.h"
#include "kcl/classes/classbuilder.h"

namespace korvax {

using namespace kcl;

namespace {
// "units" in Korean, in code page 949: the status bar's font is Korean.
const char* const UnitsWord = "\xC0\xAF\xB4\xCF\xC6\xAE";
}  // namespace

KCL_CLASS_INFO(TProjectManager) {
  using T = TProjectManager;
  cls.field("ButtonPanel", &T::ButtonPanel);
  cls.field("AddButton", &T::AddButton);
  cls.field("RemoveButton", &T::RemoveButton);
  cls.field("UnitButton", &T::UnitButton);
  cls.field("FormButton", &T::FormButton);
  cls.field("OptionsButton", &T::OptionsButton);
  cls.field("UpdateButton", &T::UpdateButton);
  cls.field("ListView1", &T::ListView1);
  cls.field("StatusBar1", &T::StatusBar1);
  cls.field("OpenDialog1", &T::OpenDialog1);
  cls.method("FormCreate", &T::FormCreate);
  cls.method("FormClose", &T::FormClose);
  cls.method("AddButtonClick", &T::AddButtonClick);
  cls.method("RemoveButtonClick", &T::RemoveButtonClick);
  cls.method("UnitButtonClick", &T::UnitButtonClick);
  cls.method("OptionsButtonClick", &T::OptionsButtonClick);
}

TProjectManager::TProjectManager(TComponent* owner) : TForm(owner) { LoadFromLayout(LayoutText("ProjectManager")); }

void TProjectManager::FormCreate(TObject*) {
  const TProjectInfo& project = *FMainForm->ProjectInfo;
  StatusBar1->Panels()->Items(0)->SetText(project.ProjectFile() + "," + std::to_string(project.Units()->Count()) +
                                          UnitsWord);
  FillList();
}

void TProjectManager::FormClose(TObject*, TCloseAction& action) { action = caFree; }

void TProjectManager::FillList() { FillUnitList(*ListView1, *FMainForm->ProjectInfo); }

void TProjectManager::AddButtonClick(TObject*) {
  OpenDialog1->SetFileName("");
  if (!OpenDialog1->Execute()) return;
  AddUnitToProject(*FMainForm->ProjectInfo, OpenDialog1->FileName());
  FillList();
}

void TProjectManager::RemoveButtonClick(TObject*) {
  TListItem* row = ListView1->Selected();
  if (!row) return;
  RemoveUnitFromSource(*FMainForm->ProjectInfo, row->Caption());
  row->Delete();
}

void TProjectManager::UnitButtonClick(TObject*) {
  TListItem* row = ListView1->Selected();
  if (!row) return;
  Screen()->SetCursor(crHourGlass);
  OnScopeExit restoreCursor([] { Screen()->SetCursor(crDefault); });
  FMainForm->OpenFile(UnitFileOfEntry(FMainForm->ProjectInfo->ProjectDir(), row->Caption()));
  SetModalResult(mrOk);
}

void TProjectManager::OptionsButtonClick(TObject*) {
  ShowModalDialog<TProjOption>();
  SetModalResult(mrOk);
}

}  // namespace korvax
