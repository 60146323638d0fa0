// Page controls at run time and in design state: tabs that ask before they
// turn the page, hidden tabs, freed pages, and tabs below the pages.
#include <gtest/gtest.h>

#include <QTabBar>
#include <QTest>

#include "kcl/components/pagecontrol.h"
#include "support/swallowingdesigner.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

namespace {

QPoint TabCenter(TPageControl* pc, int tab) {
  auto* bar = pc->Widget()->findChild<QTabBar*>();
  return bar->tabRect(tab).center();
}

}  // namespace

TEST(CommonControls, ClickingATabAsksOnChangingThenSwitchesPages) {
  FormPtr form = NewForm();
  auto* pages = Create<TPageControl>(form.get(), form.get(), "PageControl1");
  auto* sheet1 = Create<TTabSheet>(form.get(), pages, "TabSheet1");
  sheet1->SetCaption("One");
  auto* sheet2 = Create<TTabSheet>(form.get(), pages, "TabSheet2");
  sheet2->SetCaption("Two");
  form->Show();
  EXPECT_EQ(pages->ActivePage(), sheet1);
  EXPECT_EQ(sheet1->BoundsRect(), pages->DisplayRect());
  bool allow = false;
  std::vector<std::string> log;
  pages->OnChanging.SetHandler([&](TObject*, bool& a) {
    log.push_back("changing");
    a = allow;
  });
  pages->OnChange.SetHandler([&](TObject*) { log.push_back("change"); });
  auto* bar = pages->Widget()->findChild<QTabBar*>();
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, TabCenter(pages, 1));
  EXPECT_EQ(pages->ActivePage(), sheet1);  // refused
  EXPECT_EQ(bar->currentIndex(), 0);
  allow = true;
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, TabCenter(pages, 1));
  EXPECT_EQ(pages->ActivePage(), sheet2);
  EXPECT_EQ(bar->currentIndex(), 1);
  EXPECT_TRUE(sheet2->Widget()->isVisible());
  EXPECT_FALSE(sheet1->Widget()->isVisible());
  EXPECT_EQ(log, (std::vector<std::string>{"changing", "changing", "change"}));

  // In design state a click on a tab still turns the page, and runs no handler.
  TSwallowingDesigner designer;
  form->SetDesigner(&designer);
  form->SetDesigning(true);
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, TabCenter(pages, 0));
  EXPECT_EQ(pages->ActivePage(), sheet1);
  EXPECT_EQ(log.size(), 3u);
  form->SetDesigner(nullptr);

  // A hidden tab leaves the row; freeing the active page shows the next one.
  sheet1->SetTabVisible(false);
  EXPECT_EQ(bar->count(), 1);
  EXPECT_EQ(sheet2->TabIndex(), 0);
  sheet1->Free();
  EXPECT_EQ(pages->ActivePage(), sheet2);
  EXPECT_EQ(pages->PageCount(), 1);

  // Tabs below the pages: the pages start at the top, the row ends at the bottom.
  const TRect above = pages->DisplayRect();
  pages->SetTabPosition(tpBottom);
  const TRect below = pages->DisplayRect();
  EXPECT_LT(below.Top, above.Top);
  EXPECT_EQ(below.Height(), above.Height());
  EXPECT_EQ(bar->geometry().bottom() + 1, pages->Height());
  EXPECT_EQ(sheet2->BoundsRect(), below);
  const QPoint tab = bar->mapTo(pages->Widget(), TabCenter(pages, 0));
  EXPECT_EQ(pages->PageAtPos({tab.x(), tab.y()}), sheet2);
  EXPECT_EQ(pages->PageAtPos({tab.x(), 5}), nullptr);
}
