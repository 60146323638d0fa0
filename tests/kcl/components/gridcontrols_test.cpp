// The draw grid and the string grid as form files see them: Delphi 3's
// published properties, what a freshly placed grid writes, and the sample
// forms' grids written back unchanged.
#include <gtest/gtest.h>

#include <string>

#include "kcl/components/gridcontrols.h"
#include "support/formrecords.h"
#include "support/formtext.h"
#include "support/propnames.h"
#include "support/recordroot.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

namespace {

const std::string DrawGridDeclared =
    "Name Tag Left Top Width Height Cursor Hint HelpContext Align BorderStyle Color ColCount Ctl3D DefaultColWidth "
    "DefaultRowHeight DefaultDrawing DragCursor DragMode Enabled FixedColor FixedCols RowCount FixedRows Font "
    "GridLineWidth Options ParentColor ParentCtl3D ParentFont ParentShowHint PopupMenu ScrollBars ShowHint TabOrder "
    "TabStop Visible OnClick OnColumnMoved OnDblClick OnDragDrop OnDragOver OnDrawCell OnEndDrag OnEnter OnExit "
    "OnGetEditMask OnGetEditText OnKeyDown OnKeyPress OnKeyUp OnMouseDown OnMouseMove OnMouseUp OnRowMoved "
    "OnSelectCell OnSetEditText OnStartDrag OnTopLeftChanged";

}  // namespace

TEST(Grids, PublishDelphisPropertiesInDelphisOrder) {
  EXPECT_EQ(DeclaredPropNames(&TDrawGrid::StaticClass()), DrawGridDeclared);
  EXPECT_EQ(DeclaredPropNames(&TStringGrid::StaticClass()), DrawGridDeclared);
  EXPECT_EQ(ListedPropNames(&TStringGrid::StaticClass()).substr(0, 60),
            "Align BorderStyle ColCount Color Ctl3D Cursor DefaultColWidt");
  const TTypeInfo* options = GetPropInfo(&TStringGrid::StaticClass(), "Options")->PropType;
  EXPECT_EQ(options->Name, "TGridOptions");
  EXPECT_EQ(GetEnumName(GetTypeData(options)->CompType, 14), "goThumbTracking");
  const TTypeInfo* drawCell = GetPropInfo(&TDrawGrid::StaticClass(), "OnDrawCell")->PropType;
  ASSERT_EQ(drawCell->Data.Params.size(), 5u);
  EXPECT_EQ(drawCell->Data.Params[4].TypeName, "TGridDrawState");
  const TTypeInfo* setEdit = GetPropInfo(&TDrawGrid::StaticClass(), "OnSetEditText")->PropType;
  EXPECT_EQ(setEdit->Data.Params[3].Flags, pfConst);
}

TEST(Grids, FreshlyPlacedGridWritesOnlyItsBoundsAndTabOrder) {
  RegisterGrids();
  FormPtr form(new TForm(nullptr));
  form->SetName("Form1");
  Create<TStringGrid>(form.get(), form.get(), "StringGrid1")->SetBounds(8, 8, 320, 120);
  auto* draw = Create<TDrawGrid>(form.get(), form.get(), "DrawGrid1");
  EXPECT_EQ(draw->Width(), 320);
  EXPECT_EQ(draw->Height(), 120);
  const std::string text = WriteTextLf(form.get());
  EXPECT_EQ(RecordOf(text, "StringGrid1"),
            "object StringGrid1: TStringGrid\n  Left = 8\n  Top = 8\n  Width = 320\n  Height = 120\n"
            "  TabOrder = 0\nend\n");
  EXPECT_EQ(RecordOf(text, "DrawGrid1"),
            "object DrawGrid1: TDrawGrid\n  Left = 0\n  Top = 0\n  Width = 320\n  Height = 120\n"
            "  TabOrder = 1\nend\n");
}

TEST(Grids, SampleGridRecordsWriteBackUnchanged) {
  RegisterGrids();
  ExpectSampleRecordRoundTrips("11/FONTGRID/FONTGF.DFM", "StringGrid1");
  ExpectSampleRecordRoundTrips("11/MINES/MINESF.DFM", "DrawGrid1");
  ExpectSampleRecordRoundTrips("23/XCHART/XCHARTF.DFM", "StringGrid1");
  ExpectSampleRecordRoundTrips("11/GRAPH1/GRAPHF.DFM", "StringGrid1");
  ExpectSampleRecordRoundTrips("29/GRAPH3/GRAPHF.DFM", "StringGrid1");
}
