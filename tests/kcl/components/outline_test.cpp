#include <gtest/gtest.h>

#include <QTest>

#include "kcl/components/outline.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(MoreControlsInput, OutlineOpensAndClosesNodes) {
  FormPtr form = NewForm();
  auto* outline = Place<TOutline>(form.get());
  outline->SetBounds(8, 8, 200, 200);
  outline->Lines()->SetText("Part I\r\n\tChapter 1\r\n\t\tSection\r\n\tChapter 2\r\nPart II\r\n\t\t\tToo deep\r\n");
  EXPECT_EQ(outline->ItemCount(), 6);
  EXPECT_EQ(outline->Level(3), 3);
  EXPECT_EQ(outline->Level(6), 2);  // a jump of two levels lands one below
  EXPECT_EQ(outline->VisibleItems(), (std::vector<int>{1, 5}));
  std::vector<int> expanded;
  outline->OnExpand.SetHandler([&](TObject*, int index) { expanded.push_back(index); });
  outline->SetExpanded(1, true);
  EXPECT_EQ(outline->VisibleItems(), (std::vector<int>{1, 2, 4, 5}));
  outline->FullExpand();
  EXPECT_EQ(outline->VisibleItems(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(expanded, (std::vector<int>{1, 2, 5}));
  EXPECT_EQ(outline->FullPath(3), "Part I\\Chapter 1\\Section");
  outline->SetItemSeparator("/");
  EXPECT_EQ(outline->FullPath(6), "Part II/Too deep");
  outline->SetSelectedItem(3);
  outline->SetExpanded(1, false);  // the selection moves up to the node that closed
  EXPECT_EQ(outline->SelectedItem(), 1);
  EXPECT_THROW(outline->Level(7), EListError);

  form->Show();
  outline->SetFocus();
  QTest::keyClick(outline->Widget(), Qt::Key_Down);
  EXPECT_EQ(outline->SelectedItem(), 5);
  QTest::keyClick(outline->Widget(), '-');  // typed: '-' closes, '+' opens
  EXPECT_EQ(outline->VisibleItems(), (std::vector<int>{1, 5}));
  QTest::keyClick(outline->Widget(), '+');
  EXPECT_EQ(outline->VisibleItems(), (std::vector<int>{1, 5, 6}));
  QTest::keyClick(outline->Widget(), '-');
  const TRect first = Rect(2, 2, 200, 2 + outline->ItemHeight());
  // A double click: the first click selects, the second opens.
  QTest::mouseClick(outline->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(60, first.Top + 3));
  QTest::mouseDClick(outline->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(60, first.Top + 3));
  EXPECT_EQ(outline->SelectedItem(), 1);
  EXPECT_TRUE(outline->Expanded(1));
}
