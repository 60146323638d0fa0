// The texts of the inspector's rows, read from real components.
#include "ide/inspector/propertyrows.h"

#include <gtest/gtest.h>

#include <memory>

#include "kcl/classes/events.h"
#include "kcl/components/stdctrls.h"
#include "kcl/controls/controltypes.h"
#include "kcl/controls/form.h"
#include "kcl/controls/menus.h"
#include "support/testform.h"

namespace korvax::inspector {
namespace {

using namespace kcl;

std::string RowOf(TObject* instance, const std::string& name) {
  PPropInfo prop = GetPropInfo(instance, name);
  EXPECT_NE(prop, nullptr) << name;
  return prop ? PropertyRowText(prop, PropertyValueText(prop, instance)) : "";
}

TEST(PropertyRows, ColoursAndCursorsByIdentifierOtherNumbersInDecimal) {
  test::FormPtr form = test::NewForm(200, 100);
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  button->SetTag(-42);
  EXPECT_EQ(RowOf(form.get(), "Color"), "Color               clBtnFace");
  EXPECT_EQ(RowOf(button, "Cursor"), "Cursor              crDefault");
  EXPECT_EQ(RowOf(button, "Tag"), "Tag                 -42");
  form->SetColor(0x00123456);
  EXPECT_EQ(RowValue(RowOf(form.get(), "Color")), "$00123456");
  button->SetCursor(77);
  EXPECT_EQ(RowValue(RowOf(button, "Cursor")), "77");
  button->SetCaption("&Go on");
  EXPECT_EQ(RowOf(button, "Caption"), "Caption             &Go on");
  EXPECT_EQ(RowValue(RowOf(button, "Default")), "False");
}

TEST(PropertyRows, SetsListTheirElementsAndExpand) {
  test::FormPtr form = test::NewForm(200, 100);
  form->SetBorderIcons(TBorderIcons{biSystemMenu, biMaximize});
  const std::string row = RowOf(form.get(), "BorderIcons");
  EXPECT_EQ(row, "+BorderIcons         [biSystemMenu,biMaximize]");
  EXPECT_EQ(RowName(row), "+BorderIcons");
  EXPECT_EQ(RowValue(row), "[biSystemMenu,biMaximize]");
  form->SetBorderIcons({});
  EXPECT_EQ(RowValue(RowOf(form.get(), "BorderIcons")), "[]");
}

TEST(PropertyRows, ObjectsShowTheirClassAndOnlyNonComponentsExpand) {
  test::FormPtr form = test::NewForm(200, 100);
  EXPECT_EQ(RowOf(form.get(), "Font"), "+Font                (TFont)");
  // A component reference reads the same with or without a component in it.
  const std::string empty = RowOf(form.get(), "PopupMenu");
  EXPECT_EQ(empty, "PopupMenu           (TPopupMenu)");
  auto* menu = new TPopupMenu(form.get());
  form->SetPopupMenu(menu);
  EXPECT_EQ(RowOf(form.get(), "PopupMenu"), empty);
  EXPECT_TRUE(ClassDescendsFrom(TPopupMenu::StaticClass().ClassTypeInfo(), "tcomponent"));
  EXPECT_FALSE(ClassDescendsFrom(TPopupMenu::StaticClass().ClassTypeInfo(), "TObject"));
  EXPECT_FALSE(ClassDescendsFrom(TFont::StaticClass().ClassTypeInfo(), "TComponent"));
}

TEST(PropertyRows, ALongNameRunsIntoTheValueColumnAndSubRowsIndent) {
  const std::string row = ValueRowText("AutoSizeTheFooterText", "True");
  EXPECT_EQ(row, "AutoSizeTheFooterTextTrue");
  EXPECT_EQ(RowName(row), "AutoSizeTheFooterTex");
  EXPECT_EQ(RowValue(row), "tTrue");
  EXPECT_EQ(SubPropertyRowText("fsBold", "False"), "  fsBold            False");
  EXPECT_EQ(RowValue(""), "");
}

TEST(PropertyRows, HandlerParametersAsPascalDeclaresThem) {
  EXPECT_EQ(MethodParamsText(*GetTypeData(TNotifyEventType())), "Sender: TObject");
  EXPECT_EQ(MethodParamsText(*GetTypeData(TKeyEventType())), "Sender: TObject;var Key: Word;Shift: TShiftState");
  const TTypeInfo* none = MakeMethodType("TNoParams", mkProcedure, {});
  EXPECT_EQ(MethodParamsText(*GetTypeData(none)), "");
  const TTypeInfo* mixed = MakeMethodType(
      "TMixed", mkFunction, {{pfConst, "Names", "string"}, {pfVar | pfArray, "Values", "Integer"}}, "Boolean");
  EXPECT_EQ(MethodParamsText(*GetTypeData(mixed)), "const Names: string;var Values: array of Integer");
}

}  // namespace
}  // namespace korvax::inspector
