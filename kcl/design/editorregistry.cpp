#include <mutex>
#include <stdexcept>

#include "kcl/classes/persistent.h"
#include "kcl/design/propertyeditor.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

struct TEditorRegistration {
  const TTypeInfo* PropertyType;
  TClass ComponentClass;
  std::string PropertyName;
  TPropertyEditorClass EditorClass;
};

struct TEditorRegistry {
  std::mutex Lock;
  std::vector<TEditorRegistration> Entries;  // oldest first
};

TEditorRegistry& Registry() {
  static TEditorRegistry registry;
  return registry;
}

// A class type covers its descendants; other types match by table or by name.
bool TypeMatches(const TTypeInfo* registered, const TTypeInfo* propType) {
  if (registered == propType) return true;
  if (propType->Kind == tkClass)
    return registered->Kind == tkClass && registered->Data.ClassType && propType->Data.ClassType &&
           propType->Data.ClassType->InheritsFrom(registered->Data.ClassType);
  return registered->Kind != tkClass && SameText(registered->Name, propType->Name);
}

bool Matches(const TEditorRegistration& entry, const TPersistent* instance, PPropInfo prop) {
  return TypeMatches(entry.PropertyType, prop->PropType) &&
         (!entry.ComponentClass || instance->InheritsFrom(entry.ComponentClass)) &&
         (entry.PropertyName.empty() || SameText(entry.PropertyName, prop->Name));
}

TPropertyEditorClass DefaultEditorClass(TTypeKind kind) {
  switch (kind) {
    case tkInteger: return EditorClassOf<TIntegerProperty>();
    case tkChar: return EditorClassOf<TCharProperty>();
    case tkEnumeration: return EditorClassOf<TEnumProperty>();
    case tkFloat: return EditorClassOf<TFloatProperty>();
    case tkString:
    case tkLString:
    case tkWString: return EditorClassOf<TStringProperty>();
    case tkSet: return EditorClassOf<TSetProperty>();
    case tkClass: return EditorClassOf<TClassProperty>();
    case tkMethod: return EditorClassOf<TMethodProperty>();
    case tkWChar:
    case tkVariant: return EditorClassOf<TPropertyEditor>();
    default: return nullptr;
  }
}

TPropertyEditorClass EditorClassFor(const TPersistent* instance, PPropInfo prop) {
  {
    TEditorRegistry& registry = Registry();
    std::lock_guard guard(registry.Lock);
    for (auto entry = registry.Entries.rbegin(); entry != registry.Entries.rend(); ++entry)
      if (Matches(*entry, instance, prop)) return entry->EditorClass;
  }
  return DefaultEditorClass(prop->PropType->Kind);
}

bool SameProperty(PPropInfo a, PPropInfo b) {
  return a->PropType == b->PropType ||
         (a->PropType->Kind == b->PropType->Kind && SameText(a->PropType->Name, b->PropType->Name));
}

}  // namespace

void RegisterPropertyEditor(const TTypeInfo* propertyType, TClass componentClass, const std::string& propertyName,
                            TPropertyEditorClass editorClass) {
  if (!propertyType || !editorClass) throw std::logic_error("RegisterPropertyEditor: a type and an editor class");
  TEditorRegistry& registry = Registry();
  std::lock_guard guard(registry.Lock);
  for (const TEditorRegistration& entry : registry.Entries)
    if (entry.PropertyType == propertyType && entry.ComponentClass == componentClass &&
        entry.PropertyName == propertyName && entry.EditorClass == editorClass)
      return;
  registry.Entries.push_back({propertyType, componentClass, propertyName, editorClass});
}

void ClearPropertyEditors() {
  TEditorRegistry& registry = Registry();
  std::lock_guard guard(registry.Lock);
  registry.Entries.clear();
}

std::unique_ptr<TPropertyEditor> CreatePropertyEditor(TFormDesigner* designer, TPersistent* instance,
                                                      PPropInfo prop) {
  if (!instance || !prop || !prop->PropType) return nullptr;
  const TPropertyEditorClass editorClass = EditorClassFor(instance, prop);
  if (!editorClass) return nullptr;
  std::unique_ptr<TPropertyEditor> editor = editorClass(designer, 1);
  editor->SetPropEntry(0, instance, prop);
  editor->Initialize();
  return editor;
}

void GetComponentProperties(const std::vector<TPersistent*>& components, TTypeKinds kinds, TFormDesigner* designer,
                            const TGetPropEditProc& proc) {
  if (components.empty()) return;
  for (TPersistent* component : components)
    if (!component) return;
  TPersistent* first = components.front();
  const int count = static_cast<int>(components.size());
  for (PPropInfo prop : GetPropList(first->ClassType(), kinds)) {
    std::vector<PPropInfo> props{prop};
    for (int i = 1; i < count; ++i) {
      PPropInfo same = GetPropInfo(components[static_cast<size_t>(i)], prop->Name);
      if (!same || !SameProperty(prop, same)) break;
      props.push_back(same);
    }
    if (static_cast<int>(props.size()) < count) continue;
    const TPropertyEditorClass editorClass = EditorClassFor(first, prop);
    if (!editorClass) continue;
    std::unique_ptr<TPropertyEditor> editor = editorClass(designer, count);
    for (int i = 0; i < count; ++i) editor->SetPropEntry(i, components[static_cast<size_t>(i)], props[static_cast<size_t>(i)]);
    editor->Initialize();
    proc(std::move(editor));
  }
}

}  // namespace kcl
