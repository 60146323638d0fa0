// List views at run time and in design state: selection, column clicks, and
// the image lists they name.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTest>

#include "kcl/components/listview.h"
#include "kcl/controls/form.h"
#include "support/swallowingdesigner.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

namespace {

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
  TSwallowingDesigner designer;
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
