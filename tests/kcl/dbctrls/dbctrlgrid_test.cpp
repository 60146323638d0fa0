// The control grid: its panels size it, and hold its controls through form files.
#include <gtest/gtest.h>

#include "kcl/dbctrls/datacontrols.h"
#include "kcl/dbctrls/dbctrlgrid.h"
#include "kcl/dbctrls/dbctrls.h"
#include "support/formtext.h"
#include "support/recordroot.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(DBCtrlGridLayout, PanelsSizeTheGridAndHoldItsControls) {
  RegisterDataControls();
  RecordRootPtr host = NewRecordRoot("Host");
  auto* grid = Place<TDBCtrlGrid>(host.get(), "DBCtrlGrid1");
  grid->SetColCount(2);
  EXPECT_EQ(grid->Width(), 2 * 200 + TDBCtrlGrid::ScrollBarExtent);
  grid->SetBounds(8, 8, 216, 160);
  EXPECT_EQ(grid->PanelWidth(), 100);
  EXPECT_EQ(grid->PanelHeight(), 53);
  grid->SetOrientation(goHorizontal);
  EXPECT_EQ(grid->Height(), 3 * 53 + TDBCtrlGrid::ScrollBarExtent);
  EXPECT_EQ(grid->PanelRect(4), Rect(100, 53, 200, 106));
  grid->SetRowCount(0);
  EXPECT_EQ(grid->RowCount(), 1);

  // A control on the first panel streams as the grid's child and comes back onto the panel.
  auto* edit = new TDBEdit(host.get());
  edit->SetParent(grid->Panel());
  edit->SetName("DBEdit1");
  // The panel's controls keep their tab order, the first read being the last in it.
  auto* second = new TDBEdit(host.get());
  second->SetParent(grid->Panel());
  second->SetName("DBEdit2");
  second->SetTabOrder(0);
  const std::string text = WriteText(host.get());
  EXPECT_NE(text.find("  object DBCtrlGrid1: TDBCtrlGrid\r\n"), std::string::npos);
  EXPECT_NE(text.find("    object DBEdit1: TDBEdit\r\n"), std::string::npos);
  RecordRootPtr copy = NewRecordRoot("Host");
  EXPECT_EQ(TextRoundTrip(copy.get(), text), text);
  auto* read = static_cast<TDBCtrlGrid*>(copy->FindComponent("DBCtrlGrid1"));
  EXPECT_EQ(static_cast<TControl*>(copy->FindComponent("DBEdit1"))->Parent(), read->Panel());
  EXPECT_EQ(static_cast<TWinControl*>(copy->FindComponent("DBEdit2"))->TabOrder(), 0);
  EXPECT_EQ(read->PanelWidth(), 100);
  EXPECT_EQ(read->Orientation(), goHorizontal);
}
