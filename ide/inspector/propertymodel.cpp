// The inspector's rows and editor lists for one component.
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "ide/inspector/objectinspector.h"
#include "ide/inspector/propertyrows.h"

namespace korvax::inspector {

using namespace kcl;

void TObjectInspector::LoadComponent(TComponent* component) {
  BuildEditorLists(component);
  ListProperties(component);
}

void TObjectInspector::BuildEditorLists(TComponent* component) {
  FPropEditors->BeginUpdate();
  FEventEditors->BeginUpdate();
  ClearRows();
  const std::vector<TPersistent*> components{component};
  TFormDesigner* designer = designer::CurrentDesigner;
  GetComponentProperties(components, tkProperties, designer, [this](std::unique_ptr<TPropertyEditor> editor) {
    editor->Initialize();
    FPropEditors->AddObject(editor->GetName(), editor.get());
    FEditors.push_back(std::move(editor));
  });
  GetComponentProperties(components, tkMethods, designer, [this](std::unique_ptr<TPropertyEditor> editor) {
    FEventEditors->AddObject(editor->GetName(), editor.get());
    FEditors.push_back(std::move(editor));
  });
  FPropEditors->EndUpdate();
  FEventEditors->EndUpdate();
}

void TObjectInspector::ClearRows() {
  PropertyBox->Clear();
  EventBox->Clear();
  FPropEditors->Clear();
  FEventEditors->Clear();
  FEditor = nullptr;
  FEditors.clear();
  FSubRowCounts.clear();
}

void TObjectInspector::ListProperties(TComponent* instance) {
  for (PPropInfo prop : GetPropList(instance->ClassType(), tkProperties))
    PropertyBox->Items()->Add(PropertyRowText(prop, PropertyValueText(prop, instance)));
  // An event shows the handler the designer bound to it; its editor is its row's.
  for (int i = 0; i < FEventEditors->Count(); ++i) {
    auto* editor = static_cast<TPropertyEditor*>(FEventEditors->Objects(i));
    EventBox->Items()->Add(PropertyRowText(editor->GetPropInfo(), editor->GetValue()));
  }
}

void TObjectInspector::AddSubProperty(std::unique_ptr<TPropertyEditor> editor) {
  // Each goes right below the parent row, so they end up in reverse order.
  editor->Initialize();
  const int at = PropertyBox->ItemIndex() + 1;
  const std::string row = SubPropertyRowText(editor->GetName(), editor->GetValue());
  FPropEditors->InsertObject(at, editor->GetName(), editor.get());
  PropertyBox->Items()->Insert(at, row);
  FEditors.push_back(std::move(editor));
}

void TObjectInspector::RemoveSubProperties(PPropInfo prop, TObject* instance) {
  if (!prop || !instance) return;
  const int selected = PropertyBox->ItemIndex();
  if (selected < 0 || selected >= FPropEditors->Count()) return;
  // As many rows as the expansion inserted: an object property holding nothing
  // inserted none, and a sub-row rebuilt after an edit has lost its indent.
  const auto parent = FSubRowCounts.find(FPropEditors->Objects(selected));
  if (parent == FSubRowCounts.end()) return;
  for (int k = parent->second; k >= 1; --k) {
    auto* editor = static_cast<TPropertyEditor*>(FPropEditors->Objects(selected + k));
    FPropEditors->Delete(selected + k);
    PropertyBox->Items()->Delete(selected + k);
    if (editor == FEditor) FEditor = nullptr;
    std::erase_if(FEditors, [editor](const auto& owned) { return owned.get() == editor; });
  }
  FSubRowCounts.erase(parent);
}

}  // namespace korvax::inspector
