// The find and replace dialogs: modeless forms that report each request.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "kcl/components/edit.h"
#include "kcl/components/finddialogs.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/form.h"

using namespace kcl;

namespace {

template <class T>
using Ptr = std::unique_ptr<T, TObjectFree>;

}  // namespace

TEST(Dialogs, FindDialogReportsEachRequest) {
  Ptr<TFindDialog> dialog(new TFindDialog(nullptr));
  dialog->SetFindText("needle");
  dialog->SetOptions({frDown, frHideWholeWord, frDisableUpDown});
  std::vector<std::pair<std::string, TFindOptions>> requests;
  dialog->OnFind.SetHandler([&](TObject*) { requests.emplace_back(dialog->FindText(), dialog->Options()); });
  ASSERT_TRUE(dialog->Execute());
  TForm* form = dialog->Form();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->Showing());
  EXPECT_EQ(form->Caption(), "Find");
  auto* edit = dynamic_cast<TEdit*>(form->FindComponent("FindEdit"));
  EXPECT_EQ(edit->Text(), "needle");
  EXPECT_FALSE(dynamic_cast<TControl*>(form->FindComponent("WholeWord"))->Visible());
  EXPECT_FALSE(dynamic_cast<TControl*>(form->FindComponent("Up"))->Enabled());
  edit->SetText("hay");
  dynamic_cast<TCheckBox*>(form->FindComponent("MatchCase"))->SetChecked(true);
  dynamic_cast<TButton*>(form->FindComponent("FindNext"))->Click();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].first, "hay");
  EXPECT_TRUE(requests[0].second.Contains(frFindNext));
  EXPECT_TRUE(requests[0].second.Contains(frMatchCase));
  EXPECT_TRUE(requests[0].second.Contains(frDown));
  EXPECT_TRUE(form->Showing());  // modeless: it stays open
  dynamic_cast<TButton*>(form->FindComponent("Cancel"))->Click();
  EXPECT_FALSE(form->Showing());
}

TEST(Dialogs, ReplaceDialogReportsReplaceAndReplaceAll) {
  Ptr<TReplaceDialog> dialog(new TReplaceDialog(nullptr));
  dialog->SetReplaceText("new");
  std::vector<TFindOptions> replaced;
  int finds = 0;
  dialog->OnFind.SetHandler([&](TObject*) { ++finds; });
  dialog->OnReplace.SetHandler([&](TObject*) { replaced.push_back(dialog->Options()); });
  ASSERT_TRUE(dialog->Execute());
  TForm* form = dialog->Form();
  EXPECT_EQ(form->Caption(), "Replace");
  EXPECT_FALSE(dynamic_cast<TControl*>(form->FindComponent("Up"))->Visible());
  auto* with = dynamic_cast<TEdit*>(form->FindComponent("ReplaceEdit"));
  EXPECT_EQ(with->Text(), "new");
  with->SetText("newer");
  dynamic_cast<TButton*>(form->FindComponent("Replace"))->Click();
  dynamic_cast<TButton*>(form->FindComponent("ReplaceAll"))->Click();
  ASSERT_EQ(replaced.size(), 2u);
  EXPECT_TRUE(replaced[0].Contains(frReplace));
  EXPECT_FALSE(replaced[0].Contains(frReplaceAll));
  EXPECT_TRUE(replaced[1].Contains(frReplaceAll));
  EXPECT_FALSE(replaced[1].Contains(frReplace));
  EXPECT_EQ(dialog->ReplaceText(), "newer");
  EXPECT_EQ(finds, 0);
}
