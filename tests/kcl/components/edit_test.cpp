// Edits and memos bound to their Qt peers: typing, the text, the lines, and
// the characters OnKeyPress sees.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <string>

#include "kcl/components/edit.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(StdCtrlsInput, EditTypingUpdatesTextAndFiresOnChange) {
  FormPtr form = ShownForm();
  auto* edit = Place<TEdit>(form.get(), "Edit1");
  edit->SetText("");
  int changes = 0;
  edit->OnChange.SetHandler([&](TObject*) { ++changes; });
  auto* peer = static_cast<QLineEdit*>(edit->Widget());
  QTest::keyClicks(peer, "abc");
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_EQ(changes, 3);
  EXPECT_TRUE(edit->Modified());
  edit->SetCharCase(ecUpperCase);
  EXPECT_EQ(peer->text(), "ABC");
  QTest::keyClicks(peer, "d");
  EXPECT_EQ(edit->Text(), "ABCD");
  edit->SetMaxLength(4);
  QTest::keyClicks(peer, "e");
  EXPECT_EQ(edit->Text(), "ABCD");
  edit->SetSelStart(1);
  edit->SetSelLength(2);
  EXPECT_EQ(edit->SelText(), "BC");
  edit->SetSelText("x");
  EXPECT_EQ(edit->Text(), "AXD");  // CharCase applies to text set by code too
  edit->SetCharCase(ecNormal);
  edit->SetText("caf\xE9");  // Windows-1252 bytes shown as Unicode
  EXPECT_EQ(peer->text(), QString::fromUtf8("caf\xC3\xA9"));
}

TEST(StdCtrlsInput, MemoLinesAreBoundBothWays) {
  FormPtr form = ShownForm();
  auto* memo = Place<TMemo>(form.get(), "Memo1");
  auto* peer = static_cast<QPlainTextEdit*>(memo->Widget());
  EXPECT_EQ(peer->toPlainText(), "Memo1");
  memo->Lines()->Add("second");
  EXPECT_EQ(peer->toPlainText(), "Memo1\nsecond");
  EXPECT_EQ(memo->Text(), "Memo1\r\nsecond");
  int changes = 0;
  memo->OnChange.SetHandler([&](TObject*) { ++changes; });
  peer->moveCursor(QTextCursor::End);
  QTest::keyClicks(peer, "!");
  QTest::keyClick(peer, Qt::Key_Return);
  QTest::keyClicks(peer, "third");
  ASSERT_EQ(memo->Lines()->Count(), 3);
  EXPECT_EQ(memo->Lines()->Strings(1), "second!");
  EXPECT_EQ(memo->Lines()->Strings(2), "third");
  EXPECT_GT(changes, 0);
  memo->SetWantReturns(false);
  QTest::keyClick(peer, Qt::Key_Return);
  EXPECT_EQ(memo->Lines()->Count(), 3);
  memo->Lines()->Clear();
  EXPECT_EQ(peer->toPlainText(), "");
}

// A click puts the caret where it lands; CaretPos counts lines of Lines, however
// they wrap, and characters from the line's start.
TEST(StdCtrlsInput, MemoCaretPosFollowsTheCaret) {
  FormPtr form = ShownForm();
  auto* memo = Place<TMemo>(form.get(), 8, 8, 200, 120);
  memo->Lines()->SetText("first\r\n" + std::string(80, 'w') + "\r\nthird line");
  auto* peer = static_cast<QPlainTextEdit*>(memo->Widget());
  EXPECT_EQ(memo->CaretPos(), Point(0, 0));
  const QRect third = peer->cursorRect(QTextCursor(peer->document()->findBlockByNumber(2)));
  QTest::mouseClick(peer->viewport(), Qt::LeftButton, {}, third.center() + QPoint(20, 0));
  EXPECT_EQ(memo->CaretPos().Y, 2);
  EXPECT_GT(memo->CaretPos().X, 0);
  peer->moveCursor(QTextCursor::End);
  EXPECT_EQ(memo->CaretPos(), Point(10, 2));
}

// Typed characters reach OnKeyPress after OnKeyDown; one set to #0 is not typed,
// one changed is typed changed.
TEST(StdCtrlsInput, KeyPressSeesTypedCharactersAndMayChangeThem) {
  FormPtr form = ShownForm();
  auto* edit = Place<TEdit>(form.get(), "Edit1");
  edit->SetText("");
  edit->SetFocus();
  std::string log;
  edit->OnKeyDown.SetHandler([&](TObject*, Word& key, TShiftState) { log += "down" + std::to_string(key) + " "; });
  edit->OnKeyPress.SetHandler([&](TObject*, char& key) {
    log += std::string("press:") + key + " ";
    if (key == 'x') key = 0;
    if (key == 'a') key = 'A';
  });
  auto* line = edit->Widget()->findChild<QLineEdit*>() ? edit->Widget()->findChild<QLineEdit*>()
                                                       : qobject_cast<QLineEdit*>(edit->Widget());
  ASSERT_NE(line, nullptr);
  QTest::keyClicks(line, "bxa!");
  EXPECT_EQ(edit->Text(), "bA!");
  EXPECT_EQ(log, "down66 press:b down88 press:x down65 press:a press:! ");
}
