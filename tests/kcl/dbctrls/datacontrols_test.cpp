// The data-aware controls as form files see them: Delphi 3's published
// properties in declaration order, what a freshly placed control writes, and
// every record of the sample forms written back byte for byte.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "kcl/classes/objecttext.h"
#include "kcl/classes/typinfo.h"
#include "kcl/controls/application.h"
#include "kcl/controls/form.h"
#include "kcl/dbctrls/datacontrols.h"
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

const std::string Inherited = "Name Tag Left Top Width Height Cursor Hint ";
const std::string KeyEvents = "OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp ";
const std::string MouseEvents = "OnMouseDown OnMouseMove OnMouseUp OnStartDrag";
const std::string Lookup = "KeyField ListField ListFieldIndex ListSource ParentColor ParentCtl3D ParentFont "
                           "ParentShowHint PopupMenu ReadOnly ";

// Delphi 3's published properties of each class in declaration order.
const std::map<std::string, std::string> DeclaredOrder = {
    {"TDBText", "Align Alignment AutoSize Color DataField DataSource DragCursor DragMode Enabled Font ParentColor "
                "ParentFont ParentShowHint PopupMenu Transparent ShowHint Visible WordWrap OnClick OnDblClick "
                "OnDragDrop OnDragOver OnEndDrag " + MouseEvents},
    {"TDBEdit", "AutoSelect AutoSize BorderStyle CharCase Color Ctl3D DataField DataSource DragCursor DragMode "
                "Enabled Font ImeMode ImeName MaxLength ParentColor ParentCtl3D ParentFont ParentShowHint "
                "PasswordChar PopupMenu ReadOnly ShowHint TabOrder TabStop Visible OnChange OnClick OnDblClick "
                "OnDragDrop OnDragOver " + KeyEvents + MouseEvents},
    {"TDBMemo", "Align Alignment AutoDisplay BorderStyle Color Ctl3D DataField DataSource DragCursor DragMode "
                "Enabled Font ImeMode ImeName MaxLength ParentColor ParentCtl3D ParentFont ParentShowHint PopupMenu "
                "ReadOnly ScrollBars ShowHint TabOrder TabStop Visible WantReturns WantTabs WordWrap OnChange "
                "OnClick OnDblClick OnDragDrop OnDragOver " + KeyEvents + MouseEvents},
    {"TDBImage", "Align AutoDisplay BorderStyle Center Color Ctl3D DataField DataSource DragCursor DragMode Enabled "
                 "Font ParentColor ParentCtl3D ParentFont ParentShowHint PopupMenu ReadOnly QuickDraw ShowHint "
                 "Stretch TabOrder TabStop Visible OnClick OnDblClick OnDragDrop OnDragOver " + KeyEvents +
                     MouseEvents},
    {"TDBListBox", "Align BorderStyle Color Ctl3D DataField DataSource DragCursor DragMode Enabled Font ImeMode "
                   "ImeName IntegralHeight ItemHeight Items ParentColor ParentCtl3D ParentFont ParentShowHint "
                   "PopupMenu ReadOnly ShowHint Style TabOrder TabStop Visible OnClick OnDblClick OnDragDrop "
                   "OnDragOver OnDrawItem " + KeyEvents + "OnMeasureItem " + MouseEvents},
    {"TDBComboBox", "Style Color Ctl3D DataField DataSource DragCursor DragMode DropDownCount Enabled Font ImeMode "
                    "ImeName ItemHeight Items ParentColor ParentCtl3D ParentFont ParentShowHint PopupMenu ReadOnly "
                    "ShowHint Sorted TabOrder TabStop Visible OnChange OnClick OnDblClick OnDragDrop OnDragOver "
                    "OnDrawItem OnDropDown " + KeyEvents + "OnMeasureItem OnStartDrag"},
    {"TDBCheckBox", "Alignment AllowGrayed Caption Color Ctl3D DataField DataSource DragCursor DragMode Enabled Font "
                    "ParentColor ParentCtl3D ParentFont ParentShowHint PopupMenu ReadOnly ShowHint TabOrder TabStop "
                    "ValueChecked ValueUnchecked Visible OnClick OnDragDrop OnDragOver " + KeyEvents + MouseEvents},
    {"TDBRadioGroup", "Align Caption Color Columns Ctl3D DataField DataSource DragCursor DragMode Enabled Font "
                      "Items ParentColor ParentCtl3D ParentFont ParentShowHint PopupMenu ReadOnly ShowHint TabOrder "
                      "TabStop Values Visible OnChange OnClick OnDragDrop OnDragOver OnEndDrag OnEnter OnExit "
                      "OnStartDrag"},
    {"TDBLookupListBox", "Align BorderStyle Color Ctl3D DataField DataSource DragCursor DragMode Enabled Font "
                         "ImeMode ImeName " + Lookup + "RowCount ShowHint TabOrder TabStop Visible OnClick "
                         "OnDblClick OnDragDrop OnDragOver " + KeyEvents + MouseEvents},
    {"TDBLookupComboBox", "Color Ctl3D DataField DataSource DragCursor DragMode DropDownAlign DropDownRows "
                          "DropDownWidth Enabled Font ImeMode ImeName " + Lookup + "ShowHint TabOrder TabStop "
                          "Visible OnClick OnCloseUp OnDragDrop OnDragOver OnDropDown " + KeyEvents + MouseEvents},
    {"TDBNavigator", "DataSource VisibleButtons Align DragCursor DragMode Enabled Flat Ctl3D Hints ParentCtl3D "
                     "ParentShowHint PopupMenu ConfirmDelete ShowHint TabOrder TabStop Visible BeforeAction OnClick "
                     "OnDblClick OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnResize OnStartDrag"},
};

}  // namespace

TEST(DataControlsStreaming, PublishedPropertiesAreDelphis) {
  RegisterDataControls();
  for (const auto& [name, order] : DeclaredOrder) {
    SCOPED_TRACE(name);
    const bool windowed = FindClass(name)->InheritsFrom(&TWinControl::StaticClass());
    ExpectPublished(FindClass(name), Inherited + (windowed ? "HelpContext " : "") + order);
  }
  EXPECT_EQ(PropType("TDBEdit", "DataSource")->Name, "TDataSource");
  EXPECT_EQ(PropType("TDBEdit", "DataField")->Name, "string");
  EXPECT_EQ(PropType("TDBCheckBox", "Alignment")->Name, "TLeftRight");
  EXPECT_EQ(PropType("TDBLookupComboBox", "DropDownAlign")->Name, "TDropDownAlign");
  const TTypeInfo* buttons = PropType("TDBNavigator", "VisibleButtons");
  EXPECT_EQ(buttons->Name, "TButtonSet");
  EXPECT_EQ(GetEnumName(GetTypeData(buttons)->CompType, nbRefresh), "nbRefresh");
  const TTypeInfo* click = PropType("TDBNavigator", "OnClick");
  EXPECT_EQ(click->Name, "ENavClick");
  ASSERT_EQ(GetTypeData(click)->Params.size(), 2u);
  EXPECT_EQ(GetTypeData(click)->Params[1].ParamName, "Button");
  EXPECT_EQ(GetTypeData(click)->Params[1].TypeName, "TNavigateBtn");
}

TEST(DataControlsStreaming, FreshlyPlacedControlsWriteWhatDelphiWrites) {
  RegisterDataControls();
  RecordRootPtr host = NewRecordRoot("Host");
  const auto text = [&](TComponent* c) {
    const std::string all = ComponentText(host.get(), c);
    return all.substr(all.find("\r\n") + 2);  // without the object line
  };
  const auto expect = [](int width, int height, const std::string& rest) {
    return "  Left = 8\r\n  Top = 8\r\n  Width = " + std::to_string(width) + "\r\n  Height = " +
           std::to_string(height) + "\r\n" + rest + "end\r\n";
  };
  EXPECT_EQ(text(Place<TDBText>(host.get(), "DBText1")), expect(65, 17, ""));
  EXPECT_EQ(text(Place<TDBEdit>(host.get(), "DBEdit1")), expect(121, 21, "  MaxLength = 0\r\n  TabOrder = 0\r\n"));
  EXPECT_EQ(text(Place<TDBMemo>(host.get(), "DBMemo1")), expect(185, 89, "  TabOrder = 1\r\n"));
  EXPECT_EQ(text(Place<TDBImage>(host.get(), "DBImage1")), expect(105, 105, "  TabOrder = 2\r\n"));
  EXPECT_EQ(text(Place<TDBListBox>(host.get(), "DBListBox1")),
            expect(121, 97, "  ItemHeight = 13\r\n  TabOrder = 3\r\n"));
  EXPECT_EQ(text(Place<TDBComboBox>(host.get(), "DBComboBox1")),
            expect(145, 21, "  ItemHeight = 13\r\n  TabOrder = 4\r\n"));
  EXPECT_EQ(text(Place<TDBCheckBox>(host.get(), "DBCheckBox1")),
            expect(97, 17, "  Caption = 'DBCheckBox1'\r\n  TabOrder = 5\r\n"));
  EXPECT_EQ(text(Place<TDBRadioGroup>(host.get(), "DBRadioGroup1")),
            expect(185, 105, "  Caption = 'DBRadioGroup1'\r\n  TabOrder = 6\r\n"));
  EXPECT_EQ(text(Place<TDBLookupListBox>(host.get(), "DBLookupListBox1")), expect(121, 95, "  TabOrder = 7\r\n"));
  EXPECT_EQ(text(Place<TDBLookupComboBox>(host.get(), "DBLookupComboBox1")), expect(145, 21, "  TabOrder = 8\r\n"));
  EXPECT_EQ(text(Place<TDBNavigator>(host.get(), "DBNavigator1")), expect(240, 25, "  TabOrder = 9\r\n"));
}

TEST(DataControlsStreaming, SampleRecordsComeBackByteForByte) {
  RegisterDataControls();
  // The forms of the two-view samples name a data module's data source.
  Application();
  FormPtr module(new TForm(nullptr));
  module->SetName("DataModule2");
  (new TDataSource(module.get()))->SetName("DataSource1");

  std::set<std::string> controls, dataAccess = {"TTable", "TQuery", "TDatabase", "TBatchMove", "TDataSource"};
  for (const auto& [name, order] : DeclaredOrder) controls.insert(name);
  std::map<std::string, int> counts;
  for (const std::string& file : SampleFiles()) {
    const std::string sample = SampleText(file);
    std::vector<std::string> records = RecordsOf(sample, controls, 0);
    if (records.empty()) continue;
    // Taken out of their panels, the controls become siblings with tab orders in turn.
    int tabOrder = 0;
    for (std::string& record : records)
      if (const size_t at = record.find("\r\n    TabOrder = "); at != std::string::npos) {
        const size_t value = at + 17, end = record.find("\r\n", value);
        record.replace(value, end - value, std::to_string(tabOrder++));
      }
    SCOPED_TRACE(file);
    std::string text = "object Host: TRecordRoot\r\n  Left = 0\r\n  Top = 0\r\n  Width = 0\r\n  Height = 0\r\n";
    for (const std::string& record : records) {
      text += record;
      counts[record.substr(record.find(": ") + 2, record.find("\r\n") - record.find(": ") - 2)]++;
    }
    for (const std::string& record : RecordsOf(sample, dataAccess)) text += record;
    const std::string binary = ObjectTextToBinary(text + "end\r\n");
    RecordRootPtr host = NewRecordRoot("Host");
    ReadBinary(host.get(), binary);
    EXPECT_EQ(RecordsOf(WriteText(host.get()), controls), records);
    EXPECT_EQ(WriteBinary(host.get()), binary);
  }
  EXPECT_EQ(counts, (std::map<std::string, int>{{"TDBEdit", 49}, {"TDBImage", 1}, {"TDBNavigator", 11}}));
}
