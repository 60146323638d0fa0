// The inspector on a real design form: rows follow the designer's selection,
// values typed or picked reach the component, rows expand and collapse.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPushButton>

#include "ide/designer/proxydesigner.h"
#include "ide/inspector/objectinspector.h"
#include "ide/inspector/propertyrows.h"
#include "kcl/components/stdctrls.h"
#include "kcl/controls/keys.h"
#include "kcl/rtl/exceptions.h"
#include "support/formtext.h"
#include "inspectortest.h"

namespace korvax::inspector {
namespace {

using namespace kcl;

class Inspecting : public test::InspectorTest {
protected:
  TButton* PlaceButton() {
    return static_cast<TButton*>(Designer()->CreateComponent(&TButton::StaticClass(), Form.get(), 10, 10, 75, 25));
  }
  // Types text over the selected row and presses Enter.
  void TypeValue(const std::string& text) {
    Word key = 'X';
    Inspector->PropertyBoxKeyDown(Inspector->PropertyBox, key, {});
    EXPECT_EQ(key, 0);
    EXPECT_TRUE(Inspector->edProperty->Visible());
    Inspector->edProperty->SetText(text);
    char enter = '\r';
    Inspector->edPropertyKeyPress(Inspector->edProperty, enter);
  }
  void DoubleClickName() {
    Inspector->PropertyBoxMouseDown(Inspector->PropertyBox, mbLeft, {}, 5, 5);
    Inspector->PropertyBoxDblClick(Inspector->PropertyBox);
  }
};

TEST_F(Inspecting, TheSelectedComponentsRowsComeWithOneEditorEach) {
  TButton* button = PlaceButton();
  EXPECT_EQ(Inspector->FComponent, button);
  TStrings* rows = Inspector->PropertyBox->Items();
  ASSERT_GT(rows->Count(), 10);
  ASSERT_EQ(Inspector->FPropEditors->Count(), rows->Count());
  for (int i = 0; i < rows->Count(); ++i) {
    std::string name = RowName(rows->Strings(i));
    if (name.starts_with("+")) name.erase(0, 1);
    EXPECT_EQ(Inspector->FPropEditors->Strings(i), name);
  }
  EXPECT_EQ(Row("Caption"), "Caption             Button1");
  EXPECT_EQ(Inspector->FEventEditors->Count(), Inspector->EventBox->Items()->Count());
  EXPECT_NE(Inspector->EventBox->Items()->IndexOf("OnClick             "), -1);
  EXPECT_EQ(ChosenEntry(), "Button1:TButton");

  // Another component replaces every row and editor.
  Designer()->InspectComponent(nullptr, Form.get());
  EXPECT_EQ(Inspector->FComponent, Form.get());
  for (int i = 0; i < Inspector->FPropEditors->Count(); ++i)
    EXPECT_EQ(static_cast<TPropertyEditor*>(Inspector->FPropEditors->Objects(i))->GetComponent(0), Form.get());
  EXPECT_EQ(ChosenEntry(), "Form1:TForm");

  // A component freed elsewhere takes its rows and editors along.
  Designer()->InspectComponent(nullptr, button);
  button->Free();
  EXPECT_EQ(Inspector->FComponent, nullptr);
  EXPECT_EQ(Inspector->PropertyBox->Items()->Count(), 0);
  EXPECT_EQ(Inspector->FPropEditors->Count(), 0);
}

TEST_F(Inspecting, ATypedValueReachesTheComponentOnEnter) {
  TButton* button = PlaceButton();
  const size_t edits = Log.Edits.size();
  SelectRow("Caption");
  EXPECT_EQ(Inspector->StatusBar1->SimpleText(), "TCaption : TStringProperty");
  TypeValue("Hello");
  EXPECT_EQ(button->Caption(), "Hello");
  EXPECT_EQ(qobject_cast<QPushButton*>(button->Widget())->text(), "Hello");  // the form shows it
  EXPECT_EQ(Row("Caption"), "Caption             Hello");
  ASSERT_GT(Log.Edits.size(), edits);
  EXPECT_EQ(Log.Edits.back().Kind, designer::TDesignEditKind::PropertyChange);
}

TEST_F(Inspecting, AValueThePropertyCannotTakeChangesNothing) {
  TButton* button = PlaceButton();
  SelectRow("Left");
  EXPECT_THROW(TypeValue("ten"), EConvertError);
  EXPECT_EQ(button->Left(), 10);
  EXPECT_EQ(Row("Left"), "Left                10");
  auto* edit = Designer()->CreateComponent(&TEdit::StaticClass(), Form.get(), 10, 50, 0, 0);
  EXPECT_EQ(Inspector->FComponent, edit);
  SelectRow("Color");
  EXPECT_TRUE(Inspector->cbValue->Visible());
  EXPECT_THROW(TypeValue("clNoSuchColour"), Exception);
  EXPECT_EQ(RowValue(Row("Color")), "clWindow");
  Designer()->InspectComponent(nullptr, button);
  // The inspector goes on working.
  SelectRow("Left");
  TypeValue(" 42 ");
  EXPECT_EQ(button->Left(), 42);
}

TEST_F(Inspecting, ANameTypedRenamesAndAClashChangesNothing) {
  TButton* button = PlaceButton();
  SelectRow("Name");
  TypeValue("OkButton");
  EXPECT_EQ(button->Name(), "OkButton");
  ASSERT_FALSE(Log.Edits.empty());
  const designer::TDesignEdit& rename = Log.Edits.back().Kind == designer::TDesignEditKind::Rename
                                            ? Log.Edits.back()
                                            : Log.Edits[Log.Edits.size() - 2];
  EXPECT_EQ(rename.Kind, designer::TDesignEditKind::Rename);
  EXPECT_EQ(rename.OldName, "Button1");
  EXPECT_EQ(rename.NewName, "OkButton");
  EXPECT_EQ(ChosenEntry(), "OkButton:TButton");
  SelectRow("Name");
  EXPECT_THROW(TypeValue("Form1"), EComponentError);
  EXPECT_EQ(button->Name(), "OkButton");
  EXPECT_EQ(RowValue(Row("Name")), "OkButton");
}

TEST_F(Inspecting, DoubleClickingABooleanCyclesItsValues) {
  TButton* button = PlaceButton();
  SelectRow("Default");
  ASSERT_TRUE(Inspector->cbValue->Visible());
  ASSERT_EQ(Inspector->cbValue->Items()->Count(), 2);
  EXPECT_EQ(Inspector->cbValue->Text(), "False");
  Inspector->cbValueDblClick(Inspector->cbValue);
  EXPECT_TRUE(button->Default());
  EXPECT_EQ(RowValue(Row("Default")), "True");
  Inspector->cbValueDblClick(Inspector->cbValue);
  EXPECT_FALSE(button->Default());
}

TEST_F(Inspecting, ASetExpandsInReverseOrderAndCollapsesExactly) {
  Designer()->InspectComponent(nullptr, Form.get());
  const int rowsBefore = Inspector->PropertyBox->Items()->Count();
  SelectRow("BorderIcons");
  const int at = Inspector->PropertyBox->ItemIndex();
  // A double-click on the value column does nothing.
  Inspector->PropertyBoxMouseDown(Inspector->PropertyBox, mbLeft, {}, Inspector->FSplitX + 5, 5);
  Inspector->PropertyBoxDblClick(Inspector->PropertyBox);
  EXPECT_EQ(Inspector->PropertyBox->Items()->Count(), rowsBefore);
  DoubleClickName();
  TStrings* rows = Inspector->PropertyBox->Items();
  EXPECT_EQ(rows->Strings(at), "-BorderIcons");
  ASSERT_EQ(rows->Count(), rowsBefore + 4);
  EXPECT_EQ(rows->Strings(at + 1), "  biHelp            False");
  EXPECT_EQ(rows->Strings(at + 4), "  biSystemMenu      True");
  EXPECT_EQ(Inspector->FPropEditors->Count(), rows->Count());
  // An element set from its row changes the form's set.
  Inspector->PropertyBox->SetItemIndex(at + 1);
  Inspector->PropertyBoxClick(Inspector->PropertyBox);
  Inspector->cbValueDblClick(Inspector->cbValue);
  EXPECT_TRUE(Form->BorderIcons().Contains(biHelp));

  Inspector->PropertyBox->SetItemIndex(at);
  DoubleClickName();
  EXPECT_EQ(rows->Count(), rowsBefore);
  EXPECT_TRUE(rows->Strings(at).starts_with("+BorderIcons"));
  EXPECT_EQ(Inspector->FPropEditors->Count(), rowsBefore);
}

TEST_F(Inspecting, TheSplitLineStaysTwentyPixelsFromEitherEdge) {
  PlaceButton();
  const int width = Inspector->PropertyBox->ClientWidth();
  EXPECT_EQ(Inspector->FSplitX, Inspector->PropertyBox->Width() / 2);
  Inspector->PropertyBoxMouseDown(Inspector->PropertyBox, mbLeft, {}, Inspector->FSplitX + 2, 5);
  EXPECT_TRUE(Inspector->FDragging);
  Inspector->PropertyBoxMouseMove(Inspector->PropertyBox, {}, 3, 5);
  EXPECT_EQ(Inspector->FSplitX, 20);
  Inspector->PropertyBoxMouseMove(Inspector->PropertyBox, {}, width + 50, 5);
  EXPECT_EQ(Inspector->FSplitX, width - 20);
  Inspector->PropertyBoxMouseUp(Inspector->PropertyBox, mbLeft, {}, width + 50, 5);
  EXPECT_FALSE(Inspector->FDragging);
  Inspector->PropertyBoxMouseMove(Inspector->PropertyBox, {}, 40, 5);
  EXPECT_EQ(Inspector->FSplitX, width - 20);
}

TEST_F(Inspecting, ActivationKeepsTheInspectedComponentsEntry) {
  PlaceButton();
  Inspector->FormActivate(Inspector.get());
  EXPECT_EQ(ChosenEntry(), "Button1:TButton");
  EXPECT_EQ(Inspector->ComponentList->Items()->Count(), 2);
  // Choosing an entry inspects its component.
  Inspector->ComponentList->SetItemIndex(Inspector->ComponentList->Items()->IndexOf("Form1:TForm"));
  Inspector->ComponentListClick(Inspector->ComponentList);
  EXPECT_EQ(Inspector->FComponent, Form.get());
  EXPECT_EQ(Designer()->Selection, std::vector<TControl*>{Form.get()});
}

TEST_F(Inspecting, CaptionAndFontStyleSetInTheInspectorAreWrittenWithTheForm) {
  TButton* button = PlaceButton();
  SelectRow("Caption");
  TypeValue("Hello");
  SelectRow("Font");
  DoubleClickName();
  SelectRow("Style");
  TypeValue("[fsBold]");
  EXPECT_TRUE(button->Font()->Style().Contains(fsBold));
  const std::string text = test::WriteText(Form.get());
  EXPECT_NE(text.find("Caption = 'Hello'"), std::string::npos) << text;
  EXPECT_NE(text.find("Font.Style = [fsBold]"), std::string::npos) << text;
}

}  // namespace
}  // namespace korvax::inspector
