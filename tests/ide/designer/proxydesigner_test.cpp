// The designer's operations that property editors, the inspector and the
// component list call.
#include "ide/designer/proxydesigner.h"

#include <gtest/gtest.h>

#include "ide/designer/componentlist.h"
#include "ide/designer/wrappercontrol.h"
#include "kcl/components/extctrls.h"
#include "kcl/components/stdctrls.h"
#include "kcl/components/timer.h"
#include "support/designform.h"

using namespace kcl;
using namespace korvax::designer;
using korvax::test::DesignFormTest;

namespace {

using DesignerOperations = DesignFormTest;

TEST_F(DesignerOperations, UniqueNamesFillTheFirstGapAndDropALeadingT) {
  auto* one = new TButton(Form.get());
  one->SetName("Button1");
  auto* three = new TButton(Form.get());
  three->SetName("Button3");
  EXPECT_EQ(Designer()->UniqueName("TButton"), "Button2");
  EXPECT_EQ(Designer()->UniqueName("tEdit"), "Edit1");
  EXPECT_EQ(Designer()->UniqueName("Form"), "Form1");  // the form's own name is not among its components
  EXPECT_EQ(Designer()->UniqueName("button"), "button2");  // names compare without regard to case
  EXPECT_EQ(Designer()->UniqueName(std::string(300, 'x')), std::string(300, 'x') + "1");
  EXPECT_EQ(Designer()->UniqueName("T" + std::string(300, 'x')), std::string(255, 'x') + "1");
}

TEST_F(DesignerOperations, CreateComponentKeepsTheClassesDefaultsForZeroBounds) {
  EXPECT_EQ(Designer()->CreateComponent(nullptr, Form.get(), 1, 1, 1, 1), nullptr);
  auto* button = dynamic_cast<TButton*>(Designer()->CreateComponent(&TButton::StaticClass(), Form.get(), 0, 0, 0, 0));
  ASSERT_NE(button, nullptr);
  TButton defaults(nullptr);
  EXPECT_EQ(button->BoundsRect(), defaults.BoundsRect());
  auto* edit = dynamic_cast<TEdit*>(Designer()->CreateComponent(&TEdit::StaticClass(), Form.get(), 5, 0, 200, 0));
  ASSERT_NE(edit, nullptr);
  TEdit editDefaults(nullptr);
  EXPECT_EQ(edit->BoundsRect(), Rect(5, editDefaults.Top(), 205, editDefaults.Top() + editDefaults.Height()));
  EXPECT_EQ(Form->ComponentNames->Text(), "Button1:TButton\r\nEdit1:TEdit\r\n");
  EXPECT_EQ(Designer()->ComponentListEntries(), (std::vector<std::string>{"Form1:TForm", "Button1:TButton", "Edit1:TEdit"}));
  ASSERT_EQ(Log.Edits.size(), 2u);
  EXPECT_EQ(Log.Edits[0].Kind, TDesignEditKind::Place);
  EXPECT_EQ(Log.Edits[0].Components, std::vector<TComponent*>{button});
}

TEST_F(DesignerOperations, MethodsAreNamedByTheDesignerAndRenamedForEveryEvent) {
  TTypeData notify;
  TTypeData key;
  const TMethod click = Designer()->CreateMethod("Button1Click", &notify);
  EXPECT_EQ(Designer()->GetMethodName(click), "Button1Click");
  EXPECT_EQ(Designer()->GetMethodName({}), "");
  EXPECT_TRUE(Designer()->MethodExists("button1click"));
  EXPECT_FALSE(Designer()->MethodExists("Button2Click"));
  // Asking again gives the same method.
  EXPECT_EQ(Designer()->CreateMethod("Button1Click", &notify), click);
  Designer()->CreateMethod("Edit1KeyDown", &key);
  Designer()->CreateMethod("FormShow", &notify);
  std::vector<std::string> names;
  Designer()->GetMethods(&notify, [&](const std::string& name) { names.push_back(name); });
  EXPECT_EQ(names, (std::vector<std::string>{"Button1Click", "FormShow"}));
  Designer()->RenameMethod("Button1Click", "OkClick");
  EXPECT_EQ(Designer()->GetMethodName(click), "OkClick");
  EXPECT_FALSE(Designer()->MethodExists("Button1Click"));
}

TEST_F(DesignerOperations, AComponentFreedElsewhereLeavesTheSelection) {
  auto* panel = static_cast<TControl*>(Designer()->CreateComponent(&TPanel::StaticClass(), Form.get(), 10, 10, 200, 100));
  auto* button = static_cast<TControl*>(Designer()->CreateComponent(&TButton::StaticClass(), panel, 10, 10, 0, 0));
  auto* timer = Designer()->CreateComponent(&TTimer::StaticClass(), Form.get(), 300, 10, 0, 0);
  auto* wrapper = dynamic_cast<TWrapperControl*>(Form->FindComponent("WrapperTimer1"));
  ASSERT_NE(wrapper, nullptr);
  Designer()->InspectComponent(nullptr, button);
  ASSERT_EQ(Designer()->Selection, std::vector<TControl*>{button});
  // The panel goes with the button and the button's handles, which sit on it.
  panel->Free();
  EXPECT_TRUE(Designer()->Selection.empty());
  EXPECT_EQ(Form->DragRects->Count(), 0);
  EXPECT_NE(Form->CurrentControl, button);
  Designer()->RefreshHandles();
  timer->Free();
  EXPECT_EQ(wrapper->Component, nullptr);
  Designer()->InspectComponent(wrapper, nullptr);
  EXPECT_EQ(Designer()->Selection, std::vector<TControl*>{wrapper});
}

TEST_F(DesignerOperations, TheComponentListAddsThroughTheCurrentDesigner) {
  CurrentDesigner = Designer();
  std::unique_ptr<TComponentList, TObjectFree> list(new TComponentList(nullptr));
  list->CompList->SetItemIndex(list->CompList->Items()->IndexOf("Timer"));
  list->btnAddClick(list.get());
  list->CompList->SetItemIndex(list->CompList->Items()->IndexOf("Button"));
  list->btnAddClick(list.get());
  EXPECT_NE(Form->FindComponent("Timer1"), nullptr);
  EXPECT_NE(Form->FindComponent("WrapperTimer1"), nullptr);
  auto* button = dynamic_cast<TButton*>(Form->FindComponent("Button1"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Top(), 20);  // one step below the timer
}

}  // namespace
