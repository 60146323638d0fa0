#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "kcl/components/maskedit.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(MoreControlsInput, MaskEditMasksBecomeQtInputMasks) {
  EXPECT_EQ(EditMaskToQtInputMask(""), "");
  EXPECT_EQ(EditMaskToQtInputMask("!99/99/00;1;_"), "00/00/99;_");
  EXPECT_EQ(EditMaskToQtInputMask(">LL<ll;0; "), ">AA<aa; ");
  EXPECT_EQ(EditMaskToQtInputMask("\\A\\;0-aA"), "\\A\\;9-nN;_");
  EXPECT_EQ(EditMaskToQtInputMask("(999) 000-0000;1;*"), "(000) 999-9999;*");
  FormPtr form = NewForm();
  auto* edit = Place<TMaskEdit>(form.get());
  edit->SetEditMask("00;1;_");
  form->Show();
  auto* peer = qobject_cast<QLineEdit*>(edit->Widget());
  EXPECT_EQ(peer->inputMask(), "99;_");
}

// What the user types becomes the text as the mask says: literals kept or not,
// blanks as spaces.
TEST(MoreControlsInput, MaskEditTextKeepsOrDropsTheLiterals) {
  EXPECT_EQ(MaskedText("!999-000-0000;1;_", "123-456-7890"), "123-456-7890");
  EXPECT_EQ(MaskedText("!999-000-0000;0;_", "123-456-7890"), "1234567890");
  EXPECT_EQ(MaskedText("!999-000-0000;1;_", "12_-___-____"), "12 -   -    ");
  EXPECT_EQ(MaskedText("\\A-00;0;*", "A-4*"), "4 ");
  EXPECT_EQ(MaskedText(">LL 00", "AB 12"), "AB 12");

  FormPtr form = NewForm();
  auto* edit = Place<TMaskEdit>(form.get());
  edit->SetEditMask("!999-000-0000;0;_");
  form->Show();
  auto* peer = qobject_cast<QLineEdit*>(edit->Widget());
  peer->setFocus();
  peer->setCursorPosition(0);
  QTest::keyClicks(peer, "5551234567");
  EXPECT_EQ(peer->displayText(), "555-123-4567");
  EXPECT_EQ(edit->Text(), "5551234567");
  edit->SetText("8005550199");
  EXPECT_EQ(peer->displayText(), "800-555-0199");
  edit->SetEditMask("!999-000-0000;1;_");
  peer->setCursorPosition(0);
  QTest::keyClick(peer, '9');
  EXPECT_EQ(edit->Text(), "900-555-0199");
}
