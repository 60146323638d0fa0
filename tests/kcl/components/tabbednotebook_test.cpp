// The tabbed notebook: pages chosen by their tabs, OnChange that may refuse a
// page, rows of tabs, controls on the pages, and its forms.
#include "kcl/components/tabbednotebook.h"

#include <gtest/gtest.h>

#include "kcl/components/morectrls.h"
#include "kcl/components/stdctrls.h"
#include "support/mouse.h"
#include "support/propnames.h"
#include "support/sampleform.h"

using namespace kcl;
using namespace korvax::test;

TEST(TabbedNotebook, PublishesWhatDelphi3Publishes) {
  EXPECT_EQ(DeclaredPropNames(&TTabbedNotebook::StaticClass()),
            "Name Tag Left Top Width Height Cursor Hint HelpContext ActivePage Align Enabled PageIndex Pages Font "
            "ParentFont ParentShowHint PopupMenu ShowHint TabFont TabsPerRow TabOrder TabStop Visible OnClick OnChange "
            "OnDblClick OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp OnMouseDown OnMouseMove OnMouseUp");
  EXPECT_EQ(DeclaredPropNames(&TTabPage::StaticClass()),
            "Name Tag Left Top Width Height Cursor Hint HelpContext Caption TabOrder Visible");
}

TEST(TabbedNotebook, TabsChooseThePageThatShows) {
  FormPtr form = ShownForm();
  auto* book = Place<TTabbedNotebook>(form.get(), "TabbedNotebook1");
  EXPECT_EQ(book->ActivePage(), "Default");
  book->Pages()->Add("Second");
  book->Pages()->Add("Third");
  auto* edit = Create<TEdit>(form.get(), book->Page(1), "Edit1");
  EXPECT_EQ(book->DisplayRect(), Rect(4, 24, 296, 246));
  EXPECT_EQ(book->Page(0)->BoundsRect(), book->DisplayRect());
  EXPECT_FALSE(edit->Widget()->isVisible());

  std::vector<int> asked;
  bool allow = true;
  int clicks = 0;
  book->OnChange.SetHandler([&](TObject* sender, int newTab, bool& allowChange) {
    EXPECT_EQ(sender, book);
    asked.push_back(newTab);
    allowChange = allow;
  });
  book->OnClick.SetHandler([&](TObject*) { ++clicks; });
  const TPoint second = Middle(book->TabRect(1));
  EXPECT_EQ(book->TabAtPos(second), 1);
  ClickAt(book, second.X, second.Y);
  EXPECT_EQ(book->PageIndex(), 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(edit->Widget()->isVisible());
  EXPECT_FALSE(book->Page(0)->Visible());
  EXPECT_EQ(book->Page(1)->BoundsRect(), book->DisplayRect());

  allow = false;
  const TPoint third = Middle(book->TabRect(2));
  ClickAt(book, third.X, third.Y);
  book->SetActivePage("Third");
  EXPECT_EQ(book->PageIndex(), 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(asked, (std::vector<int>{1, 2, 2}));
  allow = true;
  book->SetPageIndex(2);
  EXPECT_EQ(book->ActivePage(), "Third");
  EXPECT_FALSE(edit->Widget()->isVisible());
  book->SetPageIndex(7);  // out of range: nothing happens
  EXPECT_EQ(book->PageIndex(), 2);
  EXPECT_EQ(asked.size(), 4u);

  book->Pages()->Delete(1);  // the page's controls go with it
  EXPECT_EQ(form->FindComponent("Edit1"), nullptr);
  EXPECT_EQ(book->ActivePage(), "Third");
}

TEST(TabbedNotebook, TheChosenTabsRowLiesNextToThePage) {
  FormPtr form = ShownForm();
  auto* book = Place<TTabbedNotebook>(form.get(), "TabbedNotebook1");
  book->Pages()->SetText("One\nTwo\nThree\nFour\nFive\n");
  EXPECT_EQ(book->DisplayRect().Top, 24 + 20);  // three to a row: two rows
  book->SetTabsPerRow(2);
  EXPECT_EQ(book->DisplayRect().Top, 24 + 2 * 20);
  EXPECT_EQ(book->Page(0)->Top(), book->DisplayRect().Top);
  const auto rowOf = [&](int index) { return book->TabRect(index).Top / 20; };
  EXPECT_EQ(rowOf(0), 2);  // the chosen tab's row last
  EXPECT_EQ(rowOf(2), 0);
  EXPECT_EQ(rowOf(4), 1);
  book->SetPageIndex(4);
  EXPECT_EQ(rowOf(4), 2);
  EXPECT_EQ(rowOf(0), 0);
  EXPECT_EQ(book->TabRect(4).Bottom, book->DisplayRect().Top - 1);
  EXPECT_LT(book->TabRect(1).Bottom, book->TabRect(4).Top + 1);
  book->SetTabsPerRow(0);
  EXPECT_EQ(book->TabsPerRow(), 1);
  book->TabFont()->SetHeight(-21);  // rows follow the tab font
  EXPECT_EQ(book->DisplayRect().Top, 4 + 5 * 30);
  EXPECT_EQ(book->TabRect(5).Width(), 0);
  EXPECT_EQ(book->TabAtPos({-5, -5}), -1);
  book->TabFont()->SetHeight(-2147483647 - 1);  // from a damaged form: rows stay within reason
  EXPECT_EQ(book->DisplayRect().Top, 4 + 5 * 1009);
}

// A Delphi 3 form with tabbed notebooks whose pages hold controls loads, shows
// the page it names and comes back byte for byte.
TEST(TabbedNotebook, FormsComeBackByteForByte) {
  RegisterStandardControls();
  RegisterMoreControls();
  const std::string text = SampleFormText("tabbednotebook.txt");
  FormPtr form = ShowSampleForm(text);
  auto* options = dynamic_cast<TTabbedNotebook*>(form->FindComponent("OptionsBook"));
  auto* wide = dynamic_cast<TTabbedNotebook*>(form->FindComponent("WideBook"));
  ASSERT_NE(options, nullptr);
  ASSERT_NE(wide, nullptr);
  ASSERT_EQ(options->PageCount(), 2);
  EXPECT_EQ(options->ActivePage(), "Advanced");
  EXPECT_EQ(options->TabFont()->Color(), clBtnText);
  EXPECT_TRUE(options->OnChange.Assigned());
  auto* save = dynamic_cast<TCheckBox*>(form->FindComponent("SaveBox"));
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(save->Parent(), options->Page(1));
  EXPECT_TRUE(save->Widget()->isVisible());
  EXPECT_FALSE(form->FindComponent("NameEdit") == nullptr);
  EXPECT_FALSE(static_cast<TControl*>(form->FindComponent("NameEdit"))->Widget()->isVisible());
  EXPECT_EQ(wide->TabsPerRow(), 2);
  EXPECT_EQ(wide->Pages()->CommaText(), "One,Two,Three");
  EXPECT_EQ(wide->Page(0)->BoundsRect(), wide->DisplayRect());
  ExpectWrittenAsRead(form.get(), text);
}
