#include <gtest/gtest.h>

#include <QTabBar>
#include <QTest>
#include <string>
#include <vector>

#include "kcl/components/tabcontrol.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(Win32Input, TabControlAsksOnChangingBeforeATabIsChosen) {
  FormPtr form = NewForm();
  auto* tabs = Create<TTabControl>(form.get(), form.get(), "TabControl1");
  EXPECT_EQ(tabs->TabIndex(), -1);
  tabs->Tabs()->SetCommaText("One,Two,Three");
  EXPECT_EQ(tabs->TabIndex(), 0);  // the first tab is chosen when tabs come
  form->Show();
  std::vector<std::string> log;
  bool allow = false;
  tabs->OnChanging.SetHandler([&](TObject*, bool& a) {
    log.push_back("changing " + std::to_string(tabs->TabIndex()));
    a = allow;
  });
  tabs->OnChange.SetHandler([&](TObject*) { log.push_back("change " + std::to_string(tabs->TabIndex())); });
  auto* bar = tabs->Widget()->findChild<QTabBar*>();
  ASSERT_NE(bar, nullptr);
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(2).center());
  EXPECT_EQ(tabs->TabIndex(), 0);
  EXPECT_EQ(bar->currentIndex(), 0);
  allow = true;
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(2).center());
  EXPECT_EQ(tabs->TabIndex(), 2);
  EXPECT_EQ(bar->currentIndex(), 2);
  EXPECT_EQ(log, (std::vector<std::string>{"changing 0", "changing 0", "change 2"}));
  // The panel lies below the tabs; fewer tabs keep the index inside them.
  EXPECT_GE(tabs->DisplayRect().Top, bar->height());
  tabs->Tabs()->Delete(2);
  EXPECT_EQ(tabs->TabIndex(), 1);
  tabs->SetTabIndex(7);
  EXPECT_EQ(tabs->TabIndex(), 1);
}
