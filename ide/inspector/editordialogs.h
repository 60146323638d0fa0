#pragma once
// The dialogs of the inspector's own property editors: a string list in a memo
// and a picture loaded from a file.
#include "kcl/components/buttons.h"
#include "kcl/components/edit.h"
#include "kcl/components/extctrls.h"
#include "kcl/components/image.h"
#include "kcl/components/label.h"
#include "kcl/components/picturedialogs.h"
#include "kcl/components/stdctrls.h"
#include "kcl/controls/form.h"

namespace korvax::inspector {

class TStringsForm : public kcl::TForm {
  KCL_CLASS(TStringsForm, kcl::TForm)
public:
  explicit TStringsForm(kcl::TComponent* owner);

  kcl::TBevel* Bevel1 = nullptr;
  kcl::TLabel* Label1 = nullptr;
  kcl::TBitBtn* btnOK = nullptr;
  kcl::TBitBtn* btnCancel = nullptr;
  kcl::TBitBtn* btnHelp = nullptr;
  kcl::TMemo* Memo1 = nullptr;

  void FormShow(kcl::TObject* sender);
  // The line count, as "3Line".
  void Memo1Change(kcl::TObject* sender);
};

class TPictureEdit : public kcl::TForm {
  KCL_CLASS(TPictureEdit, kcl::TForm)
public:
  explicit TPictureEdit(kcl::TComponent* owner);

  kcl::TBevel* Bevel1 = nullptr;
  kcl::TBitBtn* btnOK = nullptr;
  kcl::TBitBtn* btnCancel = nullptr;
  kcl::TBitBtn* btnHelp = nullptr;
  kcl::TButton* btnLoad = nullptr;
  kcl::TButton* btnSave = nullptr;
  kcl::TButton* btnClear = nullptr;
  kcl::TPanel* Panel1 = nullptr;
  kcl::TImage* Image1 = nullptr;
  kcl::TOpenPictureDialog* OpenDialog1 = nullptr;

  // The chosen file's picture; the framework picks the graphic by extension.
  void btnLoadClick(kcl::TObject* sender);
};

}  // namespace korvax::inspector
