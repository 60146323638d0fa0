// The unit and form chooser.
#include "ide/shell/viewform.h"

#include <gtest/gtest.h>

#include "support/windowtest.h"

namespace korvax {
namespace {

using namespace kcl;

TEST(ViewForm, ShowsItsEntriesSortedWithoutEmptyOnesAndTakesTheFirst) {
  auto chooser = test::MakeWindow<TViewForm>();
  chooser->NameList->Items()->SetText("Unit2\r\n\r\nMain\r\nAbout\r\n\r\n");
  std::string shown;
  test::ModalAnswer answer([&](TCustomForm&) {
    shown = chooser->NameList->Items()->CommaText() + " " + std::to_string(chooser->NameList->ItemIndex()) + " " +
            chooser->NameEdit->Text() + (chooser->ActiveControl() == chooser->NameList ? " focused" : "");
    // A click takes the entry into the name box; a double click chooses it.
    chooser->NameList->SetItemIndex(2);
    chooser->NameList->OnClick(chooser->NameList);
    chooser->NameList->OnDblClick(chooser->NameList);
  });
  EXPECT_EQ(chooser->ShowModal(), mrOk);
  EXPECT_EQ(shown, "About,Main,Unit2 0 About focused");
  EXPECT_EQ(chooser->NameEdit->Text(), "Unit2");
}

TEST(ViewForm, AnEmptyListLeavesTheNameBoxToTheUser) {
  auto chooser = test::MakeWindow<TViewForm>();
  test::ModalAnswer answer([&](TCustomForm&) {
    chooser->NameList->OnDblClick(chooser->NameList);  // no entry: nothing chosen
    chooser->NameEdit->SetText("Typed");
    chooser->CancelButton->Click();
  });
  EXPECT_EQ(chooser->ShowModal(), mrCancel);
  EXPECT_EQ(chooser->NameEdit->Text(), "Typed");
  EXPECT_EQ(chooser->OKButton->ModalResult(), mrOk);
  EXPECT_EQ(chooser->HelpButton->ModalResult(), mrNone);
  EXPECT_EQ(chooser->Caption(), "View");
}

}  // namespace
}  // namespace korvax
