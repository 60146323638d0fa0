#include "ide/shell/viewform.h"

#include "ide/common/layouts.h"
#include "kcl/classes/classbuilder.h"

namespace korvax {

using namespace kcl;

KCL_CLASS_INFO(TViewForm) {
  using T = TViewForm;
  cls.field("NameEdit", &T::NameEdit);
  cls.field("NameList", &T::NameList);
  cls.field("OKButton", &T::OKButton);
  cls.field("CancelButton", &T::CancelButton);
  cls.field("HelpButton", &T::HelpButton);
  cls.method("FormShow", &T::FormShow);
  cls.method("NameListClick", &T::NameListClick);
  cls.method("NameListDblClick", &T::NameListDblClick);
}

TViewForm::TViewForm(TComponent* owner) : TForm(owner) { LoadFromLayout(LayoutText("ViewForm")); }

void TViewForm::FormShow(TObject*) {
  TStrings* items = NameList->Items();
  for (int i = items->Count() - 1; i >= 0; --i)
    if (items->Strings(i).empty()) items->Delete(i);
  // The form is not up yet: the list gets the focus as it comes up.
  SetActiveControl(NameList);
  if (items->Count() == 0) return;
  NameList->SetItemIndex(0);
  NameEdit->SetText(items->Strings(0));
}

void TViewForm::NameListClick(TObject*) {
  if (NameList->ItemIndex() >= 0) NameEdit->SetText(NameList->Items()->Strings(NameList->ItemIndex()));
}

void TViewForm::NameListDblClick(TObject*) {
  if (NameList->ItemIndex() >= 0) SetModalResult(mrOk);
}

}  // namespace korvax
