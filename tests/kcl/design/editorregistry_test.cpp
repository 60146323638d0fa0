// The editor registry: defaults by kind, the newest matching registration, its
// limits by component class and property name, and the editors of a selection.
#include "editortest.h"

#include <algorithm>

#include "kcl/components/datetimepicker.h"
#include "kcl/components/edit.h"
#include "kcl/components/extctrls.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/graphics/font.h"
#include "kcl/system/colors.h"
#include "samplekinds.h"

using namespace kcl;
using namespace korvax::test;

using EditorRegistry = PropertyEditorTest;

namespace {

std::string EditorClassOfProperty(TFormDesigner* designer, TPersistent* instance, const std::string& name) {
  auto editor = CreatePropertyEditor(designer, instance, GetPropInfo(instance, name));
  return editor ? editor->ClassName() : "none";
}

}  // namespace

TEST_F(EditorRegistry, EachKindHasItsDefaultEditor) {
  auto* button = Place<TButton>(Form.get(), "Button1");
  auto* edit = Place<TEdit>(Form.get(), "Edit1");
  auto* picker = Place<TDateTimePicker>(Form.get(), "DateTimePicker1");
  TSampleKinds sample;
  const std::pair<TPersistent*, const char*> properties[] = {
      {button, "Width"}, {edit, "PasswordChar"}, {button, "Cancel"}, {picker, "MaxDate"}, {button, "Caption"},
      {button->Font(), "Style"}, {button, "Font"}, {button, "OnClick"}, {&sample, "Letter"}, {&sample, "Place"}};
  std::vector<std::string> classes;
  for (const auto& [instance, name] : properties) classes.push_back(EditorClassOfProperty(&Designer, instance, name));
  EXPECT_EQ(classes, (std::vector<std::string>{"TIntegerProperty", "TCharProperty", "TEnumProperty", "TFloatProperty",
                                               "TStringProperty", "TSetProperty", "TClassProperty", "TMethodProperty",
                                               "TPropertyEditor", "none"}));
}

TEST_F(EditorRegistry, TheNewestMatchingRegistrationWins) {
  auto* panel = Place<TPanel>(Form.get(), "Panel1");
  RegisterPropertyEditor(TColorType(), nullptr, "", EditorClassOf<TColorProperty>());
  RegisterPropertyEditor(TColorType(), nullptr, "", EditorClassOf<TCursorProperty>());
  RegisterPropertyEditor(TColorType(), nullptr, "", EditorClassOf<TColorProperty>());  // already there
  EXPECT_EQ(EditorClassOfProperty(&Designer, panel, "Color"), "TCursorProperty");
  // Another table of the same name stands for the type.
  RegisterPropertyEditor(MakeOrdinalType(tkInteger, "TCOLOR", otSLong, 0, 1), nullptr, "",
                         EditorClassOf<TColorProperty>());
  EXPECT_EQ(EditorClassOfProperty(&Designer, panel, "Color"), "TColorProperty");
  ClearPropertyEditors();
  EXPECT_EQ(EditorClassOfProperty(&Designer, panel, "Color"), "TIntegerProperty");
}

TEST_F(EditorRegistry, RegistrationsLimitedToAComponentClassOrAPropertyName) {
  auto* button = Place<TButton>(Form.get(), "Button1");
  auto* panel = Place<TPanel>(Form.get(), "Panel1");
  RegisterPropertyEditor(TCursorType(), &TButton::StaticClass(), "", EditorClassOf<TCursorProperty>());
  EXPECT_EQ(EditorClassOfProperty(&Designer, button, "Cursor"), "TCursorProperty");
  EXPECT_EQ(EditorClassOfProperty(&Designer, panel, "Cursor"), "TIntegerProperty");
  RegisterPropertyEditor(TCursorType(), &TWinControl::StaticClass(), "dragcursor", EditorClassOf<TColorProperty>());
  EXPECT_EQ(EditorClassOfProperty(&Designer, panel, "DragCursor"), "TColorProperty");
  EXPECT_EQ(EditorClassOfProperty(&Designer, button, "DragCursor"), "TColorProperty");
  EXPECT_EQ(EditorClassOfProperty(&Designer, panel, "Cursor"), "TIntegerProperty");
  EXPECT_EQ(EditorClassOfProperty(&Designer, button, "Cursor"), "TCursorProperty");
}

TEST_F(EditorRegistry, AClassTypeCoversItsDescendants) {
  auto* button = Place<TButton>(Form.get(), "Button1");
  RegisterPropertyEditor(TGraphicsObject::StaticClass().ClassTypeInfo(), nullptr, "", EditorClassOf<TFontProperty>());
  RegisterPropertyEditor(TComponent::StaticClass().ClassTypeInfo(), nullptr, "", EditorClassOf<TStringProperty>());
  EXPECT_EQ(EditorClassOfProperty(&Designer, button, "Font"), "TFontProperty");
  EXPECT_EQ(EditorClassOfProperty(&Designer, button, "PopupMenu"), "TStringProperty");
}

TEST_F(EditorRegistry, ASelectionGetsOneEditorPerSharedPropertyInNameOrder) {
  auto* button = Place<TButton>(Form.get(), "Button1");
  auto* panel = Place<TPanel>(Form.get(), "Panel1");
  for (TTypeKinds kinds : {tkProperties, tkMethods}) {
    std::vector<std::string> names;
    GetComponentProperties({button}, kinds, &Designer,
                           [&](std::unique_ptr<TPropertyEditor> editor) { names.push_back(editor->GetName()); });
    std::vector<std::string> listed;
    for (PPropInfo prop : GetPropList(button->ClassType(), kinds)) listed.push_back(prop->Name);
    EXPECT_EQ(names, listed);
  }

  std::vector<std::unique_ptr<TPropertyEditor>> shared;
  GetComponentProperties({button, panel}, tkAny, &Designer,
                         [&](std::unique_ptr<TPropertyEditor> editor) { shared.push_back(std::move(editor)); });
  const std::vector<std::string> names = NamesOf(shared);
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end(),
                             [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; }));
  for (const char* name : {"Caption", "Font", "OnClick", "Width"})
    EXPECT_EQ(std::count(names.begin(), names.end(), name), 1) << name;
  for (const char* name : {"Cancel", "Alignment", "OnResize"})
    EXPECT_EQ(std::count(names.begin(), names.end(), name), 0) << name;
  for (const auto& editor : shared) {
    ASSERT_EQ(editor->PropCount(), 2);
    EXPECT_EQ(editor->GetComponent(1), panel);
  }

  TSampleKinds sample;
  std::vector<std::unique_ptr<TPropertyEditor>> kinds;
  GetComponentProperties({&sample}, tkAny, &Designer,
                         [&](std::unique_ptr<TPropertyEditor> editor) { kinds.push_back(std::move(editor)); });
  EXPECT_EQ(NamesOf(kinds), (std::vector<std::string>{"Letter", "Ratio", "Wide"}));
}
