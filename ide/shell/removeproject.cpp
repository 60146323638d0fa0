#include "ide/shell/removeproject.h"

#include "ide/common/layouts.h"
#include "ide/shell/mainform.h"
#include "ide/shell/projectmembers.h"
#include "ide/shell/unitlist.h"
#include "kcl/classes/classbuilder.h"

namespace korvax {

using namespace kcl;

KCL_CLASS_INFO(TRemoveProject) {
  using T = TRemoveProject;
  cls.field("ListView1", &T::ListView1);
  cls.field("OKButton", &T::OKButton);
  cls.field("CancelButton", &T::CancelButton);
  cls.field("HelpButton", &T::HelpButton);
  cls.method("FormCreate", &T::FormCreate);
  cls.method("OKButtonClick", &T::OKButtonClick);
}

TRemoveProject::TRemoveProject(TComponent* owner) : TForm(owner) { LoadFromLayout(LayoutText("RemoveProject")); }

void TRemoveProject::FormCreate(TObject*) { FillUnitList(*ListView1, *FMainForm->ProjectInfo); }

void TRemoveProject::OKButtonClick(TObject*) {
  if (TListItem* row = ListView1->Selected()) RemoveUnitFromSource(*FMainForm->ProjectInfo, row->Caption());
  SetModalResult(mrOk);
}

}  // namespace korvax
