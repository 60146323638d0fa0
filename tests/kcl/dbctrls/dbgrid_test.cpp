// The data grid (and the control grid's published properties): what a freshly
// placed one writes, columns in and out of form files, the sample grids written
// back byte for byte, and how the grid lays itself out.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "kcl/classes/objecttext.h"
#include "kcl/classes/typinfo.h"
#include "kcl/controls/application.h"
#include "kcl/controls/form.h"
#include "kcl/dbctrls/datacontrols.h"
#include "kcl/dbctrls/dbctrlgrid.h"
#include "kcl/dbctrls/dbgrid.h"
#include "support/formrecords.h"
#include "support/formtext.h"
#include "support/propnames.h"
#include "support/proptypes.h"
#include "support/recordroot.h"
#include "support/samplefiles.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

namespace {

const std::string Inherited = "Name Tag Left Top Width Height Cursor Hint HelpContext ";
const std::string HostHeader = "object Host: TRecordRoot\r\n  Left = 0\r\n  Top = 0\r\n  Width = 0\r\n  Height = 0\r\n";
const std::string TitleFont =
    "  TitleFont.Charset = DEFAULT_CHARSET\r\n  TitleFont.Color = clWindowText\r\n  TitleFont.Height = -11\r\n"
    "  TitleFont.Name = 'MS Sans Serif'\r\n  TitleFont.Style = []\r\n";

std::string Without(const std::string& text, const std::string& header) { return text.substr(header.size()); }

}  // namespace

TEST(DBGridStreaming, PublishedPropertiesAreDelphis) {
  RegisterDataControls();
  ExpectPublished(FindClass("TDBGrid"),
                  Inherited + "Align BorderStyle Color Columns Ctl3D DataSource DefaultDrawing DragCursor DragMode "
                              "Enabled FixedColor Font ImeMode ImeName Options ParentColor ParentCtl3D ParentFont "
                              "ParentShowHint PopupMenu ReadOnly ShowHint TabOrder TabStop TitleFont Visible "
                              "OnCellClick OnColEnter OnColExit OnColumnMoved OnDrawDataCell OnDrawColumnCell "
                              "OnDblClick OnDragDrop OnDragOver OnEditButtonClick OnEndDrag OnEnter OnExit "
                              "OnKeyDown OnKeyPress OnKeyUp OnStartDrag OnTitleClick");
  ExpectPublished(&TColumn::StaticClass(),
                  "Alignment ButtonStyle Color DropDownRows FieldName Font PickList ReadOnly Title Width");
  ExpectPublished(&TColumnTitle::StaticClass(), "Alignment Caption Color Font");
  ExpectPublished(FindClass("TDBCtrlGrid"),
                  Inherited + "Align AllowDelete AllowInsert ColCount Color DataSource DragCursor DragMode Enabled "
                              "Font Orientation PanelBorder PanelHeight PanelWidth ParentColor ParentFont "
                              "ParentShowHint PopupMenu TabOrder TabStop RowCount SelectedColor ShowFocus "
                              "ShowHint Visible OnClick OnDblClick OnDragDrop OnDragOver OnEndDrag OnEnter OnExit "
                              "OnKeyDown OnKeyPress OnKeyUp OnMouseDown OnMouseMove OnMouseUp OnPaintPanel "
                              "OnStartDrag");

  const TTypeInfo* options = PropType("TDBGrid", "Options");
  EXPECT_EQ(options->Name, "TDBGridOptions");
  EXPECT_EQ(GetEnumName(GetTypeData(options)->CompType, 0), "dgEditing");
  EXPECT_EQ(GetEnumName(GetTypeData(options)->CompType, 12), "dgMultiSelect");
  EXPECT_EQ(GetPropInfo(FindClass("TDBGrid"), "Options")->Default, TDBGrid::DefaultOptions.Bits());
  EXPECT_EQ(PropType("TDBGrid", "Columns")->Name, "TDBGridColumns");
  EXPECT_EQ(PropType("TDBGrid", "TitleFont")->Name, "TFont");
  EXPECT_EQ(GetPropInfo(&TColumn::StaticClass(), "DropDownRows")->PropType->Name, "Cardinal");
  EXPECT_EQ(GetPropInfo(&TColumn::StaticClass(), "ButtonStyle")->PropType->Name, "TColumnButtonStyle");
  EXPECT_EQ(PropType("TDBCtrlGrid", "Orientation")->Name, "TDBCtrlGridOrientation");
  EXPECT_EQ(GetEnumName(PropType("TDBCtrlGrid", "PanelBorder"), gbRaised), "gbRaised");

  const auto params = [](const char* cls, const char* event) { return GetTypeData(PropType(cls, event))->Params; };
  ASSERT_EQ(params("TDBGrid", "OnTitleClick").size(), 1u);
  EXPECT_EQ(params("TDBGrid", "OnTitleClick")[0].TypeName, "TColumn");
  EXPECT_EQ(PropType("TDBGrid", "OnCellClick")->Name, "TDBGridClickEvent");
  ASSERT_EQ(params("TDBGrid", "OnDrawColumnCell").size(), 5u);
  EXPECT_EQ(params("TDBGrid", "OnDrawColumnCell")[1].Flags, pfConst);
  EXPECT_EQ(params("TDBGrid", "OnDrawColumnCell")[2].ParamName, "DataCol");
  EXPECT_EQ(params("TDBGrid", "OnDrawDataCell")[2].TypeName, "TField");
  EXPECT_EQ(PropType("TDBGrid", "OnColumnMoved")->Name, "TMovedEvent");
  EXPECT_EQ(params("TDBCtrlGrid", "OnPaintPanel")[0].TypeName, "TDBCtrlGrid");
}

TEST(DBGridStreaming, FreshlyPlacedGridsWriteWhatDelphiWrites) {
  RegisterDataControls();
  RecordRootPtr host = NewRecordRoot("Host");
  auto* grid = Place<TDBGrid>(host.get(), "DBGrid1");
  auto* ctrlGrid = Place<TDBCtrlGrid>(host.get(), "DBCtrlGrid1");
  EXPECT_EQ(grid->Options(), TDBGrid::DefaultOptions);
  EXPECT_EQ(ctrlGrid->SelectedColor(), ctrlGrid->Color());
  // The title font is always written; the control grid's counts and panel sizes too.
  EXPECT_EQ(Without(WriteText(host.get()), HostHeader),
            "  object DBGrid1: TDBGrid\r\n    Left = 8\r\n    Top = 8\r\n    Width = 320\r\n    Height = 120\r\n"
            "    TabOrder = 0\r\n" +
                std::regex_replace(TitleFont, std::regex("  Title"), "    Title") +
                "  end\r\n  object DBCtrlGrid1: TDBCtrlGrid\r\n    Left = 8\r\n    Top = 8\r\n    Width = 216\r\n"
                "    Height = 216\r\n    ColCount = 1\r\n    PanelHeight = 72\r\n    PanelWidth = 200\r\n"
                "    TabOrder = 1\r\n    RowCount = 3\r\n  end\r\nend\r\n");

  // A title font of its own makes the grid's font its own as well.
  grid->TitleFont()->SetColor(clRed);
  EXPECT_FALSE(grid->ParentFont());
  ctrlGrid->SetSelectedColor(clYellow);
  EXPECT_NE(WriteText(host.get()).find("    Font.Charset = DEFAULT_CHARSET\r\n"), std::string::npos);
  EXPECT_NE(WriteText(host.get()).find("    SelectedColor = clYellow\r\n"), std::string::npos);
}

TEST(DBGridStreaming, CustomizedColumnsAreWrittenDefaultOnesAreNot) {
  const std::string grid =
      "  object DBGrid1: TDBGrid\r\n    Left = 8\r\n    Top = 8\r\n    Width = 320\r\n    Height = 120\r\n";
  const std::string data =
      "  object Table1: TTable\r\n    Active = True\r\n    Left = 8\r\n    Top = 8\r\n"
      "    object Table1NAME: TStringField\r\n      DisplayLabel = 'Country'\r\n      FieldName = 'NAME'\r\n"
      "      Size = 24\r\n    end\r\n"
      "    object Table1AREA: TFloatField\r\n      FieldName = 'AREA'\r\n    end\r\n  end\r\n"
      "  object DataSource1: TDataSource\r\n    DataSet = Table1\r\n    Left = 40\r\n    Top = 8\r\n  end\r\n";
  const std::string tail = "    DataSource = DataSource1\r\n    TabOrder = 0\r\n" +
                           std::regex_replace(TitleFont, std::regex("  Title"), "    Title") + "  end\r\n";
  // Every attribute set, the font with the values it would have had anyway.
  const std::string customized =
      "    Columns = <\r\n      item\r\n        Alignment = taRightJustify\r\n        ButtonStyle = cbsEllipsis\r\n"
      "        Color = clYellow\r\n        DropDownRows = 3\r\n        FieldName = 'NAME'\r\n"
      "        Font.Charset = DEFAULT_CHARSET\r\n        Font.Color = clWindowText\r\n        Font.Height = -11\r\n"
      "        Font.Name = 'MS Sans Serif'\r\n        Font.Style = []\r\n        PickList.Strings = (\r\n"
      "          'Canada'\r\n          'Chile')\r\n        ReadOnly = False\r\n"
      "        Title.Alignment = taCenter\r\n        Title.Caption = 'Land'\r\n        Title.Color = clRed\r\n"
      "        Title.Font.Charset = DEFAULT_CHARSET\r\n        Title.Font.Color = clBlue\r\n"
      "        Title.Font.Height = -11\r\n        Title.Font.Name = 'Arial'\r\n        Title.Font.Style = [fsBold]\r\n"
      "        Width = 64\r\n      end\r\n      item\r\n        FieldName = 'AREA'\r\n      end>\r\n";

  RegisterDataControls();
  RecordRootPtr host = NewRecordRoot("Host");
  const std::string text = HostHeader + data + grid + customized + tail + "end\r\n";
  EXPECT_EQ(TextRoundTrip(host.get(), text), text);
  auto* dbGrid = static_cast<TDBGrid*>(host->FindComponent("DBGrid1"));
  TDBGridColumns& columns = *dbGrid->Columns();
  ASSERT_EQ(columns.Count(), 2);
  EXPECT_EQ(columns.State(), csCustomized);
  EXPECT_EQ(columns.Items(0)->Title()->Font()->Name(), "Arial");
  // What was not set follows the field and the grid.
  TColumn& area = *columns.Items(1);
  EXPECT_EQ(area.Title()->Caption(), "AREA");
  EXPECT_EQ(area.Alignment(), taRightJustify);
  EXPECT_EQ(area.Title()->Color(), dbGrid->FixedColor());
  EXPECT_GT(area.Width(), 0);
  EXPECT_EQ(dbGrid->ColCount(), 3);
  EXPECT_EQ(dbGrid->ColWidths(1), 64);

  // Without columns of its own the grid makes one per field and writes none.
  const std::string plain = HostHeader + data + grid + tail + "end\r\n";
  host = NewRecordRoot("Host");
  EXPECT_EQ(TextRoundTrip(host.get(), plain), plain);
  dbGrid = static_cast<TDBGrid*>(host->FindComponent("DBGrid1"));
  ASSERT_EQ(dbGrid->Columns()->Count(), 2);
  EXPECT_EQ(dbGrid->Columns()->State(), csDefault);
  EXPECT_EQ(dbGrid->Columns()->Items(0)->Title()->Caption(), "Country");
  EXPECT_EQ(dbGrid->ColCount(), 3);
  dbGrid->Columns()->SetState(csCustomized);
  EXPECT_NE(WriteText(host.get()).find("    Columns = <\r\n      item\r\n        FieldName = 'NAME'\r\n      end\r\n"
                                       "      item\r\n        FieldName = 'AREA'\r\n      end>\r\n"),
            std::string::npos);
  dbGrid->Columns()->SetState(csDefault);
  EXPECT_EQ(WriteText(host.get()), plain);
  EXPECT_EQ(dbGrid->Columns()->Count(), 2);

  // A column the program adds replaces the grid's own.
  dbGrid->Columns()->Add()->SetFieldName("AREA");
  EXPECT_EQ(dbGrid->Columns()->Count(), 1);
  EXPECT_EQ(dbGrid->Columns()->State(), csCustomized);
}

TEST(DBGridStreaming, MalformedColumnsGiveAReadingError) {
  RegisterDataControls();
  const std::string before = HostHeader + "  object DBGrid1: TDBGrid\r\n    Left = 8\r\n";
  for (const std::string columns :
       {"    Columns = 3\r\n", "    Columns = <\r\n      item\r\n        Width = 'wide'\r\n      end>\r\n"}) {
    SCOPED_TRACE(columns);
    RecordRootPtr host = NewRecordRoot("Host");
    EXPECT_THROW(ReadBinary(host.get(), ObjectTextToBinary(before + columns + "  end\r\nend\r\n")), EReadError);
  }
  // A column's property of a later version is kept and written back.
  const std::string columns = "    Columns = <\r\n      item\r\n        Title.Bogus = 1\r\n        Width = 40\r\n"
                              "        Expanded = False\r\n      end>\r\n";
  RecordRootPtr host = NewRecordRoot("Host");
  ReadBinary(host.get(), ObjectTextToBinary(before + columns + "  end\r\nend\r\n"));
  EXPECT_NE(ObjectBinaryToText(WriteBinary(host.get())).find(columns), std::string::npos);
}

TEST(DBGridStreaming, SampleRecordsComeBackByteForByte) {
  RegisterDataControls();
  // The forms of the two-view samples name a data module's data source.
  Application();
  FormPtr module(new TForm(nullptr));
  module->SetName("DataModule2");
  (new TDataSource(module.get()))->SetName("DataSource1");

  const std::set<std::string> grids = {"TDBGrid"};
  const std::set<std::string> dataAccess = {"TTable", "TQuery", "TDatabase", "TDataSource"};
  int count = 0;
  for (const std::string& file : SampleFiles()) {
    const std::string sample = SampleText(file);
    std::vector<std::string> records = RecordsOf(sample, grids);
    if (records.empty()) continue;
    // Alone on the host, each grid comes first in the tab order.
    for (std::string& record : records)
      record = std::regex_replace(record, std::regex("\r\n    TabOrder = \\d+\r\n"), "\r\n    TabOrder = 0\r\n");
    SCOPED_TRACE(file);
    std::string text = HostHeader;
    for (const std::string& record : records) text += record;
    for (const std::string& record : RecordsOf(sample, dataAccess)) text += record;
    const std::string binary = ObjectTextToBinary(text + "end\r\n");
    RecordRootPtr host = NewRecordRoot("Host");
    ReadBinary(host.get(), binary);
    EXPECT_EQ(RecordsOf(WriteText(host.get()), grids), records);
    EXPECT_EQ(WriteBinary(host.get()), binary);
    count += static_cast<int>(records.size());
  }
  EXPECT_EQ(count, 9);
}

TEST(DBGridLayout, OptionsDecideTheFixedCells) {
  RecordRootPtr host = NewRecordRoot("Host");
  auto* grid = Place<TDBGrid>(host.get(), "DBGrid1");
  // Without data: an indicator, one empty column, the title row and one empty row.
  EXPECT_EQ(grid->ColCount(), 2);
  EXPECT_EQ(grid->FixedCols(), 1);
  EXPECT_EQ(grid->RowCount(), 2);
  EXPECT_EQ(grid->FixedRows(), 1);
  EXPECT_EQ(grid->ColWidths(0), TDBGrid::IndicatorWidth);
  grid->Columns()->Add()->SetWidth(90);
  grid->Columns()->Add()->SetFieldName("B");
  EXPECT_EQ(grid->ColCount(), 3);
  EXPECT_EQ(grid->ColWidths(1), 90);
  EXPECT_EQ(grid->ColWidths(2), grid->DefaultColWidth());

  grid->SetOptions(TDBGrid::DefaultOptions - TDBGridOptions{dgIndicator, dgTitles, dgColLines});
  EXPECT_EQ(grid->ColCount(), 2);
  EXPECT_EQ(grid->FixedCols(), 0);
  EXPECT_EQ(grid->FixedRows(), 0);
  EXPECT_FALSE(grid->TCustomGrid::Options().Contains(goVertLine));
  EXPECT_EQ(grid->ColWidths(0), 90);
  // Sizing a column in the grid sizes the column; the widths are not streamed as the grid's.
  grid->SetColWidths(1, 70);
  EXPECT_EQ(grid->Columns()->Items(1)->Width(), 70);
  EXPECT_TRUE(grid->Columns()->Items(1)->IsWidthStored());
  EXPECT_EQ(WriteText(host.get()).find("ColWidths"), std::string::npos);
}
