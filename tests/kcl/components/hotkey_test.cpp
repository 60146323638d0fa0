#include <gtest/gtest.h>

#include <QTest>

#include "kcl/components/hotkey.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(Win32Input, HotKeyTakesTheCombinationPressedOrItsModifiers) {
  FormPtr form(new TForm(nullptr));
  auto* hotKey = Create<THotKey>(form.get(), form.get(), "HotKey1");
  EXPECT_EQ(hotKey->HotKeyText(), "Alt + A");
  EXPECT_EQ(hotKey->Combine('K', {ssCtrl}), scCtrl | 'K');
  EXPECT_EQ(hotKey->Combine('K', {}), scAlt | 'K');         // without modifiers: invalid, Alt instead
  EXPECT_EQ(hotKey->Combine('K', {ssShift}), scAlt | 'K');  // Shift alone likewise
  hotKey->SetInvalidKeys({});
  EXPECT_EQ(hotKey->Combine('K', {ssShift}), scShift | 'K');
  form->Show();
  hotKey->SetFocus();
  QTest::keyClick(hotKey->Widget(), Qt::Key_F5);
  EXPECT_EQ(hotKey->HotKey(), 116);  // F5, nothing invalid any more
  QTest::keyClick(hotKey->Widget(), Qt::Key_Backspace);
  EXPECT_EQ(hotKey->HotKeyText(), "None");
}
