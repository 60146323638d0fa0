#include <gtest/gtest.h>

#include <QTest>

#include "kcl/components/colorgrid.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(CommonControls, ColorGridLeftClickChoosesForegroundRightClickBackground) {
  FormPtr form = NewForm(300, 300);
  auto* grid = Create<TColorGrid>(form.get(), form.get(), "ColorGrid1");
  grid->SetBounds(0, 0, 100, 100);  // go4x4: cells of 25 x 25
  form->Show();
  int changes = 0;
  grid->OnChange.SetHandler([&](TObject*) { ++changes; });
  QTest::mouseClick(grid->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
  EXPECT_EQ(grid->ForegroundIndex(), 5);
  EXPECT_EQ(grid->ForegroundColor(), clPurple);
  QTest::mouseClick(grid->Widget(), Qt::RightButton, Qt::NoModifier, QPoint(80, 60));
  EXPECT_EQ(grid->BackgroundIndex(), 11);
  EXPECT_EQ(grid->BackgroundColor(), clYellow);
  EXPECT_EQ(changes, 2);
  // A disabled choice stays as it is unless a click may enable it.
  grid->SetBackgroundEnabled(false);
  QTest::mouseClick(grid->Widget(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(grid->BackgroundIndex(), 11);
  grid->SetClickEnablesColor(true);
  QTest::mouseClick(grid->Widget(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(grid->BackgroundIndex(), 0);
  EXPECT_TRUE(grid->BackgroundEnabled());
  grid->SetGridOrdering(go16x1);
  EXPECT_EQ(grid->IndexAt(99, 99), -1);  // 16 cells of 6 pixels leave 4 over
  EXPECT_EQ(grid->IndexAt(93, 99), 15);
  grid->SetForegroundIndex(16);
  EXPECT_EQ(grid->ForegroundIndex(), 5);
}
