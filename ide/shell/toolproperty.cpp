#include "ide/shell/toolproperty.h"

#include "ide/common/environment.h"
#include "ide/common/layouts.h"
#include "ide/shell/toolsettings.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/rtl/sysutils.h"

namespace korvax {

using namespace kcl;

KCL_CLASS_INFO(TToolProperty) {
  using T = TToolProperty;
  cls.field("Label1", &T::Label1);
  cls.field("Label2", &T::Label2);
  cls.field("TitleEdit", &T::TitleEdit);
  cls.field("ProgramEdit", &T::ProgramEdit);
  cls.field("OKButton", &T::OKButton);
  cls.field("CancelButton", &T::CancelButton);
  cls.field("HelpButton", &T::HelpButton);
  cls.field("BrowseButton", &T::BrowseButton);
  cls.field("OpenDialog1", &T::OpenDialog1);
  cls.method("OKButtonClick", &T::OKButtonClick);
  cls.method("BrowseButtonClick", &T::BrowseButtonClick);
}

TToolProperty::TToolProperty(TComponent* owner) : TForm(owner) { LoadFromLayout(LayoutText("ToolProperty")); }

std::string TToolProperty::Title() const { return Trim(TitleEdit->Text()); }

void TToolProperty::OKButtonClick(TObject*) {
  if (Title().empty() || !IniFile) {
    SetModalResult(mrCancel);
    return;
  }
  SaveTool(*IniFile, EditedTitle, Title(), ProgramEdit->Text());
  SetModalResult(mrOk);
}

void TToolProperty::BrowseButtonClick(TObject*) {
  if (OpenDialog1->Execute()) ProgramEdit->SetText(OpenDialog1->FileName());
}

}  // namespace korvax
