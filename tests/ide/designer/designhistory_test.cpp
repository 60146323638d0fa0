// Undo and redo on a design form: each designer operation one step, the form
// read back exactly as it stood, its own values and the selection included.
#include <gtest/gtest.h>

#include "ide/designer/componentclipboard.h"
#include "ide/designer/formfiles.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/wrappercontrol.h"
#include "kcl/components/stdctrls.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/streams.h"
#include "kcl/components/timer.h"
#include "kcl/controls/menus.h"
#include "support/designform.h"
#include "support/samplefiles.h"
#include "support/testfiles.h"

using namespace kcl;
using namespace korvax::designer;
using korvax::test::DesignFormTest;

namespace {

class DesignHistory : public DesignFormTest {
protected:
  TControl* PlaceButton(int x, int y) {
    return static_cast<TControl*>(Designer()->PlaceComponent(&TButton::StaticClass(), nullptr, TPoint{x, y}));
  }
  TControl* Control(const std::string& name) const { return dynamic_cast<TControl*>(Form->FindComponent(name)); }
  std::string Text() const { return FormText(*Form); }
};

TEST_F(DesignHistory, EachOperationIsAStepThatUndoAndRedoReadBack) {
  const std::string empty = Text();
  PlaceButton(16, 16);
  Designer()->PlaceComponent(&TTimer::StaticClass(), nullptr, TPoint{100, 40});
  const std::string placed = Text();
  Control("Button1")->SetBounds(24, 32, 75, 25);
  Designer()->ControlResized(Control("Button1"), TRect{40, 48, 140, 80});
  const std::string resized = Text();

  Designer()->Undo();
  EXPECT_EQ(Text(), placed);
  EXPECT_EQ(Control("Button1")->Left(), 16);
  Designer()->Undo();
  EXPECT_EQ(Form->FindComponent("Timer1"), nullptr);
  EXPECT_EQ(Form->FindComponent(TWrapperControl::WrapperName("Timer1")), nullptr);
  Designer()->Undo();
  EXPECT_EQ(Text(), empty);
  EXPECT_EQ(Form->ComponentCount(), 0);
  EXPECT_FALSE(Designer()->CanUndo());
  Designer()->Undo();
  EXPECT_EQ(Text(), empty);

  Designer()->Redo();
  Designer()->Redo();
  EXPECT_EQ(Text(), placed);
  // A non-visual component comes back with its wrapper, at its place.
  auto* wrapper = dynamic_cast<TWrapperControl*>(Form->FindComponent(TWrapperControl::WrapperName("Timer1")));
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->Component, Form->FindComponent("Timer1"));
  Designer()->Redo();
  EXPECT_EQ(Text(), resized);
  EXPECT_FALSE(Designer()->CanRedo());

  // A new operation after an undo drops what could have been redone.
  Designer()->Undo();
  PlaceButton(8, 120);
  EXPECT_FALSE(Designer()->CanRedo());
  Designer()->Undo();
  EXPECT_EQ(Text(), placed);
}

TEST_F(DesignHistory, TheFormsOwnValuesGoBackToTheirDefaults) {
  const std::string before = Text();
  const TColor color = Form->Color();
  const int size = Form->Font()->Size();
  Designer()->InspectComponent(nullptr, Form.get());
  Form->SetColor(clRed);
  Form->Font()->SetSize(14);
  Form->SetCaption("Changed");
  Designer()->Modified();
  ASSERT_NE(Text(), before);
  Designer()->Undo();
  EXPECT_EQ(Form->Color(), color);
  EXPECT_EQ(Form->Font()->Size(), size);
  EXPECT_EQ(Form->Caption(), "Form1");
  EXPECT_EQ(Text(), before);
  Designer()->Redo();
  EXPECT_EQ(Form->Color(), clRed);
  EXPECT_EQ(Form->Font()->Size(), 14);
}

TEST_F(DesignHistory, ARenameIsOneStepAndTheSelectionComesBack) {
  TControl* button = PlaceButton(16, 16);
  PlaceButton(16, 64);
  Designer()->InspectComponent(nullptr, button);
  button->SetName("OK");
  Designer()->Modified();
  EXPECT_NE(Text().find("object OK: TButton"), std::string::npos);
  Designer()->Undo();
  ASSERT_NE(Control("Button1"), nullptr);
  EXPECT_EQ(Control("OK"), nullptr);
  ASSERT_EQ(Designer()->Selection.size(), 1u);
  EXPECT_EQ(Designer()->Selection.front(), Control("Button1"));
  Designer()->Redo();
  ASSERT_EQ(Designer()->Selection.size(), 1u);
  EXPECT_EQ(Designer()->Selection.front(), Control("OK"));
  EXPECT_EQ(Log.Inspected.back().second, Control("OK"));
}

TEST_F(DesignHistory, EventBindingsComeBackToTheSameMethods) {
  TControl* button = PlaceButton(16, 16);
  Designer()->InspectComponent(nullptr, button);
  PPropInfo onClick = GetPropInfo(button, "OnClick");
  SetMethodProp(button, onClick, Designer()->CreateMethod("Button1Click", GetTypeData(onClick->PropType)));
  Designer()->Modified();
  const TMethodEntry* method = GetMethodProp(button, onClick).Code;
  Designer()->Undo();
  EXPECT_EQ(GetMethodProp(Control("Button1"), onClick).Code, nullptr);
  Designer()->Redo();
  EXPECT_EQ(GetMethodProp(Control("Button1"), onClick).Code, method);
  EXPECT_EQ(Designer()->Methods.size(), 1u);
}

TEST_F(DesignHistory, APasteOverWhatWasCutComesAndGoes) {
  PlaceButton(16, 16);
  Designer()->PlaceComponent(&TTimer::StaticClass(), nullptr, TPoint{100, 40});
  const std::string placed = Text();
  Designer()->SelectAll();
  CopySelection(*Designer());
  Designer()->DeleteSelection();
  PasteComponents(*Designer());
  const std::string pasted = Text();
  Designer()->Undo();
  EXPECT_EQ(Form->ComponentCount(), 0);
  Designer()->Redo();
  EXPECT_EQ(Text(), pasted);
  Designer()->Undo();
  Designer()->Undo();
  EXPECT_EQ(Text(), placed);
}

TEST_F(DesignHistory, AnOperationThatChangesNothingIsNoStep) {
  TControl* button = PlaceButton(16, 16);
  Designer()->ControlResized(button, button->BoundsRect());
  Designer()->Undo();
  EXPECT_EQ(Form->ComponentCount(), 0);
}

}  // namespace

namespace {

// Every sample form, its components all deleted and the deletion undone, and a
// button placed and undone, is written as it was read: an inherited one as its
// differences from its ancestors, as its file holds it.
TEST_F(DesignHistory, EverySampleFormComesBackWhole) {
  korvax::test::TempDir dir;
  for (const std::string& file : korvax::test::SampleFiles()) {
    std::string error;
    TProxyForm* form = LoadFormFile(korvax::test::SamplePath(file), Palette, error);
    ASSERT_NE(form, nullptr) << file;
    TProxyDesigner& designer = *form->ProxyDesigner();
    const std::string original = FormText(*form);
    designer.SelectAll();
    designer.DeleteSelection();
    designer.Undo();
    EXPECT_EQ(FormText(*form), original) << file;
    designer.PlaceComponent(&TButton::StaticClass(), nullptr, TPoint{4, 4});
    designer.Undo();
    EXPECT_EQ(FormText(*form), original) << file;
    WriteFormFile(*form, dir.File("written.dfm"));
    EXPECT_EQ(korvax::test::ReadFileBytes(dir.File("written.dfm")),
              korvax::test::ReadFileBytes(korvax::test::SamplePath(file)))
        << file;
    form->Free();
  }
}

}  // namespace

namespace {

std::string ResourceForm(const std::string& text) {
  TStringStream in(text);
  TMemoryStream out;
  ObjectTextToResource(in, out);
  return std::string(out.View());
}

// An inherited form is read on its ancestor's file: after an undo it is still
// written as its differences from it.
TEST_F(DesignHistory, AnInheritedFormIsWrittenAsItsDifferencesAfterAnUndo) {
  korvax::test::TempDir dir;
  const std::string tail = "  PixelsPerInch = 96\r\n  TextHeight = 13\r\n";
  korvax::test::WriteFileBytes(dir.File("Base.dfm"),
                               ResourceForm("object BaseForm: TBaseForm\r\n  Caption = 'Base'\r\n" + tail +
                                            "  object Button1: TButton\r\n    Left = 8\r\n    Top = 8\r\n"
                                            "    Width = 75\r\n    Height = 25\r\n    TabOrder = 0\r\n  end\r\nend\r\n"));
  const std::string child = ResourceForm("inherited ChildForm: TChildForm\r\n  Caption = 'Child'\r\n" + tail +
                                         "  inherited Button1: TButton\r\n    Caption = 'Changed'\r\n  end\r\nend\r\n");
  korvax::test::WriteFileBytes(dir.File("Child.dfm"), child);
  std::string error;
  TProxyForm* form = LoadFormFile(dir.File("Child.dfm"), Palette, error);
  ASSERT_NE(form, nullptr);
  form->ProxyDesigner()->PlaceComponent(&TButton::StaticClass(), nullptr, TPoint{40, 40});
  form->ProxyDesigner()->Undo();
  WriteFormFile(*form, dir.File("Child.dfm"));
  EXPECT_EQ(korvax::test::ReadFileBytes(dir.File("Child.dfm")), child);
  form->Free();
}

}  // namespace

namespace {

// A menu item renamed in the menu designer is a step of its own; the form's menu
// bar is the menu read back.
TEST_F(DesignHistory, AMenuItemsRenameIsAStepOfItsOwn) {
  auto* menu = static_cast<TMainMenu*>(Designer()->PlaceComponent(&TMainMenu::StaticClass(), nullptr, TPoint{8, 8}));
  TMenuItem* file = Designer()->AddMenuItem(menu->Items(), 0, "&File");
  Designer()->RenameComponent(file, "FileMenu");
  Designer()->Undo();
  EXPECT_NE(Form->FindComponent("File1"), nullptr);
  EXPECT_EQ(Form->FindComponent("FileMenu"), nullptr);
  Designer()->Undo();
  EXPECT_EQ(Form->FindComponent("File1"), nullptr);
  Designer()->Redo();
  Designer()->Redo();
  auto* again = dynamic_cast<TMainMenu*>(Form->FindComponent("MainMenu1"));
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(Form->Menu(), again);
  ASSERT_EQ(again->Items()->Count(), 1);
  EXPECT_EQ(again->Items()->Items(0)->Name(), "FileMenu");
}

}  // namespace

namespace {

// A wrapper is the designer's: a button placed after a timer is the form's first
// in tab order, and is written so.
TEST_F(DesignHistory, WrappersComeAfterTheFormsControlsInTabOrder) {
  Designer()->PlaceComponent(&TTimer::StaticClass(), nullptr, TPoint{100, 40});
  auto* button = dynamic_cast<TWinControl*>(PlaceButton(16, 16));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->TabOrder(), 0);
  EXPECT_NE(Text().find("Caption = 'Button1'\r\n    TabOrder = 0\r\n"), std::string::npos);
}

}  // namespace
