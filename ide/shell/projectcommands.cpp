// The main window's project commands: adding and removing units, the project
// manager and the project options.
#include "ide/common/routines.h"
#include "ide/shell/mainform.h"
#include "ide/shell/projectmanager.h"
#include "ide/shell/projectmembers.h"
#include "ide/shell/projoption.h"
#include "ide/shell/removeproject.h"

namespace korvax {

using namespace kcl;

void TFMainForm::FileAddToProjectItemClick(TObject*) {
  OpenDialog1->SetTitle("Add to Project");
  OpenDialog1->SetFilter(DelphiFilesFilter);
  OpenDialog1->SetFileName("");
  OpenDialog1->SetFilterIndex(3);
  if (!OpenDialog1->Execute()) return;
  if (AddUnitToProject(*ProjectInfo, OpenDialog1->FileName())) sbSaveAll->SetEnabled(true);
}

void TFMainForm::FileRemoveFromProjectItemClick(TObject*) { ShowModalDialog<TRemoveProject>(); }

void TFMainForm::ViewProjectManagerItemClick(TObject*) {
  // Each command opens another manager; a closed one frees itself.
  auto* manager = new TProjectManager(Application());
  manager->Show();
}

void TFMainForm::ProjectOptionsItemClick(TObject*) { ShowModalDialog<TProjOption>(); }

}  // namespace korvax
