#pragma once
// TRemoveProject: "Remove from Project", which takes the chosen unit out of the
// project source's uses clause. Units and Forms keep their entries.
#include "kcl/components/listview.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/form.h"

namespace korvax {

class TRemoveProject : public kcl::TForm {
  KCL_CLASS(TRemoveProject, kcl::TForm)
public:
  // Builds the dialog from its layout "RemoveProject".
  explicit TRemoveProject(kcl::TComponent* owner);

  kcl::TListView* ListView1 = nullptr;
  kcl::TButton* OKButton = nullptr;
  kcl::TButton* CancelButton = nullptr;
  kcl::TButton* HelpButton = nullptr;

  // The project's units.
  void FormCreate(kcl::TObject* sender);
  // Removes the selected unit and closes; without a selection it only closes.
  void OKButtonClick(kcl::TObject* sender);
};

}  // namespace korvax
