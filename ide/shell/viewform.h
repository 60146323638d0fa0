#pragma once
// TViewForm: the unit and form chooser ("Unit List", "Form List"). The caller
// fills the sorted list and reads the name box, so a typed name counts too.
#include "kcl/components/edit.h"
#include "kcl/components/listbox.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/form.h"

namespace korvax {

class TViewForm : public kcl::TForm {
  KCL_CLASS(TViewForm, kcl::TForm)
public:
  // Builds the chooser from its layout "ViewForm".
  explicit TViewForm(kcl::TComponent* owner);

  kcl::TEdit* NameEdit = nullptr;
  kcl::TListBox* NameList = nullptr;
  kcl::TButton* OKButton = nullptr;
  kcl::TButton* CancelButton = nullptr;
  kcl::TButton* HelpButton = nullptr;

  // Drops empty entries, focuses the list and takes its first entry.
  void FormShow(kcl::TObject* sender);
  // The entry clicked goes into the name box; a double click chooses it.
  void NameListClick(kcl::TObject* sender);
  void NameListDblClick(kcl::TObject* sender);
};

}  // namespace korvax
