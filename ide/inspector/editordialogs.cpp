#include "ide/inspector/editordialogs.h"

#include "ide/common/layouts.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/picture.h"

namespace korvax::inspector {

using namespace kcl;

KCL_CLASS_INFO(TStringsForm) {
  using T = TStringsForm;
  cls.field("Bevel1", &T::Bevel1);
  cls.field("Label1", &T::Label1);
  cls.field("btnOK", &T::btnOK);
  cls.field("btnCancel", &T::btnCancel);
  cls.field("btnHelp", &T::btnHelp);
  cls.field("Memo1", &T::Memo1);
  cls.method("FormShow", &T::FormShow);
  cls.method("Memo1Change", &T::Memo1Change);
}

TStringsForm::TStringsForm(TComponent* owner) : TForm(owner) { LoadFromLayout(LayoutText("StringsForm")); }

void TStringsForm::FormShow(TObject*) {
  if (Memo1->CanFocus()) Memo1->SetFocus();
}

void TStringsForm::Memo1Change(TObject*) { Label1->SetCaption(std::to_string(Memo1->Lines()->Count()) + "Line"); }

KCL_CLASS_INFO(TPictureEdit) {
  using T = TPictureEdit;
  cls.field("Bevel1", &T::Bevel1);
  cls.field("btnOK", &T::btnOK);
  cls.field("btnCancel", &T::btnCancel);
  cls.field("btnHelp", &T::btnHelp);
  cls.field("btnLoad", &T::btnLoad);
  cls.field("btnSave", &T::btnSave);
  cls.field("btnClear", &T::btnClear);
  cls.field("Panel1", &T::Panel1);
  cls.field("Image1", &T::Image1);
  cls.field("OpenDialog1", &T::OpenDialog1);
  cls.method("btnLoadClick", &T::btnLoadClick);
}

TPictureEdit::TPictureEdit(TComponent* owner) : TForm(owner) { LoadFromLayout(LayoutText("PictureEdit")); }

void TPictureEdit::btnLoadClick(TObject*) {
  if (OpenDialog1->Execute() && !OpenDialog1->FileName().empty()) Image1->Picture()->LoadFromFile(OpenDialog1->FileName());
}

}  // namespace korvax::inspector
