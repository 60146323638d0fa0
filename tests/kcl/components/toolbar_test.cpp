#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kcl/components/toolbar.h"
#include "kcl/components/commctrls2.h"
#include "support/formrecords.h"
#include "support/recordroot.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(Win32Input, ToolBarLaysOutButtonsAndGroupedButtonsGoDownInTurn) {
  FormPtr form = NewForm(108, 300);  // client 100 wide
  auto* bar = Create<TToolBar>(form.get(), form.get(), "ToolBar1");
  std::vector<TToolButton*> buttons;
  for (int i = 0; i < 4; ++i) {
    buttons.push_back(Create<TToolButton>(form.get(), bar, "ToolButton" + std::to_string(i + 1)));
    buttons.back()->SetStyle(tbsCheck);
    buttons.back()->SetGrouped(true);
  }
  buttons[1]->SetStyle(tbsSeparator);
  EXPECT_EQ(buttons[0]->BoundsRect(), Bounds(0, 2, 23, 22));
  EXPECT_EQ(buttons[1]->BoundsRect(), Bounds(23, 2, 8, 22));
  EXPECT_EQ(buttons[2]->BoundsRect(), Bounds(31, 2, 23, 22));
  EXPECT_EQ(buttons[3]->BoundsRect(), Bounds(54, 2, 23, 22));
  bar->SetButtonWidth(40);  // the last one wraps to a second row
  EXPECT_EQ(buttons[3]->BoundsRect(), Bounds(0, 24, 40, 22));
  form->Show();
  buttons[0]->Click();
  buttons[2]->Click();
  EXPECT_FALSE(buttons[0]->Down());
  EXPECT_TRUE(buttons[2]->Down());
  buttons[2]->Click();  // stays down: the group may not be all up
  EXPECT_TRUE(buttons[2]->Down());
  buttons[2]->SetAllowAllUp(true);
  buttons[2]->Click();
  EXPECT_FALSE(buttons[2]->Down());
}

// Delphi 3's tool bar has no AllowAllUp (its buttons have one): a form that
// gives it one keeps it in its place.
TEST(Win32Streaming, ToolBarKeepsAnAllowAllUpInItsPlace) {
  RegisterWin32Controls();
  const std::string record =
      "object ToolBar1: TToolBar\n  Left = 0\n  Top = 0\n  Width = 200\n  Height = 29\n  AllowAllUp = True\n"
      "  Caption = 'ToolBar1'\n  TabOrder = 0\nend\n";
  ExpectRecordRoundTrips(RecordRootText(Indented(record)), "ToolBar1", record);
}
