// The rich edit's own document layout: the running sums of paragraph sizes, and
// paragraphs that stay in place, lay out lazily and are found again by position.
#include "kcl/components/richeditlayout.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QTextCursor>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <random>
#include <string>
#include <vector>

#include "kcl/classes/streams.h"
#include "kcl/components/richedit.h"
#include "kcl/components/richeditsizes.h"
#include "kcl/controls/form.h"
#include "richedittest.h"
#include "support/testform.h"

using namespace kcl;
using korvax::test::FormPtr;

namespace {

class RichEditLayout : public korvax::test::RichEditTest {
protected:
  void SetUp() override {
    RichEditTest::SetUp();
    form->Show();
  }
  QAbstractTextDocumentLayout* Layout() const { return edit->Document()->documentLayout(); }
  QRectF Rect(int line) const { return Layout()->blockBoundingRect(edit->Document()->findBlockByNumber(line)); }
};

// Lines of differing heights: every third one in a larger font.
std::string MixedLines(int count) {
  std::string rtf = R"({\rtf1{\fonttbl{\f0\fmodern Courier New;}}\f0\fs20 )";
  for (int i = 0; i < count; ++i)
    rtf += (i % 3 == 0 ? "{\\fs40 big " : "{small ") + std::to_string(i) + "}\\par ";
  return rtf + "}";
}

}  // namespace

TEST(BlockSizes, SumsAndSearchesAgreeWithAPlainListThroughChanges) {
  TBlockSizes sizes;
  std::vector<double> heights;
  std::mt19937 random(7);
  sizes.Resize(5, 10);
  heights.assign(5, 10);
  for (int step = 0; step < 400; ++step) {
    const int count = static_cast<int>(heights.size());
    const int first = static_cast<int>(random() % static_cast<unsigned>(count + 1));
    switch (random() % 3) {
      case 0: {
        const int removed = std::min(static_cast<int>(random() % 4), count - first);
        const int inserted = static_cast<int>(random() % 4);
        const double height = 1 + random() % 20;
        sizes.Replace(first, removed, inserted, height);
        heights.erase(heights.begin() + first, heights.begin() + first + removed);
        heights.insert(heights.begin() + first, static_cast<size_t>(inserted), height);
        break;
      }
      default:
        if (first < count) {
          const double height = random() % 30;
          sizes.SetSize(first, height, 0);
          heights[static_cast<size_t>(first)] = height;
        }
    }
    ASSERT_EQ(sizes.Count(), static_cast<int>(heights.size()));
    double top = 0;
    for (int i = 0; i < sizes.Count(); ++i) {
      ASSERT_DOUBLE_EQ(sizes.Top(i), top) << "step " << step << " block " << i;
      // A point inside a paragraph that has height finds that paragraph.
      if (heights[static_cast<size_t>(i)] > 0) {
        ASSERT_EQ(sizes.BlockAt(top + 0.5), i);
      }
      top += heights[static_cast<size_t>(i)];
    }
    ASSERT_DOUBLE_EQ(sizes.TotalHeight(), top);
    if (sizes.Count() > 0) {
      ASSERT_EQ(sizes.BlockAt(top + 100), sizes.Count() - 1);
    }
  }
}

TEST(BlockSizes, WidestParagraphFollowsShrinkingAndRemoval) {
  TBlockSizes sizes;
  sizes.Resize(3, 10);
  sizes.SetSize(0, 10, 50);
  sizes.SetSize(1, 10, 80);
  sizes.SetSize(2, 10, 60);
  EXPECT_DOUBLE_EQ(sizes.MaxWidth(), 80);
  sizes.SetSize(1, 10, 20);
  EXPECT_DOUBLE_EQ(sizes.MaxWidth(), 60);
  sizes.Replace(2, 1, 0, 10);
  EXPECT_DOUBLE_EQ(sizes.MaxWidth(), 50);
}

TEST_F(RichEditLayout, ParagraphsStackAfterEditsAsAFreshLayoutWouldPlaceThem) {
  Load(MixedLines(60));
  // Lines split, joined, removed and reformatted in the middle and at the end.
  edit->ReplaceRange(edit->LineIndex(10) + 2, edit->LineIndex(10) + 2, "one\rtwo\rthree", true);
  edit->ReplaceRange(edit->LineIndex(20), edit->LineIndex(25), "", true);
  edit->SetSelection(edit->LineIndex(30), edit->LineIndex(33));
  edit->SelAttributes()->SetSize(30);
  edit->ReplaceRange(edit->GetTextLen(), edit->GetTextLen(), "\rlast", true);
  const int lines = edit->LineCount();

  QTextDocument fresh;
  fresh.setDocumentLayout(new TRichEditLayout(&fresh));
  fresh.setDefaultFont(edit->Document()->defaultFont());
  fresh.setDefaultTextOption(edit->Document()->defaultTextOption());
  fresh.setPageSize(edit->Document()->pageSize());
  QTextCursor(&fresh).insertFragment(QTextDocumentFragment(edit->Document()));
  ASSERT_EQ(fresh.blockCount(), lines);
  double bottom = Rect(0).top();
  for (int line = 0; line < lines; ++line) {
    const QRectF rect = Rect(line);
    ASSERT_DOUBLE_EQ(rect.top(), bottom) << "line " << line;
    const QRectF expected = fresh.documentLayout()->blockBoundingRect(fresh.findBlockByNumber(line));
    ASSERT_DOUBLE_EQ(rect.height(), expected.height()) << "line " << line;
    bottom = rect.bottom();
  }
  EXPECT_DOUBLE_EQ(Layout()->documentSize().height(), bottom + edit->Document()->documentMargin());
}

TEST_F(RichEditLayout, AnEditLaysOutOnlyTheParagraphsItChanged) {
  Load(MixedLines(3000));
  QCoreApplication::processEvents();
  const QTextBlock far = edit->Document()->findBlockByNumber(2500);
  ASSERT_EQ(far.layout()->lineCount(), 0);  // never shown
  const double farTop = Rect(2500).top();
  // A taller first line moves what follows without laying it out again.
  edit->SetSelection(0, 3);
  edit->SelAttributes()->SetSize(40);
  const QTextBlock next = edit->Document()->findBlockByNumber(2499);
  EXPECT_EQ(next.layout()->lineCount(), 0);
  const QRectF above = Rect(2499);
  EXPECT_GT(Rect(2500).top(), farTop);
  EXPECT_DOUBLE_EQ(Rect(2500).top(), above.bottom());
}

TEST_F(RichEditLayout, HitTestFindsThePositionsTheCaretIsDrawnAt) {
  Load(MixedLines(40));
  edit->SetWordWrap(false);
  QTextEdit* editor = edit->Editor();
  for (const int position : {0, 3, edit->LineIndex(7) + 4, edit->LineIndex(39) + 2, edit->GetTextLen()}) {
    QTextCursor cursor(edit->Document());
    cursor.setPosition(position);
    const QRectF caret = editor->cursorRect(cursor).translated(editor->horizontalScrollBar()->value(),
                                                                 editor->verticalScrollBar()->value());
    EXPECT_EQ(Layout()->hitTest(caret.center(), Qt::FuzzyHit), position);
  }
  // Beside a short line is no character; below the text the last line's end is nearest.
  EXPECT_EQ(Layout()->hitTest(QPointF(Rect(1).left() + 250, Rect(1).center().y()), Qt::ExactHit), -1);
  EXPECT_EQ(Layout()->hitTest(QPointF(Rect(1).left() + 250, Rect(1).center().y()), Qt::FuzzyHit),
            edit->LineIndex(2) - 1);
  EXPECT_EQ(Layout()->hitTest(QPointF(1000, 1e6), Qt::FuzzyHit), edit->GetTextLen());
}

TEST_F(RichEditLayout, AnEmptyDocumentIsOneLineHigh) {
  Load("");
  const QRectF line = Rect(0);
  EXPECT_GT(line.height(), 0);
  EXPECT_DOUBLE_EQ(Layout()->documentSize().height(), line.height() + 2 * edit->Document()->documentMargin());
  EXPECT_EQ(Layout()->hitTest(line.center(), Qt::FuzzyHit), 0);
}
