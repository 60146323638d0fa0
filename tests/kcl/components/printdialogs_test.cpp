#include <gtest/gtest.h>

#include <memory>

#include "kcl/components/edit.h"
#include "kcl/components/printdialogs.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/form.h"
#include "kcl/controls/modal.h"

using namespace kcl;

TEST(Dialogs, PrintDialogFormFillsTheProperties) {
  std::unique_ptr<TPrintDialog, TObjectFree> dialog(new TPrintDialog(nullptr));
  dialog->SetOptions({poPageNums});
  SetModalHook([](TCustomForm& form) {
    dynamic_cast<TEdit*>(form.FindComponent("Copies"))->SetText("3");
    dynamic_cast<TCheckBox*>(form.FindComponent("Collate"))->SetChecked(true);
    dynamic_cast<TRadioButton*>(form.FindComponent("Pages"))->SetChecked(true);
    dynamic_cast<TEdit*>(form.FindComponent("FromPage"))->SetText("2");
    dynamic_cast<TEdit*>(form.FindComponent("ToPage"))->SetText("5");
    form.SetModalResult(mrOk);
  });
  EXPECT_TRUE(dialog->Execute());
  EXPECT_EQ(dialog->Copies(), 3);
  EXPECT_TRUE(dialog->Collate());
  EXPECT_EQ(dialog->PrintRange(), prPageNums);
  EXPECT_EQ(dialog->FromPage(), 2);
  EXPECT_EQ(dialog->ToPage(), 5);
  SetModalHook([](TCustomForm& form) { form.Close(); });
  dialog->SetCopies(7);
  EXPECT_FALSE(dialog->Execute());
  EXPECT_EQ(dialog->Copies(), 7);
  SetModalHook(nullptr);
}
