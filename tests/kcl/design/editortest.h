#pragma once
// What the property editor tests share: a form designer that records what the
// editors ask of it, and a fixture with a form to design and an empty registry.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "kcl/design/propertyeditor.h"
#include "kcl/rtl/sysutils.h"
#include "support/testform.h"

namespace korvax::test {

// Handlers are entries of its own, bound to the root; everything else is
// answered from nothing.
class TRecordingDesigner : public kcl::TFormDesigner {
public:
  struct THandler {
    std::unique_ptr<kcl::TMethodEntry> Entry;
    const kcl::TTypeData* TypeData;
  };

  kcl::TComponent* Root = nullptr;
  int ModifiedCount = 0;
  std::vector<std::string> Created;
  std::vector<std::string> Shown;
  std::vector<std::pair<kcl::TPersistent*, kcl::PPropInfo>> Reverted;
  std::vector<THandler> Handlers;

  kcl::TMethod CreateMethod(const std::string& name, const kcl::TTypeData* typeData) override {
    if (const kcl::TMethodEntry* entry = Find(name)) return {entry, Root};
    Created.push_back(name);
    Handlers.push_back({std::make_unique<kcl::TMethodEntry>(kcl::TMethodEntry{name, nullptr, nullptr}), typeData});
    return {Handlers.back().Entry.get(), Root};
  }
  std::string GetMethodName(const kcl::TMethod& method) override {
    for (const THandler& h : Handlers)
      if (h.Entry.get() == method.Code) return h.Entry->Name;
    return {};
  }
  void GetMethods(const kcl::TTypeData* typeData, const kcl::TGetStrProc& proc) override {
    for (const THandler& h : Handlers)
      if (h.TypeData == typeData) proc(h.Entry->Name);
  }
  std::string GetPrivateDirectory() override { return "/private/"; }
  bool MethodExists(const std::string& name) override { return Find(name) != nullptr; }
  void RenameMethod(const std::string&, const std::string&) override {}
  void ShowMethod(const std::string& name) override { Shown.push_back(name); }
  bool MethodFromAncestor(const kcl::TMethod&) override { return false; }

  void SelectComponent(kcl::TPersistent*) override {}
  void GetSelections(std::vector<kcl::TPersistent*>&) override {}
  void SetSelections(const std::vector<kcl::TPersistent*>&) override {}
  std::string UniqueName(const std::string& baseName) override { return baseName + "1"; }
  void GetComponentNames(const kcl::TTypeData*, const kcl::TGetStrProc&) override {}
  kcl::TComponent* GetComponent(const std::string& name) override { return Root ? Root->FindComponent(name) : nullptr; }
  std::string GetComponentName(kcl::TComponent* component) override { return component->Name(); }
  kcl::TPersistent* GetObject(const std::string&) override { return nullptr; }
  std::string GetObjectName(kcl::TPersistent* instance) override { return instance->GetNamePath(); }
  void GetObjectNames(const kcl::TTypeData*, const kcl::TGetStrProc&) override {}
  kcl::TComponent* CreateComponent(kcl::TClass, kcl::TComponent*, int, int, int, int) override { return nullptr; }
  kcl::TComponent* GetRoot() override { return Root; }
  void Revert(kcl::TPersistent* instance, kcl::PPropInfo prop) override { Reverted.emplace_back(instance, prop); }
  bool GetIsDormant() override { return false; }
  bool HasInterface() override { return false; }
  bool HasInterfaceMember(const std::string&) override { return false; }
  void AddInterfaceMember(const std::string&) override {}

  bool IsDesignMsg(kcl::TControl*, kcl::TMessage&) override { return false; }
  void Modified() override { ++ModifiedCount; }
  void Notification(kcl::TComponent*, kcl::TOperation) override {}
  void PaintGrid() override {}
  void ValidateRename(kcl::TComponent*, const std::string&, const std::string&) override {}

private:
  const kcl::TMethodEntry* Find(const std::string& name) const {
    for (const THandler& h : Handlers)
      if (kcl::SameText(h.Entry->Name, name)) return h.Entry.get();
    return nullptr;
  }
};

class PropertyEditorTest : public testing::Test {
protected:
  void SetUp() override {
    kcl::ClearPropertyEditors();
    Form->SetName("Form1");
    Designer.Root = Form.get();
  }
  void TearDown() override { kcl::ClearPropertyEditors(); }

  // The registry's editor of the instance's published property.
  std::unique_ptr<kcl::TPropertyEditor> EditorOf(kcl::TPersistent* instance, const std::string& propName) {
    kcl::PPropInfo prop = kcl::GetPropInfo(instance, propName);
    EXPECT_NE(prop, nullptr) << propName;
    return prop ? kcl::CreatePropertyEditor(&Designer, instance, prop) : nullptr;
  }
  // One editor of the property of every instance, as a multiple selection gets.
  std::unique_ptr<kcl::TPropertyEditor> EditorOfAll(const std::vector<kcl::TPersistent*>& instances,
                                                    const std::string& propName) {
    std::unique_ptr<kcl::TPropertyEditor> found;
    kcl::GetComponentProperties(instances, kcl::tkAny, &Designer, [&](std::unique_ptr<kcl::TPropertyEditor> editor) {
      if (kcl::SameText(editor->GetName(), propName)) found = std::move(editor);
    });
    EXPECT_NE(found, nullptr) << propName;
    return found;
  }

  // SetValue(text) raises E with message (when one is given) and changes nothing.
  template <class E>
  void ExpectRefused(kcl::TPropertyEditor& editor, const std::string& text, const std::string& message = {}) {
    const std::string before = editor.GetValue();
    const int modified = Designer.ModifiedCount;
    try {
      editor.SetValue(text);
      ADD_FAILURE() << "'" << text << "' was taken";
    } catch (const E& e) {
      if (!message.empty()) {
        EXPECT_EQ(e.Message(), message);
      }
    }
    EXPECT_EQ(editor.GetValue(), before) << text;
    EXPECT_EQ(Designer.ModifiedCount, modified) << text;
  }

  static std::vector<std::string> ValuesOf(kcl::TPropertyEditor& editor) {
    std::vector<std::string> values;
    editor.GetValues([&](const std::string& value) { values.push_back(value); });
    return values;
  }
  static std::vector<std::unique_ptr<kcl::TPropertyEditor>> SubPropertiesOf(kcl::TPropertyEditor& editor) {
    std::vector<std::unique_ptr<kcl::TPropertyEditor>> editors;
    editor.GetProperties([&](std::unique_ptr<kcl::TPropertyEditor> sub) { editors.push_back(std::move(sub)); });
    return editors;
  }
  static std::vector<std::string> NamesOf(const std::vector<std::unique_ptr<kcl::TPropertyEditor>>& editors) {
    std::vector<std::string> names;
    for (const auto& editor : editors) names.push_back(editor->GetName());
    return names;
  }

  FormPtr Form = NewForm();
  TRecordingDesigner Designer;
};

}  // namespace korvax::test
