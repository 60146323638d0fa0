// A large document in a TRichEdit: shown at once, its formatting read on another
// thread, and the whole document in place before anything edits it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <string>

#include "kcl/classes/streams.h"
#include "kcl/components/richedit.h"
#include "kcl/graphics/qtcolor.h"
#include "support/testform.h"

using namespace kcl;
using korvax::test::FormPtr;

namespace {

constexpr int Lines = 12000;  // well over half a megabyte of RTF

// Line i reads "begin xi:=1;" with "begin" blue and bold and "1" red.
std::string LargeUnit() {
  std::string rtf =
      R"({\rtf1\ansi\deff0{\fonttbl{\f0\fmodern Courier New;}}{\colortbl\red0\green0\blue0;\red0\green0\blue255;)"
      R"(\red255\green0\blue0;}\pard\plain\f0\fs20 )";
  for (int i = 0; i < Lines; ++i)
    rtf += "{\\b \\cf1 begin}{\\cf0  x" + std::to_string(i) + "}{\\cf0 :=}{\\cf2 1}{\\cf0 ;}\r\n\\par ";
  return rtf + "}";
}

class RichEditBackground : public testing::Test {
protected:
  void SetUp() override {
    form = korvax::test::ShownForm(500, 400);
    edit = new TRichEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(0, 0, 480, 380);
    edit->SetScrollBars(ssBoth);
    edit->SetWordWrap(false);
    edit->OnChange.SetHandler([this](TObject*) { ++changes; });
    edit->OnSelectionChange.SetHandler([this](TObject*) { ++selectionChanges; });
    QCoreApplication::processEvents();
  }
  void Load(const std::string& data) const {
    TStringStream stream(data);
    edit->Lines()->LoadFromStream(stream);
  }
  // Lets the event loop run until the shown document is another than before.
  bool WaitForAnotherDocument(const QTextDocument* before) const {
    QDeadlineTimer deadline(60000);
    while (edit->ShownDocument() == before && !deadline.hasExpired()) QTest::qWait(5);
    return edit->ShownDocument() != before;
  }
  QRgb ShownColorAt(int position) const {
    QTextCursor cursor(const_cast<QTextDocument*>(edit->ShownDocument()));
    cursor.setPosition(position + 1);
    return cursor.charFormat().foreground().color().rgb();
  }
  QRgb ColorAt(int position) const {
    edit->SetSelection(position, position + 1);
    return ColorToQRgb(edit->SelAttributes()->Color());
  }
  int LineStart(int line) const { return edit->LineIndex(line); }

  FormPtr form;
  TRichEdit* edit = nullptr;
  int changes = 0;
  int selectionChanges = 0;
};

}  // namespace

TEST_F(RichEditBackground, TheTextIsThereAtOnceAndTheFormattingFollowsWithSelectionAndScrollingKept) {
  Load(LargeUnit());
  EXPECT_EQ(changes, 1);
  const QTextDocument* quick = edit->ShownDocument();
  // The text and positions are final at once; the first lines have their colours.
  ASSERT_EQ(edit->Lines()->Count(), Lines);
  EXPECT_EQ(edit->Lines()->Strings(Lines - 1), "begin x" + std::to_string(Lines - 1) + ":=1;");
  EXPECT_EQ(ShownColorAt(LineStart(0)), qRgb(0, 0, 255));
  EXPECT_EQ(ShownColorAt(LineStart(0) + 10), qRgb(255, 0, 0));

  // The user clicks into the text and scrolls while the formatting is read.
  QTextEdit* view = edit->Editor();
  QTextCursor caret = view->textCursor();
  caret.setPosition(LineStart(9000) + 2);
  caret.setPosition(LineStart(9000) + 4, QTextCursor::KeepAnchor);
  view->setTextCursor(caret);
  view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum() / 2);
  const int scrolled = view->verticalScrollBar()->value();
  const int selectionsBefore = selectionChanges;

  ASSERT_TRUE(WaitForAnotherDocument(quick));
  EXPECT_EQ(edit->SelStart(), LineStart(9000) + 2);
  EXPECT_EQ(edit->SelLength(), 2);
  EXPECT_EQ(view->verticalScrollBar()->value(), scrolled);
  EXPECT_EQ(selectionChanges, selectionsBefore);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(edit->Modified());
  EXPECT_FALSE(edit->CanUndo());
  EXPECT_EQ(ShownColorAt(LineStart(Lines - 1)), qRgb(0, 0, 255));
  EXPECT_EQ(ShownColorAt(LineStart(Lines - 1) + 6), qRgb(0, 0, 0));
  EXPECT_EQ(ShownColorAt(LineStart(Lines - 1) + 9 + std::to_string(Lines - 1).size()), qRgb(255, 0, 0));
}

TEST_F(RichEditBackground, EditsAndFormatQuestionsWaitForTheWholeDocument) {
  Load(LargeUnit());
  // Asking about formatting far down gets the read colours, not the quick ones.
  EXPECT_EQ(ColorAt(LineStart(Lines - 1)), qRgb(0, 0, 255));
  EXPECT_TRUE(edit->SelAttributes()->Style().Contains(fsBold));

  Load(LargeUnit());
  const QTextDocument* quick = edit->ShownDocument();
  edit->SetSelStart(LineStart(Lines - 1) + 5);
  // A key typed before the formatting arrived lands in the whole document, undoably.
  QTest::keyClicks(edit->Editor(), "Z");
  EXPECT_NE(edit->ShownDocument(), quick);
  EXPECT_EQ(edit->Lines()->Strings(Lines - 1), "beginZ x" + std::to_string(Lines - 1) + ":=1;");
  EXPECT_EQ(ShownColorAt(LineStart(Lines - 1) + 10 + std::to_string(Lines - 1).size()), qRgb(255, 0, 0));
  EXPECT_TRUE(edit->Modified());
  ASSERT_TRUE(edit->CanUndo());
  edit->Undo();
  EXPECT_EQ(edit->Lines()->Strings(Lines - 1), "begin x" + std::to_string(Lines - 1) + ":=1;");
}

TEST_F(RichEditBackground, ANewLoadOrTheControlsEndStopsTheReading) {
  Load(LargeUnit());
  Load("{\\rtf1 small}");
  const QTextDocument* small = edit->ShownDocument();
  QTest::qWait(50);
  QCoreApplication::processEvents();
  EXPECT_EQ(edit->ShownDocument(), small);
  EXPECT_EQ(edit->Lines()->Text(), "small\r\n");

  Load(LargeUnit());
  form.reset();  // the thread still reads; nothing may outlive the control
  QTest::qWait(50);
}
