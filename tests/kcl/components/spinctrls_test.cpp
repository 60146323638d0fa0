#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "kcl/components/spinctrls.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(MoreControlsInput, SpinEditKeepsItsValueInRangeAndSteps) {
  FormPtr form = NewForm();
  auto* spin = Place<TSpinEdit>(form.get());
  EXPECT_EQ(spin->Value(), 0);
  spin->SetValue(-7);  // MinValue = MaxValue: no limits
  EXPECT_EQ(spin->Value(), -7);
  spin->SetMinValue(1);
  spin->SetMaxValue(10);
  spin->SetValue(50);
  EXPECT_EQ(spin->Text(), "10");
  spin->SetIncrement(4);
  spin->SetValue(3);
  spin->UpClick();
  EXPECT_EQ(spin->Value(), 7);
  spin->UpClick();
  EXPECT_EQ(spin->Value(), 10);
  spin->DownClick();
  EXPECT_EQ(spin->Value(), 6);
  spin->SetText("abc");
  EXPECT_EQ(spin->Value(), 1);  // not a number: MinValue
  spin->SetReadOnly(true);
  spin->SetValue(5);
  spin->UpClick();
  EXPECT_EQ(spin->Value(), 5);
}

TEST(MoreControlsInput, SpinEditArrowsOnScreenAndKeyboard) {
  FormPtr form = NewForm();
  auto* spin = Place<TSpinEdit>(form.get());
  spin->SetMaxValue(100);
  spin->SetValue(10);
  form->Show();
  TSpinButton* button = spin->Button();
  ASSERT_NE(button->Widget(), nullptr);
  QTest::mouseClick(button->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 2));
  EXPECT_EQ(spin->Value(), 11);
  QTest::mouseClick(button->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, button->Height() - 2));
  QTest::mouseClick(button->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, button->Height() - 2));
  EXPECT_EQ(spin->Value(), 9);
  QTest::keyClick(spin->Widget(), Qt::Key_Up);
  EXPECT_EQ(spin->Value(), 10);
  // Letters are refused; with the editor off, digits too.
  auto* edit = qobject_cast<QLineEdit*>(spin->Widget());
  edit->selectAll();
  QTest::keyClicks(edit, "x4");
  EXPECT_EQ(spin->Text(), "4");
  spin->SetEditorEnabled(false);
  QTest::keyClicks(edit, "5");
  EXPECT_EQ(spin->Text(), "4");
  // Leaving the edit brings a typed value into range.
  spin->SetText("500");
  spin->Perform(WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(spin->Value(), 100);
}
