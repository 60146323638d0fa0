// The Win32 page as form files see it: Delphi 3's published properties in
// declaration order, what a freshly placed control writes, and the sample forms
// written back.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "kcl/components/commctrls2.h"
#include "kcl/components/stdctrls.h"
#include "support/formrecords.h"
#include "support/formtext.h"
#include "support/propnames.h"
#include "support/recordroot.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

namespace {

const std::string Control = "Name Tag Left Top Width Height Cursor Hint ";
const std::string WinControl = Control + "HelpContext ";

const std::map<std::string, std::string> DeclaredOrder = {
    {"TProgressBar", WinControl + "Align Enabled Min Max ParentShowHint PopupMenu Position Step ShowHint TabOrder "
                               "TabStop Visible OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnMouseDown "
                               "OnMouseMove OnMouseUp OnStartDrag"},
    {"TTrackBar", WinControl + "Ctl3D DragCursor DragMode Enabled LineSize Max Min Orientation ParentCtl3D "
                            "ParentShowHint PageSize PopupMenu Frequency Position SelEnd SelStart ShowHint TabOrder "
                            "TabStop TickMarks TickStyle Visible OnChange OnDragDrop OnDragOver OnEndDrag OnEnter "
                            "OnExit OnKeyDown OnKeyPress OnKeyUp OnStartDrag"},
    {"TUpDown", WinControl + "AlignButton Associate ArrowKeys Enabled Min Max Increment Orientation ParentShowHint "
                          "PopupMenu Position ShowHint TabOrder TabStop Thousands Visible Wrap OnChanging OnClick "
                          "OnEnter OnExit OnMouseDown OnMouseMove OnMouseUp"},
    {"THotKey", WinControl + "AutoSize Enabled HotKey InvalidKeys Modifiers ParentShowHint PopupMenu ShowHint "
                          "TabOrder TabStop Visible OnEnter OnExit"},
    {"TTabControl", WinControl + "Align DragCursor DragMode Enabled Font HotTrack Images MultiLine OwnerDraw ParentFont "
                              "ParentShowHint PopupMenu RaggedRight ScrollOpposite ShowHint TabHeight TabOrder "
                              "TabPosition Tabs TabIndex TabStop TabWidth Visible OnChange OnChanging OnDragDrop "
                              "OnDragOver OnDrawTab OnEndDrag OnEnter OnExit OnGetImageIndex OnMouseDown "
                              "OnMouseMove OnMouseUp OnStartDrag"},
    {"TTreeView", WinControl + "ShowButtons BorderStyle DragCursor ShowLines ShowRoot ReadOnly RightClickSelect "
                            "DragMode HideSelection Indent Items OnEditing OnEdited OnExpanding OnExpanded "
                            "OnCollapsing OnCompare OnCollapsed OnChanging OnChange OnDeletion OnGetImageIndex "
                            "OnGetSelectedIndex Align Enabled Font Color ParentColor ParentCtl3D Ctl3D SortType "
                            "TabOrder TabStop Visible OnClick OnEnter OnExit OnDragDrop OnDragOver OnStartDrag "
                            "OnEndDrag OnMouseDown OnMouseMove OnMouseUp OnDblClick OnKeyDown OnKeyPress OnKeyUp "
                            "PopupMenu ParentFont ParentShowHint ShowHint Images StateImages"},
    {"TImageList",
     "Name Tag BlendColor BkColor AllocBy DrawingStyle Height ImageType Masked OnChange ShareImages "
     "Width"},
    {"TDateTimePicker", WinControl + "CalAlignment Date Time ShowCheckbox Checked Color DateFormat DateMode DragCursor "
                                  "DragMode Enabled Font ImeMode ImeName Kind MaxDate MinDate ParseInput ParentColor "
                                  "ParentFont ParentShowHint PopupMenu ShowHint TabStop Visible OnClick "
                                  "OnCloseUp OnChange OnDropDown OnDragDrop OnDragOver OnEndDrag OnEnter OnExit "
                                  "OnKeyDown OnKeyPress OnKeyUp OnStartDrag OnUserInput"},
    {"TToolBar", WinControl + "Align ButtonHeight ButtonWidth Caption Color Ctl3D DisabledImages DragCursor DragMode "
                           "EdgeBorders EdgeInner EdgeOuter Enabled Flat Font HotImages Images Indent ParentColor "
                           "ParentFont ParentShowHint PopupMenu ShowCaptions ShowHint TabOrder TabStop Visible "
                           "Wrapable OnClick OnDblClick OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnMouseDown "
                           "OnMouseMove OnMouseUp OnResize OnStartDrag"},
    {"TToolButton", Control + "AllowAllUp Caption Down DragCursor DragMode DropdownMenu Enabled Grouped ImageIndex "
                              "Indeterminate Marked ParentShowHint PopupMenu Wrap ShowHint Style Visible OnClick "
                              "OnDragDrop OnDragOver OnEndDrag OnMouseDown OnMouseMove OnMouseUp OnStartDrag"},
    {"TCoolBar", WinControl + "Align AutoSize Bands Color Ctl3D DragCursor DragMode EdgeBorders EdgeInner EdgeOuter Enabled "
                           "FixedSize FixedOrder Font Images ParentColor ParentFont ParentShowHint PopupMenu "
                           "ShowHint ShowText Vertical Visible OnChange OnClick OnDragDrop OnDragOver OnEndDrag "
                           "OnMouseDown OnMouseMove OnMouseUp OnResize OnStartDrag"},
    {"TCoolBand",
     "Break Color Control FixedBackground FixedSize HorizontalOnly ImageIndex MinHeight MinWidth "
     "ParentColor Text Visible Width"},
};

}  // namespace

TEST(Win32Controls, PublishDelphisPropertiesInDelphisOrder) {
  RegisterWin32Controls();
  for (const auto& [name, order] : DeclaredOrder) {
    SCOPED_TRACE(name);
    // Collection items are not registered; the cool bar makes its bands itself.
    EXPECT_EQ(DeclaredPropNames(name == "TCoolBand" ? &TCoolBand::StaticClass() : FindClass(name)), order);
  }
  EXPECT_EQ(ListedPropNames(&TProgressBar::StaticClass()),
            "Align Cursor Enabled Height HelpContext Hint Left Max Min Name OnDragDrop OnDragOver OnEndDrag OnEnter OnExit "
            "OnMouseDown OnMouseMove OnMouseUp OnStartDrag ParentShowHint PopupMenu Position ShowHint Step TabOrder "
            "TabStop Tag Top Visible Width");
  // Types the object inspector and the handlers it writes go by.
  auto type = [](const char* cls, const char* prop) { return GetPropInfo(FindClass(cls), prop)->PropType; };
  EXPECT_EQ(type("TUpDown", "Min")->Name, "Smallint");
  EXPECT_EQ(type("TUpDown", "OnClick")->Data.Params[1].TypeName, "TUDBtnType");
  EXPECT_EQ(type("THotKey", "HotKey")->Name, "TShortCut");
  EXPECT_EQ(type("TDateTimePicker", "Date")->Name, "TDate");
  EXPECT_EQ(type("TDateTimePicker", "Time")->Name, "TTime");
  EXPECT_EQ(type("TTreeView", "Images")->Name, "TImageList");
  EXPECT_EQ(type("TTreeView", "OnEdited")->Data.Params[2].Flags, pfVar);
  EXPECT_EQ(type("TTabControl", "OnDrawTab")->Data.Params[2].Flags, pfConst);
  EXPECT_EQ(GetEnumName(type("TImageList", "DrawingStyle"), 0), "dsFocus");
  EXPECT_EQ(GetEnumName(GetTypeData(type("THotKey", "InvalidKeys"))->CompType, 7), "hcShiftCtrlAlt");
}

TEST(Win32Controls, FreshlyPlacedControlsWriteOnlyWhatDelphiWrites) {
  RegisterWin32Controls();
  FormPtr form(new TForm(nullptr));
  form->SetName("Form1");
  form->SetBounds(0, 0, 400, 300);  // client 392 wide
  Create<TProgressBar>(form.get(), form.get(), "ProgressBar1");
  Create<TTrackBar>(form.get(), form.get(), "TrackBar1");
  Create<TUpDown>(form.get(), form.get(), "UpDown1");
  Create<THotKey>(form.get(), form.get(), "HotKey1");
  Create<TTreeView>(form.get(), form.get(), "TreeView1");
  Create<TDateTimePicker>(form.get(), form.get(), "DateTimePicker1")->SetDateTime(35482.5);
  Create<TTabControl>(form.get(), form.get(), "TabControl1");
  Create<TToolBar>(form.get(), form.get(), "ToolBar1");
  Create<TCoolBar>(form.get(), form.get(), "CoolBar1");
  const std::string text = WriteTextLf(form.get());
  const std::string origin = "  Left = 0\n  Top = 0\n";
  EXPECT_EQ(RecordOf(text, "ProgressBar1"), "object ProgressBar1: TProgressBar\n" + origin +
                                                "  Width = 150\n  Height = 16\n  Min = 0\n  Max = 100\n"
                                                "  TabOrder = 0\nend\n");
  EXPECT_EQ(
      RecordOf(text, "TrackBar1"),
      "object TrackBar1: TTrackBar\n" + origin +
          "  Width = 150\n  Height = 45\n  Orientation = trHorizontal\n  Frequency = 1\n  Position = 0\n"
          "  SelEnd = 0\n  SelStart = 0\n  TabOrder = 1\n  TickMarks = tmBottomRight\n  TickStyle = tsAuto\nend\n");
  EXPECT_EQ(RecordOf(text, "UpDown1"), "object UpDown1: TUpDown\n" + origin +
                                           "  Width = 16\n  Height = 24\n  Min = 0\n  Position = 0\n  TabOrder = 2\n"
                                           "  Wrap = False\nend\n");
  EXPECT_EQ(RecordOf(text, "HotKey1"), "object HotKey1: THotKey\n" + origin +
                                           "  Width = 121\n  Height = 19\n  HotKey = 32833\n"
                                           "  InvalidKeys = [hcNone, hcShift]\n  Modifiers = [hkAlt]\n"
                                           "  TabOrder = 3\nend\n");
  EXPECT_EQ(RecordOf(text, "TreeView1"), "object TreeView1: TTreeView\n" + origin +
                                             "  Width = 121\n  Height = 97\n  Indent = 19\n  TabOrder = 4\nend\n");
  EXPECT_EQ(RecordOf(text, "DateTimePicker1"),
            "object DateTimePicker1: TDateTimePicker\n" + origin +
                "  Width = 186\n  Height = 21\n  CalAlignment = dtaLeft\n  Date = 35482.5\n  Time = 35482.5\n"
                "  DateFormat = dfShort\n  DateMode = dmComboBox\n  Kind = dtkDate\n  ParseInput = False\nend\n");
  EXPECT_EQ(RecordOf(text, "TabControl1"),
            "object TabControl1: TTabControl\n" + origin + "  Width = 289\n  Height = 193\n  TabOrder = 6\nend\n");
  EXPECT_EQ(RecordOf(text, "ToolBar1"), "object ToolBar1: TToolBar\n" + origin +
                                            "  Width = 392\n  Height = 29\n  Caption = 'ToolBar1'\n  TabOrder = 7\nend\n");
  EXPECT_EQ(RecordOf(text, "CoolBar1"),
            "object CoolBar1: TCoolBar\n  Left = 0\n  Top = 29\n"
            "  Width = 392\n  Height = 75\n  Bands = <>\nend\n");
}

// The tab index is written unless it is -1, the declared default: no tab chosen.
TEST(Win32Controls, TabControlsWriteTheirTabIndexUnlessNoTabIsChosen) {
  RegisterWin32Controls();
  FormPtr form(new TForm(nullptr));
  auto* tabs = Create<TTabControl>(form.get(), form.get(), "TabControl1");
  const auto written = [&] { return RecordOf(WriteTextLf(form.get()), "TabControl1"); };
  EXPECT_EQ(written().find("TabIndex"), std::string::npos);
  tabs->Tabs()->SetCommaText("One,Two");
  EXPECT_NE(written().find("  TabIndex = 0\n"), std::string::npos);
  tabs->SetTabIndex(-1);
  EXPECT_EQ(written().find("TabIndex"), std::string::npos);
}

TEST(Win32Controls, SampleRecordsWriteBackUnchanged) {
  RegisterStandardControls();
  RegisterWin32Controls();
  ExpectSampleRecordRoundTrips("25/BACKPROC/BACKPF.DFM", "ProgressBar1");
  ExpectSampleRecordRoundTrips("25/THWAIT/MAINFORM.DFM", "ProgressBar1");
  ExpectSampleRecordRoundTrips("29/FILTER/CONVF.DFM", "ProgressBar1");
  ExpectSampleRecordRoundTrips("25/THPRIOR/MAINFORM.DFM", "TrackBar1");
  ExpectSampleRecordRoundTrips("25/THPRIOR/MAINFORM.DFM", "TrackBar4");
  ExpectSampleRecordRoundTrips("23/XARROW/XAPPAGE.DFM", "UpDownHeight", {"EditHeight"});
  ExpectSampleRecordRoundTrips("11/CHAPTREE/TREEFORM.DFM", "TreeView1");
  ExpectSampleRecordRoundTrips("11/REFLIST/REFFORM.DFM", "ImageList1");
  ExpectSampleRecordRoundTrips("11/PICKDATE/PDATEF.DFM", "DateTimePicker1");
}
