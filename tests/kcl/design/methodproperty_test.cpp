// Event properties: handlers named, made and shown by the form's designer.
#include "editortest.h"

#include "kcl/components/stdbuttons.h"

using namespace kcl;
using namespace korvax::test;

using MethodProperty = PropertyEditorTest;

TEST_F(MethodProperty, AHandlerIsMadeOnceAndSharedByName) {
  auto* button1 = Place<TButton>(Form.get(), "Button1");
  auto* button2 = Place<TButton>(Form.get(), "Button2", 8, 40);
  auto click1 = EditorOf(button1, "OnClick");
  auto click2 = EditorOf(button2, "OnClick");
  EXPECT_EQ(click1->ClassName(), "TMethodProperty");
  EXPECT_EQ(click1->GetValue(), "");
  click1->SetValue("Button1Click");
  click2->SetValue("BUTTON1CLICK");
  EXPECT_EQ(Designer.Created, std::vector<std::string>{"Button1Click"});
  EXPECT_NE(button1->OnClick.Method().Code, nullptr);
  EXPECT_EQ(button2->OnClick.Method(), button1->OnClick.Method());
  EXPECT_EQ(click2->GetValue(), "Button1Click");
  EXPECT_EQ(Designer.ModifiedCount, 2);

  click1->SetValue("");
  EXPECT_EQ(button1->OnClick.Method().Code, nullptr);
  EXPECT_EQ(click1->GetValue(), "");
  click1->SetValue("Button1Click");
  for (const char* text : {"1Click", "Button 1", "Form1.Button1Click"})
    ExpectRefused<EPropertyError>(*click1, text, Format("'%s' is not a valid identifier", {text}));
}

TEST_F(MethodProperty, ValuesAreTheHandlersOfTheEventsType) {
  auto* button = Place<TButton>(Form.get(), "Button1");
  auto click = EditorOf(button, "OnClick");
  auto mouseDown = EditorOf(button, "OnMouseDown");
  click->SetValue("Button1Click");
  mouseDown->SetValue("Button1MouseDown");
  EditorOf(button, "OnEnter")->SetValue("Button1Enter");
  EXPECT_EQ(ValuesOf(*click), (std::vector<std::string>{"Button1Click", "Button1Enter"}));
  EXPECT_EQ(ValuesOf(*mouseDown), std::vector<std::string>{"Button1MouseDown"});
}

TEST_F(MethodProperty, EditMakesTheHandlerNamedAfterComponentAndEventThenShowsIt) {
  auto formClick = EditorOf(Form.get(), "OnClick");
  auto& method = dynamic_cast<TMethodProperty&>(*formClick);
  EXPECT_EQ(method.GetTrimmedEventName(), "Click");
  EXPECT_EQ(method.GetFormMethodName(), "Form1Click");

  auto* button = Place<TButton>(Form.get(), "Button1");
  auto mouseDown = EditorOf(button, "OnMouseDown");
  mouseDown->Edit();
  EXPECT_EQ(mouseDown->GetValue(), "Button1MouseDown");
  mouseDown->Edit();
  EXPECT_EQ(Designer.Created, std::vector<std::string>{"Button1MouseDown"});
  EXPECT_EQ(Designer.Shown, (std::vector<std::string>{"Button1MouseDown", "Button1MouseDown"}));
  EXPECT_EQ(Designer.ModifiedCount, 1);
}
