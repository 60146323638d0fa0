#include <gtest/gtest.h>

#include "kcl/components/coolbar.h"
#include "kcl/components/edit.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(Win32Input, CoolBarBandsHoldTheirControlsInRows) {
  FormPtr form = NewForm(408, 300);  // client 400 wide
  auto* cool = Create<TCoolBar>(form.get(), form.get(), "CoolBar1");
  auto* edit = Create<TEdit>(form.get(), form.get(), "Edit1");
  TCoolBand* first = cool->Bands()->Add();
  first->SetWidth(150);
  TCoolBand* second = cool->Bands()->Add();
  second->SetBreak(false);
  second->SetControl(edit);
  EXPECT_EQ(edit->Parent(), cool);
  EXPECT_EQ(second->MinHeight(), edit->Height());
  EXPECT_EQ(cool->BandRect(0), Bounds(0, 0, 150, 29));
  EXPECT_EQ(cool->BandRect(1), Bounds(150, 0, 246, edit->Height() + 4));  // the last reaches the edge
  EXPECT_EQ(edit->Left(), 2 + 150 + 10);
  second->SetBreak(true);
  EXPECT_EQ(cool->BandRect(1).Top, 29);
  edit->Free();
  EXPECT_EQ(second->Control(), nullptr);
}
