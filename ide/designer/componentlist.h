#pragma once
// The Component List dialog: every palette class by name, searchable, added to
// the design form one below the other in columns 20 pixels apart.
#include <functional>

#include "kcl/components/edit.h"
#include "kcl/components/label.h"
#include "kcl/components/listbox.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/form.h"

namespace korvax::designer {

class TComponentList : public kcl::TForm {
  KCL_CLASS(TComponentList, kcl::TForm)
public:
  // Builds the dialog from its layout "ComponentList".
  explicit TComponentList(kcl::TComponent* owner);

  kcl::TLabel* Label1 = nullptr;
  kcl::TEdit* Edit1 = nullptr;
  kcl::TListBox* CompList = nullptr;
  kcl::TButton* btnAdd = nullptr;
  kcl::TButton* btnCancel = nullptr;

  // Where the next component goes on the design form.
  int NextLeft = 0;
  int NextTop = 0;

  // Places a component of the class at (left, top) on the design form and
  // returns the form's client height, or -1 when there is no design form:
  // through the current designer, unless replaced.
  std::function<int(kcl::TClass componentClass, int left, int top)> OnPlaceComponent;

  void FormCreate(kcl::TObject* sender);
  void FormShow(kcl::TObject* sender);
  void Edit1Change(kcl::TObject* sender);
  void btnAddClick(kcl::TObject* sender);
  void btnCancelClick(kcl::TObject* sender);
};

}  // namespace korvax::designer
