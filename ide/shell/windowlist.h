#pragma once
// TWindowList: "Window List", the names of the application's forms in the screen's
// order; OK brings up the form chosen.
#include "kcl/components/listbox.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/form.h"

namespace korvax {

class TWindowList : public kcl::TForm {
  KCL_CLASS(TWindowList, kcl::TForm)
public:
  // Builds the dialog from its layout "WindowList" and lists the forms.
  explicit TWindowList(kcl::TComponent* owner);

  kcl::TListBox* FormsList = nullptr;
  kcl::TButton* OKButton = nullptr;
  kcl::TButton* CancelButton = nullptr;
  kcl::TButton* HelpButton = nullptr;

  // Closes with OK, showing and focusing the first form of the selected name.
  void OKButtonClick(kcl::TObject* sender);
};

}  // namespace korvax
