#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTest>

#include "kcl/classes/streams.h"
#include "kcl/components/listview.h"
#include "kcl/controls/form.h"
#include "comctrlsstreaming.h"
#include "kcl/rtl/exceptions.h"

using namespace kcl;

namespace {

using FormPtr = std::unique_ptr<TForm, TObjectFree>;
using namespace std::string_literals;

std::string Written(const TListItems& items) {
  TMemoryStream stream;
  items.WriteData(stream);
  return std::string(stream.View());
}

void ReadInto(TListItems& items, const std::string& bytes) {
  TStringStream stream(bytes);
  items.ReadData(stream);
}

TListView* ReportView(TForm* form) {
  form->SetBounds(0, 0, 400, 300);
  auto* list = new TListView(form);
  list->SetParent(form);
  list->SetViewStyle(vsReport);
  list->Columns()->Add()->SetCaption("Name");
  list->Columns()->Add()->SetCaption("Size");
  for (const char* name : {"one", "two", "three"}) {
    TListItem* item = list->Items()->Add();
    item->SetCaption(name);
    item->SubItems()->Add("1 KB");
  }
  form->Show();
  return list;
}

// Clicks the caption of a row, on the view's viewport as a user's click lands.
void ClickRow(TListView* list, int row, Qt::MouseButton button = Qt::LeftButton) {
  auto* view = static_cast<QTreeWidget*>(list->Widget());
  QCoreApplication::processEvents();
  QTest::mouseClick(view->viewport(), button, Qt::NoModifier,
                    view->visualItemRect(view->topLevelItem(row)).topLeft() + QPoint(10, 3));
}

}  // namespace

TEST(ListViewItems, StreamInTheFrameworksBinaryLayout) {
  TListView list(nullptr);
  TListItem* item = list.Items()->Add();
  item->SetCaption("A");
  item->SubItems()->Add("b");
  int data = 7;
  item->SetData(&data);  // a pointer of this run is never written
  const std::string expected = "\x20\0\0\0\x01\0\0\0"s                         // size, count
                               "\0\0\0\0\0\0\0\0\xff\xff\xff\xff\x01\0\0\0\0\0\0\0"s  // indexes, sub-items, data
                               "\x01" "A" "\x01" "b"s;
  ASSERT_EQ(expected.size(), 0x20u);
  EXPECT_EQ(Written(*list.Items()), expected);

  TListView copy(nullptr);
  ReadInto(*copy.Items(), expected);
  ASSERT_EQ(copy.Items()->Count(), 1);
  EXPECT_EQ(copy.Items()->Item(0)->Caption(), "A");
  EXPECT_EQ(copy.Items()->Item(0)->SubItems()->Strings(0), "b");
  EXPECT_EQ(copy.Items()->Item(0)->OverlayIndex(), -1);
  EXPECT_EQ(copy.Items()->Item(0)->Data(), nullptr);

  // A caption longer than a short string holds is cut at 255 bytes.
  item->SetCaption(std::string(300, 'x'));
  ReadInto(*copy.Items(), Written(*list.Items()));
  EXPECT_EQ(copy.Items()->Item(0)->Caption(), std::string(255, 'x'));
}

TEST(ListViewItems, DataThatDoesNotHoldTogetherIsRefused) {
  TListView list(nullptr);
  list.Items()->Add()->SetCaption("kept?");
  const std::string good = "\x20\0\0\0\x01\0\0\0"s "\0\0\0\0\0\0\0\0\xff\xff\xff\xff\x01\0\0\0\0\0\0\0"s "\x01" "A" "\x01" "b"s;
  std::string wrongSize = good;
  wrongSize[0] = 0x30;
  std::string hugeCount = good;
  hugeCount[7] = 0x7f;
  std::string hugeSubItems = good;
  hugeSubItems[23] = 0x40;
  std::string lostString = good;
  lostString[30] = 0x10;  // the sub-item runs past the end
  for (const std::string& bad : {good.substr(0, 6), wrongSize, hugeCount, hugeSubItems, lostString}) {
    EXPECT_THROW(ReadInto(*list.Items(), bad), EReadError);
  }
}

TEST(ListView, ClicksSelectItemsAndColumnHeadersReportClicks) {
  FormPtr form(new TForm(nullptr));
  TListView* list = ReportView(form.get());
  std::vector<std::string> log;
  bool allow = true;
  list->OnChanging.SetHandler([&](TObject*, TListItem* item, TItemChange change, bool& a) {
    log.push_back("changing " + item->Caption() + " " + std::to_string(change));
    a = allow;
  });
  list->OnChange.SetHandler([&](TObject*, TListItem* item, TItemChange) {
    log.push_back("change " + item->Caption() + (item->Selected() ? " on" : " off"));
  });
  TListColumn* clicked = nullptr;
  list->OnColumnClick.SetHandler([&](TObject*, TListColumn* c) { clicked = c; });

  ClickRow(list, 1);
  EXPECT_EQ(list->Selected(), list->Items()->Item(1));
  EXPECT_EQ(list->ItemFocused(), list->Items()->Item(1));
  ClickRow(list, 2);
  EXPECT_EQ(list->Selected(), list->Items()->Item(2));
  EXPECT_EQ(list->SelCount(), 1);
  // The old selection goes before the new one comes.
  EXPECT_EQ(log, (std::vector<std::string>{"changing two 2", "change two on", "changing two 2", "change two off",
                                           "changing three 2", "change three on"}));
  allow = false;
  ClickRow(list, 0);
  EXPECT_EQ(list->Selected(), list->Items()->Item(2));  // refused

  auto* view = static_cast<QTreeWidget*>(list->Widget());
  const QPoint sizeHeader = view->header()->mapTo(view, QPoint(view->header()->sectionPosition(1) + 10, 5));
  QTest::mouseClick(list->Widget(), Qt::LeftButton, Qt::NoModifier, sizeHeader);
  EXPECT_EQ(clicked, list->Columns()->Items(1));
  clicked = nullptr;
  list->SetColumnClick(false);
  QTest::mouseClick(list->Widget(), Qt::LeftButton, Qt::NoModifier, sizeHeader);
  EXPECT_EQ(clicked, nullptr);
}

TEST(ListView, DesignedListViewLeavesItsItemsAlone) {
  FormPtr form(new TForm(nullptr));
  TListView* list = ReportView(form.get());
  comctrls_test::TSwallowingDesigner designer;
  form->SetDesigner(&designer);
  form->SetDesigning(true);
  int changes = 0;
  list->OnChange.SetHandler([&](TObject*, TListItem*, TItemChange) { ++changes; });
  ClickRow(list, 0);
  EXPECT_EQ(list->Selected(), nullptr);
  list->Items()->Item(0)->SetSelected(true);  // by the program: no handler runs in design state
  EXPECT_EQ(changes, 0);
  form->SetDesigner(nullptr);
  // The image lists named are forgotten when they go.
  auto* images = new TComponent(form.get());
  list->SetLargeImages(images);
  images->Free();
  EXPECT_EQ(list->LargeImages(), nullptr);
}
