#include <gtest/gtest.h>

#include "kcl/components/coolbar.h"
#include "kcl/components/edit.h"
#include "kcl/components/commctrls2.h"
#include "support/formrecords.h"
#include "support/recordroot.h"
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

TEST(Win32Input, AutoSizedCoolBarIsAsHighAsItsRows) {
  FormPtr form = NewForm(408, 300);
  auto* cool = Create<TCoolBar>(form.get(), form.get(), "CoolBar1");
  cool->Bands()->Add();
  const int high = cool->Height();
  cool->SetAutoSize(true);
  EXPECT_EQ(cool->Height(), cool->BandRect(0).Bottom + cool->EdgeWidths().Top + cool->EdgeWidths().Bottom);
  EXPECT_LT(cool->Height(), high);
  const int oneRow = cool->Height();
  cool->Bands()->Add();  // breaks: a second row
  EXPECT_EQ(cool->Height(), oneRow + cool->BandRect(1).Height());
  cool->Bands()->Items(1)->SetBreak(false);
  EXPECT_EQ(cool->Height(), oneRow);
  cool->SetAutoSize(false);
  cool->Bands()->Add();
  EXPECT_EQ(cool->Height(), oneRow);
}

// A form's cool bar keeps the height it gives, AutoSize or not, until its bands change.
TEST(Win32Streaming, AutoSizedCoolBarKeepsItsHeightFromTheForm) {
  RegisterWin32Controls();
  const std::string record =
      "object CoolBar1: TCoolBar\n  Left = 0\n  Top = 0\n  Width = 200\n  Height = 61\n  AutoSize = True\n"
      "  Bands = <\n    item\n      ImageIndex = -1\n      MinHeight = 25\n      Width = 196\n    end>\nend\n";
  ExpectRecordRoundTrips(RecordRootText(Indented(record)), "CoolBar1", record);
}
