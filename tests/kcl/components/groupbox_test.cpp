#include <gtest/gtest.h>

#include "kcl/components/groupbox.h"
#include "kcl/rtl/exceptions.h"
#include "support/mouse.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(StdCtrlsInput, RadioGroupMakesButtonsFromItems) {
  FormPtr form = ShownForm();
  auto* radios = Place<TRadioGroup>(form.get(), "RadioGroup1");
  radios->Items()->SetCommaText("one,two,three,four");
  radios->SetColumns(2);
  ASSERT_EQ(radios->ButtonCount(), 4);
  EXPECT_EQ(radios->Buttons(2)->Caption(), "three");
  EXPECT_EQ(radios->Buttons(2)->Left(), radios->Buttons(3)->Left());  // two per column
  EXPECT_GT(radios->Buttons(2)->Left(), radios->Buttons(0)->Left());
  int clicks = 0;
  radios->OnClick.SetHandler([&](TObject*) { ++clicks; });
  ClickAt(radios->Buttons(3), 5, radios->Buttons(3)->Height() / 2);
  EXPECT_EQ(radios->ItemIndex(), 3);
  EXPECT_EQ(clicks, 1);
  radios->SetItemIndex(0);
  EXPECT_TRUE(radios->Buttons(0)->Checked());
  EXPECT_FALSE(radios->Buttons(3)->Checked());
  EXPECT_THROW(radios->SetItemIndex(4), EListError);
  radios->Items()->Delete(3);
  EXPECT_EQ(radios->ButtonCount(), 3);
}
