#include "ide/designer/taborderdialog.h"

#include <algorithm>

#include "ide/common/layouts.h"
#include "ide/designer/proxyform.h"
#include "kcl/classes/classbuilder.h"

namespace korvax::designer {

using namespace kcl;

namespace {

TWinControl* ContainerOf(TProxyForm& form) {
  TControl* current = form.CurrentControl;
  if (!current) return &form;
  auto* container = dynamic_cast<TWinControl*>(current);
  if (container && current->ControlStyle().Contains(csAcceptsControls)) return container;
  return current->Parent() ? current->Parent() : &form;
}

}  // namespace

KCL_CLASS_INFO(TTabOrderDialog) {
  using T = TTabOrderDialog;
  cls.field("Label1", &T::Label1);
  cls.field("ControlList", &T::ControlList);
  cls.field("UpButton", &T::UpButton);
  cls.field("DownButton", &T::DownButton);
  cls.field("OKButton", &T::OKButton);
  cls.field("CancelButton", &T::CancelButton);
  cls.method("UpButtonClick", &T::UpButtonClick);
  cls.method("DownButtonClick", &T::DownButtonClick);
  cls.method("OKButtonClick", &T::OKButtonClick);
}

TTabOrderDialog::TTabOrderDialog(TComponent* owner) : TForm(owner) { LoadFromLayout(LayoutText("TabOrderDialog")); }

void TTabOrderDialog::SetDesigner(TProxyDesigner* designer) {
  FDesigner = designer;
  std::vector<TWinControl*> children;
  for (TControl* child : ContainerOf(*designer->Form)->Controls())
    if (auto* windowed = dynamic_cast<TWinControl*>(child);
        windowed && windowed->Owner() == designer->Form && !TProxyForm::IsDesignerControl(windowed))
      children.push_back(windowed);
  std::stable_sort(children.begin(), children.end(),
                   [](const TWinControl* a, const TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
  TStrings* rows = ControlList->Items();
  rows->Clear();
  for (TWinControl* child : children) rows->AddObject(child->Name() + ": " + child->ClassName(), child);
  if (!children.empty()) ControlList->SetItemIndex(0);
}

std::vector<TWinControl*> TTabOrderDialog::ListedOrder() const {
  std::vector<TWinControl*> order;
  const TStrings* rows = ControlList->Items();
  for (int i = 0; i < rows->Count(); ++i) order.push_back(dynamic_cast<TWinControl*>(rows->Objects(i)));
  return order;
}

void TTabOrderDialog::MoveSelected(int by) {
  const int from = ControlList->ItemIndex();
  const int to = from + by;
  if (from < 0 || to < 0 || to >= ControlList->Items()->Count()) return;
  ControlList->Items()->Exchange(from, to);
  ControlList->SetItemIndex(to);
}

void TTabOrderDialog::UpButtonClick(TObject*) { MoveSelected(-1); }

void TTabOrderDialog::DownButtonClick(TObject*) { MoveSelected(1); }

void TTabOrderDialog::OKButtonClick(TObject*) {
  if (FDesigner) FDesigner->SetTabOrders(ListedOrder());
}

}  // namespace korvax::designer
