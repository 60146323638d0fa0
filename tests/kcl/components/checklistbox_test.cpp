// The check list box: check states that follow their items, clicks and the
// space bar that move an item through its states, its painting, and forms.
#include "kcl/components/checklistbox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QTest>

#include "kcl/components/stdctrls.h"
#include "kcl/graphics/qtcolor.h"
#include "kcl/rtl/exceptions.h"
#include "support/propnames.h"
#include "support/sampleform.h"

using namespace kcl;
using namespace korvax::test;

namespace {

std::string CheckedItems(const TCheckListBox& list) {
  std::string result;
  for (int i = 0; i < list.Items()->Count(); ++i)
    if (list.State(i) != cbUnchecked) result += list.Items()->Strings(i) + (list.Checked(i) ? "+ " : "? ");
  return result;
}

QPoint ViewportPoint(TCheckListBox* list, int index, int x) {
  const TRect item = list->ItemRect(index);
  return {item.Left + x, item.Top + item.Height() / 2};
}

}  // namespace

// Delphi 3's check list box is its list box with two more properties.
TEST(CheckListBox, PublishesTheListBoxsPropertiesThenItsOwn) {
  EXPECT_EQ(DeclaredPropNames(&TCheckListBox::StaticClass()),
            DeclaredPropNames(&TListBox::StaticClass()) + " AllowGrayed OnClickCheck");
}

TEST(CheckListBox, StatesStayWithTheirItems) {
  FormPtr form = NewForm();
  auto* list = Place<TCheckListBox>(form.get(), "CheckListBox1");
  list->Items()->SetText("d\nb\na\nc\n");
  list->SetChecked(0, true);
  list->SetState(2, cbGrayed);
  EXPECT_EQ(CheckedItems(*list), "d+ a? ");
  list->Items()->Insert(0, "e");
  list->Items()->Add("f");
  EXPECT_EQ(CheckedItems(*list), "d+ a? ");
  EXPECT_FALSE(list->Checked(0));
  list->Items()->Exchange(1, 4);  // d and c
  list->Items()->Move(3, 0);      // a first
  EXPECT_EQ(list->Items()->CommaText(), "a,e,c,b,d,f");
  EXPECT_EQ(CheckedItems(*list), "a? d+ ");
  list->SetSorted(true);
  EXPECT_EQ(CheckedItems(*list), "a? d+ ");
  EXPECT_EQ(list->State(3), cbChecked);
  list->Items()->Add("bb");  // sorted in before the checked item
  EXPECT_EQ(list->State(4), cbChecked);
  list->Items()->Delete(0);
  EXPECT_EQ(CheckedItems(*list), "d+ ");
  EXPECT_THROW(list->State(6), EStringListError);
  EXPECT_THROW(list->SetChecked(-1, true), EStringListError);
  list->Items()->Clear();
  list->Items()->Add("new");
  EXPECT_EQ(CheckedItems(*list), "");
}

TEST(CheckListBox, ClicksOnTheBoxAndTheSpaceBarCycleTheState) {
  FormPtr form = ShownForm();
  auto* list = Place<TCheckListBox>(form.get(), "CheckListBox1");
  list->Items()->SetText("one\ntwo\nthree\n");
  int checks = 0, clicks = 0;
  list->OnClickCheck.SetHandler([&](TObject* sender) {
    EXPECT_EQ(sender, list);
    ++checks;
  });
  list->OnClick.SetHandler([&](TObject*) { ++clicks; });
  QWidget* viewport = static_cast<QListWidget*>(list->Widget())->viewport();
  QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, ViewportPoint(list, 1, 5));
  EXPECT_TRUE(list->Checked(1));
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(checks, 1);
  EXPECT_EQ(clicks, 1);
  QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, ViewportPoint(list, 2, 40));  // on the text
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(CheckedItems(*list), "two+ ");
  EXPECT_EQ(checks, 1);

  list->SetAllowGrayed(true);
  std::vector<TCheckBoxState> seen;
  for (int i = 0; i < 3; ++i) {
    QTest::keyClick(list->Widget(), Qt::Key_Space);
    seen.push_back(list->State(2));
  }
  EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
  EXPECT_EQ(checks, 4);
  QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, ViewportPoint(list, 1, 5));
  EXPECT_EQ(list->State(1), cbUnchecked);  // checked goes to unchecked, grayed or not
  EXPECT_EQ(checks, 5);
}

TEST(CheckListBox, PaintsABoxBeforeEveryItem) {
  FormPtr form = ShownForm();
  auto* list = Place<TCheckListBox>(form.get(), "CheckListBox1");
  list->Items()->SetText("one\ntwo\nthree\n");
  list->SetChecked(1, true);
  list->SetState(2, cbGrayed);
  bool drawnByHandler = false;
  list->OnDrawItem.SetHandler([&](TWinControl*, int, TRect, TOwnerDrawState) { drawnByHandler = true; });
  QWidget* viewport = static_cast<QListWidget*>(list->Widget())->viewport();
  QApplication::processEvents();
  const QImage shot = viewport->grab().toImage();
  EXPECT_FALSE(drawnByHandler);  // a standard list draws its text itself
  EXPECT_GE(list->ItemRect(0).Height(), 13);
  const auto at = [&](int index, int x, int y) {
    const TRect item = list->ItemRect(index);
    const int boxTop = item.Top + (item.Height() - 13) / 2;
    return shot.pixelColor(item.Left + 1 + x, boxTop + y).rgb();
  };
  // Inside the frame, where the mark's third column is lowest.
  EXPECT_EQ(at(0, 5, 8), ColorToQRgb(clWindow));
  EXPECT_EQ(at(1, 5, 8), ColorToQRgb(clWindowText));
  EXPECT_EQ(at(2, 5, 8), ColorToQRgb(clBtnShadow));
  EXPECT_EQ(at(2, 10, 10), ColorToQRgb(clBtnFace));
  EXPECT_EQ(at(1, 0, 0), ColorToQRgb(clBtnShadow));  // the sunken frame

  list->SetStyle(lbOwnerDrawFixed);
  list->Widget()->repaint();
  viewport->grab();
  EXPECT_TRUE(drawnByHandler);
}

// A Delphi 3 form with check list boxes loads and comes back byte for byte; the
// check states are not written.
TEST(CheckListBox, FormsComeBackByteForByte) {
  RegisterStandardControls();
  const std::string text = SampleFormText("checklist.txt");
  FormPtr form = ShowSampleForm(text);
  auto* styles = dynamic_cast<TCheckListBox*>(form->FindComponent("StyleList"));
  auto* colours = dynamic_cast<TCheckListBox*>(form->FindComponent("ColourList"));
  ASSERT_NE(styles, nullptr);
  ASSERT_NE(colours, nullptr);
  EXPECT_TRUE(styles->AllowGrayed());
  EXPECT_TRUE(styles->OnClickCheck.Assigned());
  EXPECT_EQ(styles->Items()->Count(), 3);
  EXPECT_EQ(colours->Style(), lbOwnerDrawFixed);
  EXPECT_EQ(colours->Columns(), 2);
  EXPECT_TRUE(styles->Widget()->isVisible());
  styles->SetChecked(0, true);
  colours->SetState(1, cbGrayed);
  ExpectWrittenAsRead(form.get(), text);
}
