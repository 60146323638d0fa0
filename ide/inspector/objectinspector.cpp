#include "ide/inspector/objectinspector.h"

#include "ide/common/layouts.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "ide/designer/wrappercontrol.h"
#include "ide/inspector/propertyeditors.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::inspector {

using namespace kcl;
using designer::CurrentDesigner;
using designer::TWrapperControl;

KCL_CLASS_INFO(TObjectInspector) {
  using T = TObjectInspector;
  cls.field("Panel1", &T::Panel1);
  cls.field("ComponentList", &T::ComponentList);
  cls.field("PageControl1", &T::PageControl1);
  cls.field("TabProperty", &T::TabProperty);
  cls.field("PropertyBox", &T::PropertyBox);
  cls.field("StatusBar1", &T::StatusBar1);
  cls.field("cbValue", &T::cbValue);
  cls.field("edProperty", &T::edProperty);
  cls.field("Browse", &T::Browse);
  cls.field("TabEvent", &T::TabEvent);
  cls.field("EventBox", &T::EventBox);
  cls.field("edEvent", &T::edEvent);
  cls.field("cbEvent", &T::cbEvent);
  cls.method("FormCreate", &T::FormCreate);
  cls.method("FormShow", &T::FormShow);
  cls.method("FormActivate", &T::FormActivate);
  cls.method("FormResize", &T::FormResize);
  cls.method("ComponentListClick", &T::ComponentListClick);
  cls.method("PropertyBoxClick", &T::PropertyBoxClick);
  cls.method("PropertyBoxDblClick", &T::PropertyBoxDblClick);
  cls.method("PropertyBoxKeyDown", &T::PropertyBoxKeyDown);
  cls.method("PropertyBoxDrawItem", &T::PropertyBoxDrawItem);
  cls.method("PropertyBoxMouseDown", &T::PropertyBoxMouseDown);
  cls.method("PropertyBoxMouseMove", &T::PropertyBoxMouseMove);
  cls.method("PropertyBoxMouseUp", &T::PropertyBoxMouseUp);
  cls.method("EventBoxClick", &T::EventBoxClick);
  cls.method("EventBoxDrawItem", &T::EventBoxDrawItem);
  cls.method("EventBoxMouseDown", &T::EventBoxMouseDown);
  cls.method("EventBoxMouseMove", &T::EventBoxMouseMove);
  cls.method("EventBoxMouseUp", &T::EventBoxMouseUp);
  cls.method("cbValueChange", &T::cbValueChange);
  cls.method("cbValueDblClick", &T::cbValueDblClick);
  cls.method("cbValueKeyDown", &T::cbValueKeyDown);
  cls.method("edPropertyKeyDown", &T::edPropertyKeyDown);
  cls.method("edPropertyKeyPress", &T::edPropertyKeyPress);
  cls.method("BrowseClick", &T::BrowseClick);
  cls.method("edEventDblClick", &T::edEventDblClick);
  cls.method("cbEventChange", &T::cbEventChange);
}

TObjectInspector::TObjectInspector(TComponent* owner) : TForm(owner) { LoadFromLayout(LayoutText("ObjInsp")); }

TObjectInspector::~TObjectInspector() = default;

// --- window events

void TObjectInspector::FormCreate(TObject*) {
  RegisterPropertyEditors();
  FPropEditors = std::make_unique<TStringList>();
  FEventEditors = std::make_unique<TStringList>();
  SetLeft(0);
  PageControl1->SetActivePage(TabProperty);
  ComponentList->Items()->Add("Form1:TForm1");
}

void TObjectInspector::FormShow(TObject*) { FSplitX = PropertyBox->Width() / 2; }

void TObjectInspector::FormActivate(TObject*) {
  RefreshComponentList();
  // The entry of the component the rows show stays selected: an event handler
  // made next is named after it.
  if (FComponent) SelectEntryOf(FComponent);
}

void TObjectInspector::FormResize(TObject*) {
  ComponentList->SetWidth(Width() - 10);
  if (PropertyBox->ItemIndex() >= 0) FValueRect.Right = PropertyBox->ItemRect(PropertyBox->ItemIndex()).Right;
  for (TControl* control : std::initializer_list<TControl*>{Browse, edProperty, edEvent, cbValue})
    if (control->Visible()) return ShowEditor(control);
}

// --- the component list

std::string TObjectInspector::NameBeforeColon(const std::string& entry) {
  const size_t colon = entry.find(':');
  return colon == std::string::npos || colon == 0 ? "" : entry.substr(0, colon);
}

void TObjectInspector::RefreshComponentList() {
  if (!CurrentDesigner) return;
  ComponentList->Items()->Clear();
  for (const std::string& entry : CurrentDesigner->ComponentListEntries()) ComponentList->Items()->Add(entry);
  ComponentList->SetItemIndex(0);
}

TComponent* TObjectInspector::FindSelectedComponent(TControl*& wrapper) const {
  wrapper = nullptr;
  if (!CurrentDesigner || ComponentList->ItemIndex() < 0) return nullptr;
  const std::string name = NameBeforeColon(ComponentList->Items()->Strings(ComponentList->ItemIndex()));
  designer::TProxyForm* form = CurrentDesigner->Form;
  if (name.empty()) return nullptr;
  if (SameText(name, form->Name())) return form;
  wrapper = dynamic_cast<TControl*>(form->FindComponent(TWrapperControl::WrapperName(name)));
  return form->FindComponent(name);
}

void TObjectInspector::ComponentListClick(TObject*) {
  TControl* wrapper = nullptr;
  if (TComponent* component = FindSelectedComponent(wrapper)) InspectComponent(wrapper, component);
}

void TObjectInspector::ComponentInspected(TControl* wrapper, TComponent* component) {
  InspectComponent(wrapper, component);
}

void TObjectInspector::InspectComponent(TControl* wrapper, TComponent* component) {
  if (!component) return;
  ShowEditor(nullptr);
  LoadComponent(component);
  if (CurrentDesigner) CurrentDesigner->SelectComponent(wrapper ? static_cast<TPersistent*>(wrapper) : component);
  FComponent = component;
  component->FreeNotification(this);
  SelectEntryOf(component);
}

void TObjectInspector::Notification(TComponent* component, TOperation operation) {
  TForm::Notification(component, operation);
  if (operation != opRemove || component != FComponent) return;
  FComponent = nullptr;
  ShowEditor(nullptr);
  ClearRows();
}

void TObjectInspector::SelectEntryOf(TComponent* component) {
  const auto* wrapper = dynamic_cast<TWrapperControl*>(component);
  const std::string entry =
      designer::TProxyDesigner::NameEntry(wrapper && wrapper->Component ? wrapper->Component : component);
  ComponentList->SetItemIndex(ComponentList->Items()->IndexOf(entry));
}

void TObjectInspector::RemoveEntry(const std::string& entry) {
  TStrings* entries = ComponentList->Items();
  if (const int at = entries->IndexOf(entry); at >= 0) entries->Delete(at);
}

void TObjectInspector::Edited(const designer::TDesignEdit& edit) {
  using enum designer::TDesignEditKind;
  if (edit.Kind == Rename && !edit.Components.empty()) {
    // Told before the component takes its new name: its entry changes alone.
    TComponent* renamed = edit.Components.front();
    RemoveEntry(designer::TProxyDesigner::NameEntry(renamed, edit.OldName));
    const int entry = ComponentList->Items()->Add(designer::TProxyDesigner::NameEntry(renamed, edit.NewName));
    if (renamed == FComponent) ComponentList->SetItemIndex(entry);
    return;
  }
  if (edit.Kind == Delete) {
    // Told while the components are still there: their entries go one by one.
    for (TComponent* gone : edit.Components) RemoveEntry(designer::TProxyDesigner::NameEntry(gone));
    return;
  }
  if (edit.Kind != Place && edit.Kind != Paste) return;
  RefreshComponentList();
  // Told while the deleted components still live: their entries go now.
  if (edit.Kind == Delete)
    for (TComponent* component : edit.Components)
      if (const int entry = ComponentList->Items()->IndexOf(designer::TProxyDesigner::NameEntry(component)); entry >= 0)
        ComponentList->Items()->Delete(entry);
  if (FComponent) SelectEntryOf(FComponent);
}

void TObjectInspector::Restored(const std::string&) {
  // The form was read again: every component is another.
  RefreshComponentList();
  if (FComponent) SelectEntryOf(FComponent);
}

void TObjectInspector::CommandWanted(designer::TDesignCommand command, designer::TProxyDesigner&) {
  if (command != designer::TDesignCommand::FocusInspector) return;
  Show();
  if (CanFocus()) SetFocus();
}

}  // namespace korvax::inspector
