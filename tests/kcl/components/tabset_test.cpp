// The tab set: choosing tabs with the mouse and by code, OnChange refusing a
// change, tabs that scroll, owner-drawn tabs, its looks and its forms.
#include "kcl/components/tabset.h"

#include <gtest/gtest.h>

#include <QImage>

#include "kcl/components/morectrls.h"
#include "kcl/graphics/qtcolor.h"
#include "kcl/rtl/exceptions.h"
#include "support/mouse.h"
#include "support/propnames.h"
#include "support/sampleform.h"

using namespace kcl;
using namespace korvax::test;

TEST(TabSet, PublishesWhatDelphi3Publishes) {
  EXPECT_EQ(DeclaredPropNames(&TTabSet::StaticClass()),
            "Name Tag Left Top Width Height Cursor Hint HelpContext Align AutoScroll BackgroundColor DitherBackground "
            "DragCursor DragMode Enabled EndMargin Font ParentShowHint PopupMenu ShowHint StartMargin SelectedColor "
            "Style TabHeight Tabs TabIndex UnselectedColor Visible OnClick OnChange OnDragDrop OnDragOver OnDrawTab "
            "OnEndDrag OnEnter OnExit OnMouseDown OnMouseMove OnMouseUp OnMeasureTab OnStartDrag");
}

TEST(TabSet, ChoosingATabAsksOnChangeThenClicks) {
  FormPtr form = ShownForm();
  auto* tabs = Place<TTabSet>(form.get(), "TabSet1");
  tabs->Tabs()->SetText("One\nTwo\nThree\n");
  EXPECT_EQ(tabs->TabIndex(), -1);
  std::vector<int> asked;
  bool allow = true;
  int clicks = 0;
  tabs->OnChange.SetHandler([&](TObject* sender, int newTab, bool& allowChange) {
    EXPECT_EQ(sender, tabs);
    asked.push_back(newTab);
    allowChange = allow;
  });
  tabs->OnClick.SetHandler([&](TObject*) { ++clicks; });

  const TPoint second = Middle(tabs->ItemRect(1));
  EXPECT_EQ(tabs->ItemAtPos(second), 1);
  ClickAt(tabs, second.X, second.Y);
  EXPECT_EQ(tabs->TabIndex(), 1);
  EXPECT_EQ(asked, std::vector<int>{1});
  EXPECT_EQ(clicks, 1);

  allow = false;
  tabs->SetTabIndex(2);
  EXPECT_EQ(tabs->TabIndex(), 1);
  EXPECT_EQ(clicks, 1);
  allow = true;
  tabs->SetTabIndex(2);
  EXPECT_EQ(tabs->TabIndex(), 2);
  EXPECT_EQ(asked, (std::vector<int>{1, 2, 2}));
  EXPECT_EQ(clicks, 2);
  tabs->SetTabIndex(2);  // the same tab: nothing asked
  EXPECT_EQ(asked.size(), 3u);

  EXPECT_THROW(tabs->SetTabIndex(3), EInvalidOperation);
  EXPECT_THROW(tabs->SetTabIndex(-2), EInvalidOperation);
  EXPECT_EQ(tabs->ItemAtPos({second.X, tabs->Height() + 5}), -1);
  tabs->Tabs()->Delete(2);  // the chosen tab goes: the last one left is chosen
  EXPECT_EQ(tabs->TabIndex(), 1);
  tabs->Tabs()->Clear();
  EXPECT_EQ(tabs->TabIndex(), -1);
}

// Where two tabs overlap, the chosen one is on top.
TEST(TabSet, TheChosenTabLiesOverItsNeighbours) {
  FormPtr form = ShownForm();
  auto* tabs = Place<TTabSet>(form.get(), "TabSet1");
  tabs->Tabs()->SetText("One\nTwo\n");
  const TRect first = tabs->ItemRect(0), second = tabs->ItemRect(1);
  ASSERT_LT(second.Left, first.Right);
  const TPoint overlap = {(second.Left + first.Right) / 2, 2};
  EXPECT_EQ(tabs->ItemAtPos(overlap), 0);
  tabs->SetTabIndex(1);
  EXPECT_EQ(tabs->ItemAtPos(overlap), 1);
}

TEST(TabSet, TabsThatDoNotFitScroll) {
  FormPtr form = ShownForm();
  auto* tabs = Place<TTabSet>(form.get(), "TabSet1");
  tabs->SetWidth(150);
  tabs->Tabs()->SetText("First\nSecond\n");
  EXPECT_TRUE(tabs->ScrollButtonRect(true).Width() == 0);
  tabs->Tabs()->SetText("First\nSecond\nThird\nFourth\nFifth\n");
  const int shown = tabs->VisibleTabs();
  ASSERT_GT(shown, 0);
  ASSERT_LT(shown, 5);
  const TRect right = tabs->ScrollButtonRect(true);
  ASSERT_GT(right.Width(), 0);
  EXPECT_EQ(right.Right, tabs->ClientWidth());
  EXPECT_LE(tabs->ItemRect(shown - 1).Right, tabs->ScrollButtonRect(false).Left);
  ClickAt(tabs, Middle(right).X, Middle(right).Y);
  EXPECT_EQ(tabs->FirstIndex(), 1);
  EXPECT_TRUE(tabs->ItemRect(0).Width() == 0);
  const TRect left = tabs->ScrollButtonRect(false);
  ClickAt(tabs, Middle(left).X, Middle(left).Y);
  EXPECT_EQ(tabs->FirstIndex(), 0);
  EXPECT_EQ(tabs->TabIndex(), -1);  // scrolling chooses nothing
  tabs->SetTabIndex(4);  // the chosen tab scrolls into view
  EXPECT_GT(tabs->ItemRect(4).Width(), 0);
  EXPECT_GT(tabs->FirstIndex(), 0);
  for (int i = 0; i < 10; ++i) ClickAt(tabs, Middle(right).X, Middle(right).Y);
  EXPECT_GT(tabs->ItemRect(4).Width(), 0);  // no further than the last tab
  tabs->SetAutoScroll(false);
  EXPECT_TRUE(tabs->ScrollButtonRect(true).Width() == 0);
}

TEST(TabSet, OwnerDrawnTabsAreMeasuredAndDrawnByTheirEvents) {
  FormPtr form = ShownForm();
  auto* tabs = Place<TTabSet>(form.get(), "TabSet1");
  tabs->SetHeight(30);
  tabs->Tabs()->SetText("a\nb\n");
  tabs->SetStyle(tsOwnerDraw);
  tabs->SetTabHeight(25);
  tabs->OnMeasureTab.SetHandler([](TObject*, int index, int& width) { width = index == 0 ? 40 : 60; });
  std::vector<std::pair<int, bool>> drawn;
  tabs->OnDrawTab.SetHandler([&](TObject*, TCanvas* canvas, TRect rect, int index, bool selected) {
    EXPECT_EQ(canvas, tabs->Canvas());
    EXPECT_EQ(rect.Bottom, 25);
    drawn.emplace_back(index, selected);
    canvas->Brush()->SetColor(clLime);
    canvas->FillRect(rect);
  });
  tabs->SetTabIndex(1);
  EXPECT_EQ(tabs->ItemRect(0).Width() + 20, tabs->ItemRect(1).Width());
  const QImage shot = tabs->Widget()->grab().toImage();
  EXPECT_EQ(drawn, (std::vector<std::pair<int, bool>>{{0, false}, {1, true}}));
  const TPoint inside = Middle(tabs->ItemRect(1));
  EXPECT_EQ(shot.pixelColor(inside.X, inside.Y).rgb(), ColorToQRgb(clLime));
  EXPECT_NE(shot.pixelColor(inside.X, 28).rgb(), ColorToQRgb(clLime));  // below the tabs
}

TEST(TabSet, PaintsTheChosenTabInItsColour) {
  FormPtr form = ShownForm();
  auto* tabs = Place<TTabSet>(form.get(), "TabSet1");
  tabs->Tabs()->SetText("One\nTwo\n");
  tabs->SetSelectedColor(clYellow);
  tabs->SetUnselectedColor(clAqua);
  tabs->SetDitherBackground(false);
  tabs->SetBackgroundColor(clGreen);
  tabs->SetTabIndex(0);
  const QImage shot = tabs->Widget()->grab().toImage();
  const auto colour = [&](TPoint p) { return shot.pixelColor(p.X, p.Y).rgb(); };
  const TRect chosen = tabs->ItemRect(0), other = tabs->ItemRect(1);
  EXPECT_EQ(colour({chosen.Left + 12, 2}), ColorToQRgb(clYellow));
  EXPECT_EQ(colour({chosen.Left + 12, 0}), ColorToQRgb(clYellow));  // no line above the chosen tab
  EXPECT_EQ(colour({other.Right - 12, 0}), ColorToQRgb(clBlack));
  EXPECT_EQ(colour({other.Right - 12, 2}), ColorToQRgb(clAqua));
  EXPECT_EQ(colour({tabs->Width() - 3, 10}), ColorToQRgb(clGreen));
  tabs->SetDitherBackground(true);
  const QImage dithered = tabs->Widget()->grab().toImage();
  EXPECT_NE(dithered.pixelColor(tabs->Width() - 3, 10).rgb(), dithered.pixelColor(tabs->Width() - 4, 10).rgb());
}

TEST(TabSet, FormsComeBackByteForByte) {
  RegisterMoreControls();
  const std::string text = SampleFormText("tabset.txt");
  FormPtr form = ShowSampleForm(text);
  auto* sheets = dynamic_cast<TTabSet*>(form->FindComponent("SheetTabs"));
  auto* drawn = dynamic_cast<TTabSet*>(form->FindComponent("DrawnTabs"));
  ASSERT_NE(sheets, nullptr);
  ASSERT_NE(drawn, nullptr);
  EXPECT_EQ(sheets->TabIndex(), 1);
  EXPECT_EQ(sheets->Tabs()->Count(), 3);
  EXPECT_FALSE(sheets->DitherBackground());
  EXPECT_EQ(sheets->SelectedColor(), clWindow);
  EXPECT_TRUE(sheets->OnChange.Assigned());
  EXPECT_EQ(drawn->Style(), tsOwnerDraw);
  EXPECT_EQ(drawn->TabHeight(), 24);
  EXPECT_EQ(drawn->StartMargin(), 2);
  EXPECT_TRUE(drawn->OnMeasureTab.Assigned());
  EXPECT_TRUE(sheets->Widget()->isVisible());
  ExpectWrittenAsRead(form.get(), text);
}

// Thousands of tabs, a strip far wider than a screen and tabs that ask for any
// width at all: the chosen tab still scrolls into view, and the strip paints.
TEST(TabSet, LargeAndOddTabSetsStillWork) {
  FormPtr form = ShownForm();
  auto* tabs = Place<TTabSet>(form.get(), "TabSet1");
  tabs->SetWidth(300);
  std::string many;
  for (int i = 0; i < 3000; ++i) many += "Tab" + std::to_string(i) + "\n";
  tabs->Tabs()->SetText(many);
  tabs->SetTabIndex(2999);
  EXPECT_GT(tabs->ItemRect(2999).Width(), 0);
  EXPECT_GT(tabs->FirstIndex(), 2900);
  tabs->SetTabIndex(5);
  EXPECT_EQ(tabs->FirstIndex(), 5);
  tabs->SetBounds(0, 0, 5000, 300);
  EXPECT_FALSE(tabs->Widget()->grab().isNull());

  tabs->SetStyle(tsOwnerDraw);
  tabs->OnMeasureTab.SetHandler([](TObject*, int, int& width) { width = 2147483647; });
  EXPECT_EQ(tabs->VisibleTabs(), 0);  // none fits
  EXPECT_EQ(tabs->ItemAtPos({10, 5}), -1);
  EXPECT_FALSE(tabs->Widget()->grab().isNull());
}
