#include "ide/shell/windowlist.h"

#include "ide/common/layouts.h"
#include "ide/common/routines.h"
#include "ide/shell/mainform.h"
#include "kcl/classes/classbuilder.h"

namespace korvax {

using namespace kcl;

KCL_CLASS_INFO(TWindowList) {
  using T = TWindowList;
  cls.field("FormsList", &T::FormsList);
  cls.field("OKButton", &T::OKButton);
  cls.field("CancelButton", &T::CancelButton);
  cls.field("HelpButton", &T::HelpButton);
  cls.method("OKButtonClick", &T::OKButtonClick);
}

TWindowList::TWindowList(TComponent* owner) : TForm(owner) {
  LoadFromLayout(LayoutText("WindowList"));
  for (int i = 0; i < Screen()->FormCount(); ++i) FormsList->Items()->Add(Screen()->Forms(i)->Name());
}

void TWindowList::OKButtonClick(TObject*) {
  SetModalResult(mrOk);
  const int index = FormsList->ItemIndex();
  if (index < 0) return;
  const std::string name = FormsList->Items()->Strings(index);
  for (int i = 0; i < Screen()->FormCount(); ++i) {
    TCustomForm* form = Screen()->Forms(i);
    if (form->Name() != name) continue;
    form->Show();
    if (form->CanFocus()) form->SetFocus();
    return;
  }
}

void TFMainForm::ViewWindowListItemClick(TObject*) { ShowModalDialog<TWindowList>(); }

}  // namespace korvax
