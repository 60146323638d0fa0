// The designer's edits that add or take away several components at once: select
// all, a paste and deleting.
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
  Form->CurrentControl = nullptr;
  const std::vector<TControl*> selected = Selection;
  ClearSelection();
  DeleteControls(selected);
  ReselectLast();
}

void TProxyDesigner::DeleteComponent(TComponent* component, bool reselect) {
  if (!component || component == Form) return;
  auto* control = dynamic_cast<TControl*>(component);
  if (!control) control = dynamic_cast<TControl*>(Form->FindComponent(TWrapperControl::WrapperName(component->Name())));
  if (control) DeleteControls({control});
  if (reselect) ReselectLast();
}

void TProxyDesigner::DeleteControls(const std::vector<TControl*>& controls) {
  std::vector<TControl*> roots;
  for (TControl* control : controls)
    if (control && control != Form) roots.push_back(control);
  if (roots.empty()) return;
  // What goes, in the order the form owns it: every root and every control
  // inside one, a wrapper as the component it stands for.
  TDesignEdit edit{TDesignEditKind::Delete, {}};
  std::vector<TComponent*> wrapped;
  for (int i = 0; i < Form->ComponentCount(); ++i) {
    auto* control = dynamic_cast<TControl*>(Form->Components(i));
    if (!control || (std::find(roots.begin(), roots.end(), control) == roots.end() && !IsWithin(control, roots)))
      continue;
    auto* wrapper = dynamic_cast<TWrapperControl*>(control);
    if (wrapper && !wrapper->Component) continue;
    if (wrapper) wrapped.push_back(wrapper->Component);
    edit.Components.push_back(ComponentOf(control));
    // A menu's items go with it.
    if (auto* menu = wrapper ? dynamic_cast<TMenu*>(wrapper->Component) : nullptr)
      for (int item = 0; item < menu->Items()->Count(); ++item)
        for (TComponent* component : MenuItemTree(menu->Items()->Items(item))) edit.Components.push_back(component);
  }
  for (TComponent* component : edit.Components)
    if (const int entry = Form->ComponentNames->IndexOf(NameEntry(component)); entry >= 0)
      Form->ComponentNames->Delete(entry);
  // Told while the components are there: the unit's field lines name them.
  if (!edit.Components.empty()) Notify(edit);
  // A component may free others as it goes: each is freed only while the form
  // still owns it.
  const auto owned = [this](const TComponent* component) {
    for (int i = 0; i < Form->ComponentCount(); ++i)
      if (Form->Components(i) == component) return true;
    return false;
  };
  for (TComponent* component : wrapped)
    if (owned(component)) component->Free();
  for (TControl* control : roots)
    if (owned(control) && !IsWithin(control, roots)) control->Free();  // the others go with their container
  RecordStep();
}

void TProxyDesigner::ReselectLast() {
  TComponent* component = Form;
  if (const int count = Form->ComponentNames->Count(); count > 0) {
    const std::string last = Form->ComponentNames->Strings(count - 1);
    const std::vector<std::string> entries = ComponentListEntries();
    if (std::find(entries.begin(), entries.end(), last) != entries.end())
      if (TComponent* found = Form->FindComponent(last.substr(0, last.find(':')))) component = found;
  }
  InspectComponent(dynamic_cast<TControl*>(Form->FindComponent(TWrapperControl::WrapperName(component->Name()))),
                   component);
}

}  // namespace korvax::designer
