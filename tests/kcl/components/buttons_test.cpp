#include <gtest/gtest.h>

#include <QTest>

#include "kcl/components/buttons.h"
#include "support/mouse.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(StdCtrlsInput, SpeedButtonGroupsStayDownExclusively) {
  FormPtr form = ShownForm();
  auto* plain = Place<TSpeedButton>(form.get(), "Plain");
  auto* a = Place<TSpeedButton>(form.get(), "A", 40, 8);
  auto* b = Place<TSpeedButton>(form.get(), "B", 70, 8);
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  int clicks = 0;
  plain->OnClick.SetHandler([&](TObject*) { ++clicks; });
  ClickAt(plain);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(plain->Down());  // without a group a button springs back
  ClickAt(a);
  EXPECT_TRUE(a->Down());
  ClickAt(b);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  ClickAt(b);
  EXPECT_TRUE(b->Down());  // the group must keep one down
  a->SetAllowAllUp(true);  // for the whole group
  EXPECT_TRUE(b->AllowAllUp());
  ClickAt(b);
  EXPECT_FALSE(b->Down());
  QTest::mousePress(a->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QTest::mouseRelease(a->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 5));  // let go outside
  EXPECT_FALSE(a->Down());
}
