#include <gtest/gtest.h>

#include <QImage>
#include <QListWidget>
#include <QTest>
#include <algorithm>
#include <vector>

#include "kcl/components/listbox.h"
#include "kcl/graphics/brush.h"
#include "kcl/rtl/exceptions.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(StdCtrlsInput, ListBoxSelectionAndOwnerDrawing) {
  FormPtr form = ShownForm();
  auto* list = Place<TListBox>(form.get(), "ListBox1");
  for (int i = 0; i < 30; ++i) list->Items()->Add("item " + std::to_string(i));
  int clicks = 0;
  list->OnClick.SetHandler([&](TObject*) { ++clicks; });
  const TRect third = list->ItemRect(2);
  EXPECT_EQ(third.Height(), 13);
  EXPECT_EQ(list->ItemAtPos({third.Left + 3, third.Top + 3}, true), 2);
  EXPECT_EQ(list->ItemAtPos({5, 5000}, true), -1);
  EXPECT_EQ(list->ItemAtPos({5, 5000}, false), 30);
  auto* view = static_cast<QListWidget*>(list->Widget());
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(third.Left + 3, third.Top + 3));
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_TRUE(list->Selected(2));
  EXPECT_EQ(clicks, 1);
  list->SetItemIndex(0);  // by code: no click
  EXPECT_EQ(view->currentRow(), 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_THROW(list->SetItemIndex(30), EListError);

  std::vector<int> drawn;
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(20);
  list->OnDrawItem.SetHandler([&](TWinControl* control, int index, TRect rect, TOwnerDrawState state) {
    EXPECT_EQ(control, list);
    EXPECT_EQ(rect.Height(), 20);
    EXPECT_EQ(state.Contains(odSelected), index == 0);
    drawn.push_back(index);
    list->Canvas()->Brush()->SetColor(clLime);
    list->Canvas()->FillRect(rect);
  });
  const QImage shot = view->viewport()->grab().toImage();
  const int visible = (view->viewport()->height() + 19) / 20;
  ASSERT_FALSE(drawn.empty());
  std::sort(drawn.begin(), drawn.end());
  drawn.erase(std::unique(drawn.begin(), drawn.end()), drawn.end());
  EXPECT_EQ(static_cast<int>(drawn.size()), visible);
  EXPECT_EQ(drawn.front(), 0);
  EXPECT_EQ(shot.pixelColor(10, 30), QColor(0, 255, 0));  // what the handler drew

  list->SetStyle(lbOwnerDrawVariable);
  list->OnMeasureItem.SetHandler([](TWinControl*, int index, int& height) { height = index == 1 ? 40 : 10; });
  view->doItemsLayout();
  EXPECT_EQ(list->ItemRect(1).Height(), 40);
  EXPECT_EQ(list->ItemRect(2).Height(), 10);
}

TEST(StdCtrlsInput, MultiSelectListBoxKeepsItsSelection) {
  FormPtr form = ShownForm();
  auto* list = Place<TListBox>(form.get(), "ListBox1");
  list->Items()->SetCommaText("a,b,c,d");
  list->SetMultiSelect(true);
  list->SetSelected(1, true);
  list->SetSelected(3, true);
  EXPECT_EQ(list->SelCount(), 2);
  auto* view = static_cast<QListWidget*>(list->Widget());
  EXPECT_TRUE(view->item(3)->isSelected());
  list->Items()->Add("e");  // the peer is rebuilt; the selection stays
  EXPECT_TRUE(view->item(1)->isSelected());
  EXPECT_FALSE(view->item(4)->isSelected());
  list->SetSorted(true);
  EXPECT_EQ(list->Items()->Strings(0), "a");
}
