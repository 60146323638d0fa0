// The designer's edits that add or take away several components at once: a paste
// and the deletion of the selection.
#include <algorithm>

#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "ide/designer/wrappercontrol.h"
#include "kcl/controls/control.h"
#include "kcl/controls/menus.h"

namespace korvax::designer {

using namespace kcl;

namespace {

bool IsWithin(const TControl* control, const std::vector<TControl*>& containers) {
  for (const TWinControl* parent = control->Parent(); parent; parent = parent->Parent())
    if (std::find(containers.begin(), containers.end(), parent) != containers.end()) return true;
  return false;
}

}  // namespace

void TProxyDesigner::SelectAll() {
  ClearSelection();
  std::vector<TComponent*> components;
  for (int i = 0; i < Form->ComponentCount(); ++i)
    if (!TProxyForm::IsDesignerControl(Form->Components(i))) components.push_back(Form->Components(i));
  const bool multiSelect = MultiSelect;
  MultiSelect = true;
  for (TComponent* component : components) SelectComponent(component);
  MultiSelect = multiSelect;
}

void TProxyDesigner::AddPasted(int first, const std::vector<TComponent*>& topLevel, TPoint offset) {
  std::vector<TComponent*> added;
  for (int i = first; i < Form->ComponentCount(); ++i) added.push_back(Form->Components(i));
  for (TComponent* component : added) {
    component->SetDesigning(true);
    if (auto* control = dynamic_cast<TControl*>(component)) {
      TControlStyle style = control->ControlStyle();
      style.Include(csNoStdEvents);
      control->SetControlStyle(style);
    }
  }
  ClearSelection();
  const bool multiSelect = MultiSelect;
  MultiSelect = true;
  for (TComponent* component : topLevel) {
    TControl* designControl = dynamic_cast<TControl*>(component);
    if (designControl) {
      designControl->SetBounds(designControl->Left() + offset.X, designControl->Top() + offset.Y,
                               designControl->Width(), designControl->Height());
    } else {
      auto* wrapper = new TWrapperControl(Form, component);
      wrapper->SetName(TWrapperControl::WrapperName(component->Name()));
      wrapper->SetParent(Form);
      wrapper->SetBounds(wrapper->Left() + offset.X, wrapper->Top() + offset.Y, wrapper->Width(), wrapper->Height());
      wrapper->SetDesigning(true);
      designControl = wrapper;
    }
    Form->CurrentControl = designControl;
    AddComponentName(component);
    SelectComponent(designControl);
  }
  MultiSelect = multiSelect;
  KeepWrappersLast();
  Notify({TDesignEditKind::Paste, added});
}

void TProxyDesigner::DeleteSelection() {
  // The form itself may be selected beside its controls: it stays.
  std::vector<TControl*> selected = Selection;
  std::erase(selected, Form);
  if (selected.empty()) return;
  // What goes: the selected components and every control inside a selected one.
  std::vector<TComponent*> going;
  for (int i = 0; i < Form->ComponentCount(); ++i) {
    TComponent* component = Form->Components(i);
    auto* control = dynamic_cast<TControl*>(component);
    if (TProxyForm::IsDesignerControl(component) || !control) continue;
    if (IsSelected(control) || IsWithin(control, selected)) going.push_back(component);
  }
  for (TControl* control : selected)
    if (auto* wrapper = dynamic_cast<TWrapperControl*>(control); wrapper && wrapper->Component) {
      going.push_back(wrapper->Component);
      // A menu's items go with it.
      if (auto* menu = dynamic_cast<TMenu*>(wrapper->Component))
        for (int i = 0; i < menu->Items()->Count(); ++i)
          for (TComponent* item : MenuItemTree(menu->Items()->Items(i))) going.push_back(item);
    }
  ClearSelection();
  Notify({TDesignEditKind::Delete, going});
  // A component may free others as it goes (a menu its items): each is freed
  // only while the form still owns it.
  const auto owned = [this](const TComponent* component) {
    for (int i = 0; i < Form->ComponentCount(); ++i)
      if (Form->Components(i) == component) return true;
    return false;
  };
  for (TControl* control : selected) {
    if (!owned(control) || IsWithin(control, selected)) continue;  // it went with its container
    if (auto* wrapper = dynamic_cast<TWrapperControl*>(control); wrapper && wrapper->Component && owned(wrapper->Component))
      wrapper->Component->Free();
    if (owned(control)) control->Free();
  }
  InspectComponent(nullptr, Form);
  RecordStep();
}

}  // namespace korvax::designer
