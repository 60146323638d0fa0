// The Win32 page as form files see it: Delphi 3's published properties in
// declaration order, what a freshly placed control writes, the binary values the
// tree view and the image list stream, and the sample forms written back.
#include <gtest/gtest.h>

#include <map>

#include "kcl/classes/objecttext.h"
#include "kcl/classes/streams.h"
#include "kcl/components/commctrls2.h"
#include "win32controls_testing.h"

using namespace kcl;
using namespace comctrls_test;
using namespace win32controls_test;

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
    {"TCoolBar", WinControl + "Align Bands Color Ctl3D DragCursor DragMode EdgeBorders EdgeInner EdgeOuter Enabled "
                           "FixedSize FixedOrder Font Images ParentColor ParentFont ParentShowHint PopupMenu "
                           "ShowHint ShowText Vertical Visible OnChange OnClick OnDragDrop OnDragOver OnEndDrag "
                           "OnMouseDown OnMouseMove OnMouseUp OnResize OnStartDrag"},
    {"TCoolBand",
     "Break Color Control FixedBackground FixedSize HorizontalOnly ImageIndex MinHeight MinWidth "
     "ParentColor Text Visible Width"},
};

std::string Hex(const std::string& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string hex;
  for (unsigned char c : bytes) hex += {digits[c >> 4], digits[c & 15]};
  return hex;
}

std::string Unhex(const std::string& hex) {
  std::string bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return bytes;
}

}  // namespace

TEST(Win32Controls, PublishDelphisPropertiesInDelphisOrder) {
  RegisterClassesForTests();
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
  RegisterClassesForTests();
  FormPtr form(new TForm(nullptr));
  form->SetName("Form1");
  form->SetBounds(0, 0, 400, 300);  // client 392 wide
  Place<TProgressBar>(form.get(), form.get(), "ProgressBar1");
  Place<TTrackBar>(form.get(), form.get(), "TrackBar1");
  Place<TUpDown>(form.get(), form.get(), "UpDown1");
  Place<THotKey>(form.get(), form.get(), "HotKey1");
  Place<TTreeView>(form.get(), form.get(), "TreeView1");
  Place<TDateTimePicker>(form.get(), form.get(), "DateTimePicker1")->SetDateTime(35482.5);
  Place<TTabControl>(form.get(), form.get(), "TabControl1");
  Place<TToolBar>(form.get(), form.get(), "ToolBar1");
  Place<TCoolBar>(form.get(), form.get(), "CoolBar1");
  const std::string text = WriteText(form.get());
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

TEST(Win32Controls, SampleRecordsWriteBackUnchanged) {
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

TEST(Win32Controls, TreeNodesStreamInDelphisBinaryLayout) {
  RegisterClassesForTests();
  RootPtr root(new TRecordRoot(nullptr));
  root->SetName("Root");
  auto* tree = Place<TTreeView>(root.get(), root.get(), "TreeView1");
  TTreeNodes* items = tree->Items();
  TTreeNode* a = items->Add(nullptr, "A");
  items->AddChild(a, "B")->SetImageIndex(3);
  items->Add(a, "Caf\xe9");
  EXPECT_EQ(items->Count(), 3);
  EXPECT_EQ(items->Item(2)->Text(), "Caf\xe9");
  TMemoryStream data;
  items->WriteData(data);
  const std::string node = "0000000000000000FFFFFFFFFFFFFFFF00000000";
  EXPECT_EQ(Hex(std::string(data.View())),
            "02000000"
            "1A000000" +
                node +
                "01000000"
                "0141"
                "1A000000"
                "0300000000000000FFFFFFFFFFFFFFFF00000000"
                "00000000"
                "0142"
                "1D000000" +
                node +
                "00000000"
                "04436166E9");
  // Read back, with a data value from the file kept for writing.
  std::string bytes(data.View());
  bytes[4 + 4 + 16] = 0x2A;
  TStringStream in(bytes);
  TTreeNodes copy(nullptr);
  copy.ReadData(in);
  ASSERT_EQ(copy.Count(), 3);
  EXPECT_EQ(copy.Root(0)->Item(0)->ImageIndex(), 3);
  EXPECT_EQ(copy.Root(0)->Item(0)->Level(), 1);
  TMemoryStream again;
  copy.WriteData(again);
  EXPECT_EQ(std::string(again.View()), bytes);

  // Through the form text: "Items.Data" after the published properties.
  const std::string text = WriteText(root.get());
  EXPECT_NE(text.find("    Indent = 19\n    Items.Data = {\n"), std::string::npos) << text;
  RootPtr read(new TRecordRoot(nullptr));
  ReadText(read.get(), text);
  EXPECT_EQ(static_cast<TTreeView*>(read->FindComponent("TreeView1"))->Items()->Count(), 3);
  EXPECT_EQ(WriteText(read.get()), text);
}

TEST(Win32Controls, MalformedNodeDataIsAReadErrorAndLeavesTheNodes) {
  TTreeNodes nodes(nullptr);
  nodes.Add(nullptr, "kept");
  const std::string good =
      "01000000"
      "1A000000"
      "0000000000000000FFFFFFFFFFFFFFFF00000000"
      "00000000"
      "0141";
  for (const std::string& bad : std::vector<std::string>{good.substr(0, good.size() - 2),  // cut short
                                                         "01000000"
                                                         "1B000000"
                                                         "0000000000000000FFFFFFFFFFFFFFFF00000000"
                                                         "00000000"
                                                         "0141",  // size and text disagree
                                                         "01000000"
                                                         "1A000000"
                                                         "0000000000000000FFFFFFFFFFFFFFFF00000000"
                                                         "FFFFFF7F"
                                                         "0141",      // children beyond the data
                                                         "FFFFFFFF",  // a negative count
                                                         "01000000"
                                                         "10000000"
                                                         "0000000000000000FFFFFFFFFFFFFFFF00000000"
                                                         "00000000"
                                                         "0141"}) {
    SCOPED_TRACE(bad);
    TStringStream in(Unhex(bad));
    EXPECT_THROW(nodes.ReadData(in), EReadError);
    ASSERT_EQ(nodes.Count(), 1);
    EXPECT_EQ(nodes.Root(0)->Text(), "kept");
  }
  // Deep nesting is read and freed without recursion.
  std::string deep = "01000000";
  for (int i = 0; i < 100000; ++i)
    deep +=
        "1A000000"
        "0000000000000000FFFFFFFFFFFFFFFF00000000"
        "01000000"
        "0141";
  deep +=
      "1A000000"
      "0000000000000000FFFFFFFFFFFFFFFF00000000"
      "00000000"
      "0141";
  TStringStream in(Unhex(deep));
  nodes.ReadData(in);
  EXPECT_EQ(nodes.Count(), 100001);
  nodes.Clear();
}

TEST(Win32Controls, ImageListKeepsItsBitmapBytesAndRefusesOthers) {
  RegisterClassesForTests();
  const std::string record = SampleRecord("11/REFLIST/REFFORM.DFM", "ImageList1");
  RootPtr root(new TRecordRoot(nullptr));
  ReadText(root.get(), "object Root: TRecordRoot\n" + record + "end\n");
  auto* images = static_cast<TImageList*>(root->FindComponent("ImageList1"));
  ASSERT_NE(images, nullptr);
  EXPECT_EQ(images->Count(), 5);
  EXPECT_EQ(images->Image(4).size(), QSize(32, 32));
  EXPECT_TRUE(images->Image(5).isNull());
  // The mask of this list leaves its five pictures opaque (only unused cells are
  // masked): an inverted or misplaced mask would show here.
  std::vector<int> transparent;
  for (int i = 0; i < images->Count(); ++i) {
    const QImage image = images->Image(i);
    int count = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) count += qAlpha(image.pixel(x, y)) == 0 ? 1 : 0;
    transparent.push_back(count);
  }
  EXPECT_EQ(transparent, std::vector<int>(5, 0));
  images->SetWidth(16);  // a new size empties the list
  EXPECT_EQ(images->Count(), 0);
  EXPECT_EQ(WriteText(root.get()).find("Bitmap"), std::string::npos);

  for (const std::string& bad : {std::string("IL"), Unhex("494C0101050000000400200020000000FFFFFFFF0000"),
                                 Unhex("494C010105000A00040020002000FFFFFFFFFF00FFFFFFFFFFFFFFFF424D0000")}) {
    TStringStream in(bad);
    TImageList list(nullptr);
    EXPECT_THROW(list.ReadData(in), EReadError);
    EXPECT_EQ(list.Count(), 0);
  }
}
