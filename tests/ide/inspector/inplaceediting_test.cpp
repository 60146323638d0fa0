// The in-place controls driven by real keys and clicks: typing over a row, the
// arrows leaving the text field, a value picked from the list, the "..." button.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QTest>

#include "ide/designer/proxydesigner.h"
#include "ide/inspector/objectinspector.h"
#include "ide/inspector/propertyrows.h"
#include "kcl/components/dialogs.h"
#include "kcl/components/stdctrls.h"
#include "kcl/controls/modal.h"
#include "kcl/graphics/font.h"
#include "kcl/graphics/qtcolor.h"
#include "inspectortest.h"

namespace korvax::inspector {
namespace {

using namespace kcl;

class InPlaceEditing : public test::InspectorTest {
protected:
  void SetUp() override {
    InspectorTest::SetUp();
    QApplication::setActiveWindow(Inspector->Window());
    Button = static_cast<TButton*>(Designer()->CreateComponent(&TButton::StaticClass(), Form.get(), 10, 10, 75, 25));
  }
  // Selects the row with the list focused, and draws it: its value field is known then.
  void SelectRow(const std::string& name) {
    InspectorTest::SelectRow(name);
    Inspector->PropertyBox->SetFocus();
    QApplication::processEvents();
  }
  std::string SelectedRow() const {
    return Inspector->PropertyBox->Items()->Strings(Inspector->PropertyBox->ItemIndex());
  }
  TButton* Button = nullptr;
};

TEST_F(InPlaceEditing, ALetterOverARowStartsEditingWithItAndEnterApplies) {
  SelectRow("Caption");
  QTest::keyClick(Inspector->PropertyBox->Widget(), Qt::Key_W);
  QApplication::processEvents();
  ASSERT_TRUE(Inspector->edProperty->Visible());
  EXPECT_TRUE(Inspector->edProperty->Focused());
  EXPECT_EQ(Inspector->edProperty->Text(), "w");
  QTest::keyClicks(Inspector->edProperty->Widget(), "ide");
  QTest::keyClick(Inspector->edProperty->Widget(), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(Button->Caption(), "wide");
  EXPECT_EQ(SelectedRow(), "Caption             wide");
  EXPECT_TRUE(Inspector->PropertyBox->Focused());
}

TEST_F(InPlaceEditing, UpAppliesAChangedTextAndPageDownNever) {
  SelectRow("Height");
  QTest::keyClick(Inspector->PropertyBox->Widget(), Qt::Key_4);
  QApplication::processEvents();
  QTest::keyClick(Inspector->edProperty->Widget(), Qt::Key_0);
  QTest::keyClick(Inspector->edProperty->Widget(), Qt::Key_PageDown);
  QApplication::processEvents();
  EXPECT_EQ(Button->Height(), 25);  // left without applying

  SelectRow("Height");
  QTest::keyClick(Inspector->PropertyBox->Widget(), Qt::Key_4);
  QApplication::processEvents();
  QTest::keyClick(Inspector->edProperty->Widget(), Qt::Key_0);
  const int row = Inspector->PropertyBox->ItemIndex();
  QTest::keyClick(Inspector->edProperty->Widget(), Qt::Key_Up);
  QApplication::processEvents();
  EXPECT_EQ(Button->Height(), 40);
  EXPECT_EQ(Inspector->PropertyBox->ItemIndex(), row - 1);  // the list moved on
  // A selection moved by a key reaches the list as a click: the row above is selected.
  EXPECT_EQ(Inspector->StatusBar1->SimpleText(), "TFont : TFontProperty");
}

TEST_F(InPlaceEditing, AValuePickedFromTheListIsApplied) {
  SelectRow("Cursor");
  ASSERT_TRUE(Inspector->cbValue->Visible());
  auto* combo = qobject_cast<QComboBox*>(Inspector->cbValue->Widget());
  ASSERT_NE(combo, nullptr);
  const int crossAt = combo->findText("crCross");
  ASSERT_GE(crossAt, 0);
  combo->setCurrentIndex(crossAt);
  emit combo->activated(crossAt);
  QApplication::processEvents();
  EXPECT_EQ(Button->Cursor(), crCross);
  EXPECT_EQ(RowValue(SelectedRow()), "crCross");
}

TEST_F(InPlaceEditing, TheFontButtonOpensTheFontDialogAndTheFontChanges) {
  SelectRow("Font");
  ASSERT_TRUE(Inspector->Browse->Visible());
  EXPECT_EQ(Inspector->StatusBar1->SimpleText(), "TFont : TFontProperty");
  SetDialogHook([](TComponent& dialog) {
    static_cast<TFontDialog&>(dialog).Font()->SetStyle({fsItalic});
    return true;
  });
  Inspector->BrowseClick(Inspector->Browse);
  SetDialogHook(nullptr);
  EXPECT_TRUE(Button->Font()->Style().Contains(fsItalic));
  EXPECT_EQ(RowValue(SelectedRow()), "(TFont)");
}

TEST_F(InPlaceEditing, TheStringListButtonEditsAMemosLines) {
  auto* memo = static_cast<TMemo*>(Designer()->CreateComponent(&TMemo::StaticClass(), Form.get(), 10, 50, 0, 0));
  SelectRow("Lines");
  ASSERT_TRUE(Inspector->Browse->Visible());
  test::ModalAnswer answer([](TCustomForm& form) {
    auto* lines = dynamic_cast<TMemo*>(form.FindComponent("Memo1"));
    ASSERT_NE(lines, nullptr);
    lines->Lines()->SetText("first\r\nsecond\r\n");
    form.SetModalResult(mrOk);
  });
  Inspector->BrowseClick(Inspector->Browse);
  EXPECT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(RowValue(SelectedRow()), "(TStrings)");
}

}  // namespace
}  // namespace korvax::inspector

namespace korvax::inspector {
namespace {

TEST_F(InPlaceEditing, RowsAreDrawnWithTheSplitLineAndTheSelectedValueAsAField) {
  SelectRow("Caption");
  TListBox* list = Inspector->PropertyBox;
  const int selected = list->ItemIndex();
  const int other = selected == 0 ? 1 : 0;
  // The rows are drawn on the list's viewport, inside its frame.
  const QImage shot = qobject_cast<QAbstractScrollArea*>(list->Widget())->viewport()->grab().toImage();
  const TRect row = list->ItemRect(other);
  const int s = Inspector->FSplitX;
  EXPECT_EQ(shot.pixelColor(s, row.Top + 10), ColorToQColor(clBtnShadow));
  EXPECT_EQ(shot.pixelColor(s + 1, row.Top + 10), ColorToQColor(clBtnHighlight));
  EXPECT_EQ(shot.pixelColor(row.Left + 5, row.Bottom - 1), ColorToQColor(clBtnShadow));
  EXPECT_EQ(shot.pixelColor(row.Right - 3, row.Top + 10), ColorToQColor(clSilver));

  // The selected row's value looks like an edit field with its text selected.
  const TRect field = Inspector->FValueRect;
  const TRect selectedRow = list->ItemRect(selected);
  EXPECT_EQ(field.Left, s + 4);
  EXPECT_EQ(field.Top, selectedRow.Top + 3);
  EXPECT_EQ(field.Bottom, selectedRow.Bottom);
  EXPECT_EQ(shot.pixelColor(field.Right - 3, field.Top + 5), QColor(Qt::white));
  EXPECT_EQ(shot.pixelColor(field.Left, field.Top + 1), ColorToQColor(clHighlight));
}

TEST_F(InPlaceEditing, ResizingKeepsTheOpenValueListOnTheSelectedRow) {
  SelectRow("Cursor");
  ASSERT_TRUE(Inspector->cbValue->Visible());
  const int rightBefore = Inspector->FValueRect.Right;
  Inspector->SetWidth(Inspector->Width() + 60);
  QApplication::processEvents();  // the rows are drawn at the new width
  EXPECT_EQ(Inspector->ComponentList->Width(), Inspector->Width() - 10);
  const TRect field = Inspector->FValueRect;
  EXPECT_EQ(field.Right, rightBefore + 60);
  EXPECT_TRUE(Inspector->cbValue->Visible());
  EXPECT_EQ(Inspector->cbValue->Top(), field.Top - 1);  // the row's top + 2
  EXPECT_EQ(Inspector->cbValue->Left() + Inspector->cbValue->Width(), field.Right + 4);
}

TEST_F(InPlaceEditing, AnEventRowOpensTheHandlerFieldWithItsValue) {
  Inspector->PageControl1->SetActivePage(Inspector->TabEvent);
  TListBox* events = Inspector->EventBox;
  const int onClick = events->Items()->IndexOf("OnClick             ");
  ASSERT_GE(onClick, 0);
  events->SetItemIndex(onClick);
  Inspector->EventBoxClick(events);
  EXPECT_TRUE(Inspector->edEvent->Visible());
  EXPECT_EQ(Inspector->edEvent->Text(), "");
  EXPECT_EQ(Inspector->edEvent->Width(), events->ClientWidth() - Inspector->FSplitX);
  EXPECT_EQ(Inspector->StatusBar1->SimpleText(), "TNotifyEvent : TMethodProperty");
}

}  // namespace
}  // namespace korvax::inspector
