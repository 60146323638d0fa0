// Typing in a page: reserved words turn blue on their last letter, the status
// bar follows the caret, and the first change marks the project modified.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "ide/editor/editorform.h"
#include "kcl/components/editmessages.h"
#include "kcl/controls/keys.h"
#include "recordinghost.h"
#include "support/windowtest.h"

namespace korvax::editor {
namespace {

using namespace kcl;

class Typing : public test::EditorWindowTest {
protected:
  void SetUp() override {
    EditorWindowTest::SetUp();
    Edit = Editor->RichEdit1;
    CurrentEditor = Edit;
  }
  // The text with the caret after its last character, as if that was just typed.
  void Typed(const std::string& text) {
    Edit->SetText(text);
    Edit->SetSelStart(Edit->GetTextLen());
    Editor->HighlightWordAtCaret();
  }
  TColor ColorAt(int index) {
    const int caret = Edit->SelStart();
    Edit->SetSelStart(index);
    Edit->SetSelLength(1);
    const TColor color = Edit->SelAttributes()->Color();
    Edit->SetSelStart(caret);
    return color;
  }

  TRichEdit* Edit = nullptr;
};

TEST_F(Typing, AReservedWordTurnsBlueOnItsLastLetterWithItsDelimiter) {
  Typed("x := 1; begin");
  EXPECT_EQ(ColorAt(9), 0xFF0000);   // b
  EXPECT_EQ(ColorAt(12), 0xFF0000);  // n
  EXPECT_NE(ColorAt(2), 0xFF0000);
  EXPECT_EQ(Edit->SelStart(), 13);  // the caret is back
  // At the start of a line.
  Typed("end");
  EXPECT_EQ(ColorAt(0), 0xFF0000);
}

TEST_F(Typing, NoBlueAfterAParenthesisASemicolonOrAnUnderscore) {
  for (const char* text : {"f(begin", "x;begin", "my_begin", "beginning"}) {
    Typed(text);
    EXPECT_NE(ColorAt(static_cast<int>(std::string(text).size()) - 1), 0xFF0000) << text;
  }
}

TEST_F(Typing, TheRealKeysColourAsTheyAreTyped) {
  Edit->SetText("  begi");
  Edit->SetSelStart(6);
  Edit->SetFocus();
  QTest::keyClick(Edit->Widget(), Qt::Key_N, Qt::NoModifier);
  QApplication::processEvents();
  ASSERT_EQ(Edit->Lines()->Strings(0), "  begin");
  EXPECT_EQ(ColorAt(3), 0xFF0000);
  EXPECT_EQ(Editor->StatusBar->Panels()->Items(0)->Text(), "8Col");
  EXPECT_EQ(Editor->StatusBar->Panels()->Items(1)->Text(), "0/1Line");
  // The change reached the main window once the control called itself modified.
  EXPECT_GE(Host.Changes, 1);
  EXPECT_EQ(Editor->StatusBar->Panels()->Items(3)->Text(), "Modified");
}

TEST_F(Typing, TheStatusCountsLinesFromZeroAndCtrlYDeletesTheLine) {
  Edit->SetText("first\r\n\r\nthird");
  Edit->SetSelStart(static_cast<int>(Edit->Perform(EM_LINEINDEX, 1, 0)));
  Edit->SetFocus();
  Editor->UpdateCaretStatus(VK_END, {});
  EXPECT_EQ(Editor->StatusBar->Panels()->Items(0)->Text(), "1Col");
  EXPECT_EQ(Editor->StatusBar->Panels()->Items(1)->Text(), "1/3Line");
  Editor->UpdateCaretStatus('Y', {ssCtrl});
  ASSERT_EQ(Edit->Lines()->Count(), 2);
  EXPECT_EQ(Edit->Lines()->Strings(1), "third");
  Editor->UpdateCaretStatus(VK_INSERT, {});
  EXPECT_TRUE(Editor->InsertMode);
  EXPECT_EQ(Editor->StatusBar->Panels()->Items(2)->Text(), "Insert");
}

TEST_F(Typing, ReadOnlyIsOneCheckMarkForTheWindow) {
  Editor->NReadOnlyClick(Editor->NReadOnly);
  EXPECT_TRUE(Edit->ReadOnly());
  EXPECT_EQ(Editor->StatusBar->Panels()->Items(2)->Text(), "ReadOnly");
  Editor->NReadOnlyClick(Editor->NReadOnly);
  EXPECT_FALSE(Edit->ReadOnly());
  EXPECT_EQ(Editor->StatusBar->Panels()->Items(2)->Text(), "");
}

}  // namespace
}  // namespace korvax::editor
