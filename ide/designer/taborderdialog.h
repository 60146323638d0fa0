#pragma once
// The Edit Tab Order dialog: the windowed controls of one container of the design
// form in tab order, moved up and down, given their new order through the
// designer as one edit when OK is pressed.
#include <vector>

#include "ide/designer/proxydesigner.h"
#include "kcl/components/label.h"
#include "kcl/components/listbox.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/form.h"

namespace korvax::designer {

class TTabOrderDialog : public kcl::TForm {
  KCL_CLASS(TTabOrderDialog, kcl::TForm)
public:
  // Builds the dialog from its layout "TabOrderDialog".
  explicit TTabOrderDialog(kcl::TComponent* owner);

  kcl::TLabel* Label1 = nullptr;
  kcl::TListBox* ControlList = nullptr;
  kcl::TButton* UpButton = nullptr;
  kcl::TButton* DownButton = nullptr;
  kcl::TButton* OKButton = nullptr;
  kcl::TButton* CancelButton = nullptr;

  // Lists the children of the designer's container: the current control when it
  // holds controls, else its parent, else the form. Rows read "Button1: TButton".
  void SetDesigner(TProxyDesigner* designer);
  // The controls in the order the list shows them.
  std::vector<kcl::TWinControl*> ListedOrder() const;

  void UpButtonClick(kcl::TObject* sender);
  void DownButtonClick(kcl::TObject* sender);
  void OKButtonClick(kcl::TObject* sender);

private:
  void MoveSelected(int by);

  TProxyDesigner* FDesigner = nullptr;
};

}  // namespace korvax::designer
