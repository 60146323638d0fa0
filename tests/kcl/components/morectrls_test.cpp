// The remaining palette classes as form files see them: Delphi 3's published
// properties, what a freshly placed control writes, and every record of these
// classes in the sample forms read and written back unchanged.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "kcl/classes/objecttext.h"
#include "kcl/components/comctrls.h"
#include "kcl/components/morectrls.h"
#include "kcl/components/stdctrls.h"
#include "kcl/controls/form.h"
#include "kcl/controls/menus.h"
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

void RegisterAll() {
  RegisterCommonControls();
  RegisterStandardControls();
  RegisterMenus();
  RegisterMoreControls();
}

const std::string ControlProps = "Name Tag Left Top Width Height Cursor Hint ";
const std::string WinControlProps = ControlProps + "HelpContext ";
const std::string EditEvents =
    "OnChange OnClick OnDblClick OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp "
    "OnMouseDown OnMouseMove OnMouseUp OnStartDrag";

// Delphi 3's published properties of each class in declaration order.
const std::map<std::string, std::string> DeclaredOrder = {
    {"TScrollBar", WinControlProps + "Align Ctl3D DragCursor DragMode Enabled Kind LargeChange Max Min PageSize "
                                  "ParentCtl3D ParentShowHint PopupMenu Position ShowHint SmallChange TabOrder TabStop "
                                  "Visible OnChange OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnKeyDown "
                                  "OnKeyPress OnKeyUp OnScroll OnStartDrag"},
    {"TMaskEdit", WinControlProps + "AutoSelect AutoSize BorderStyle CharCase Color Ctl3D DragCursor DragMode Enabled "
                                 "EditMask Font ImeMode ImeName MaxLength ParentColor ParentCtl3D ParentFont "
                                 "ParentShowHint PasswordChar PopupMenu ReadOnly ShowHint TabOrder TabStop Text "
                                 "Visible " + EditEvents},
    {"TShape", ControlProps + "Align Brush DragCursor DragMode Enabled ParentShowHint Pen Shape ShowHint Visible "
                              "OnDragDrop OnDragOver OnEndDrag OnMouseDown OnMouseMove OnMouseUp OnStartDrag"},
    {"TScrollBox", WinControlProps + "HorzScrollBar VertScrollBar Align AutoScroll BorderStyle DragCursor DragMode "
                                  "Enabled Color Ctl3D Font ParentColor ParentCtl3D ParentFont ParentShowHint "
                                  "PopupMenu ShowHint TabOrder TabStop Visible OnClick OnDblClick OnDragDrop "
                                  "OnDragOver OnEndDrag OnEnter OnExit OnMouseDown OnMouseMove OnMouseUp OnResize "
                                  "OnStartDrag"},
    {"TStaticText", WinControlProps + "Align Alignment AutoSize BorderStyle Caption Color DragCursor DragMode Enabled "
                                   "FocusControl Font ParentColor ParentFont ParentShowHint PopupMenu ShowAccelChar "
                                   "ShowHint TabOrder TabStop Visible OnClick OnDblClick OnDragDrop OnDragOver "
                                   "OnEndDrag OnMouseDown OnMouseMove OnMouseUp OnStartDrag"},
    {"TTimer", "Name Tag Enabled Interval OnTimer"},
    {"TPaintBox", ControlProps + "Align Color DragCursor DragMode Enabled Font ParentColor ParentFont "
                                 "ParentShowHint PopupMenu ShowHint Visible OnClick OnDblClick OnDragDrop OnDragOver "
                                 "OnEndDrag OnMouseDown OnMouseMove OnMouseUp OnPaint OnStartDrag"},
    {"TMediaPlayer", WinControlProps + "ColoredButtons Enabled EnabledButtons VisibleButtons AutoEnable AutoOpen "
                                    "AutoRewind DeviceType Display FileName Shareable Visible ParentShowHint "
                                    "ShowHint PopupMenu TabOrder TabStop OnClick OnEnter OnExit OnPostClick OnNotify"},
    {"TFileListBox", WinControlProps + "Align Color Ctl3D DragCursor DragMode Enabled ExtendedSelect FileEdit "
                                    "FileType Font ImeMode ImeName IntegralHeight ItemHeight Mask MultiSelect "
                                    "ParentColor ParentCtl3D ParentFont ParentShowHint PopupMenu ShowGlyphs ShowHint "
                                    "TabOrder TabStop Visible " + EditEvents},
    {"TDirectoryListBox", WinControlProps + "Align Color Columns Ctl3D DirLabel DragCursor DragMode Enabled FileList "
                                         "Font ImeMode ImeName IntegralHeight ItemHeight ParentColor ParentCtl3D "
                                         "ParentFont ParentShowHint PopupMenu ShowHint TabOrder TabStop Visible " +
                                         EditEvents},
    {"TDriveComboBox", WinControlProps + "Color Ctl3D DirList DragMode DragCursor Enabled Font ImeMode ImeName "
                                      "ParentColor ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint TabOrder "
                                      "TabStop TextCase Visible OnChange OnClick OnDblClick OnDragDrop OnDragOver "
                                      "OnDropDown OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp OnStartDrag"},
    {"TFilterComboBox", WinControlProps + "Color Ctl3D DragMode DragCursor Enabled FileList Filter Font ImeMode "
                                       "ImeName ParentColor ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint "
                                       "TabOrder TabStop Visible OnChange OnClick OnDblClick OnDragDrop OnDragOver "
                                       "OnDropDown OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp OnStartDrag"},
    {"TPage", WinControlProps + "Caption TabOrder Visible"},
    {"TNotebook", WinControlProps + "ActivePage Align Color Ctl3D DragCursor DragMode Font Enabled PageIndex Pages "
                                 "ParentColor ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint TabOrder "
                                 "TabStop Visible OnClick OnDblClick OnDragDrop OnDragOver OnEndDrag OnEnter OnExit "
                                 "OnMouseDown OnMouseMove OnMouseUp OnPageChanged OnStartDrag"},
    {"TOutline", WinControlProps + "Lines OutlineStyle OnExpand OnCollapse Options Style ItemHeight OnDrawItem Align "
                                "Enabled Font Color ParentColor ParentCtl3D Ctl3D TabOrder TabStop Visible OnClick "
                                "DragMode DragCursor OnDragDrop OnDragOver OnEndDrag OnStartDrag OnEnter OnExit "
                                "OnKeyDown OnKeyPress OnKeyUp OnMouseDown OnMouseMove OnMouseUp OnDblClick "
                                "BorderStyle ItemSeparator PicturePlus PictureMinus PictureOpen PictureClosed "
                                "PictureLeaf ParentFont ParentShowHint ShowHint PopupMenu ScrollBars"},
    {"TGauge", ControlProps + "Align Color Enabled Kind Font BorderStyle ForeColor BackColor MinValue MaxValue "
                              "ParentColor ParentFont ParentShowHint PopupMenu Progress ShowHint ShowText Visible"},
    {"TSpinButton", WinControlProps + "Align Ctl3D DownGlyph DownNumGlyphs DragCursor DragMode Enabled FocusControl "
                                   "ParentCtl3D ParentShowHint PopupMenu ShowHint TabOrder TabStop UpGlyph "
                                   "UpNumGlyphs Visible OnDownClick OnDragDrop OnDragOver OnEndDrag OnEnter OnExit "
                                   "OnStartDrag OnUpClick"},
    {"TSpinEdit", WinControlProps + "AutoSelect AutoSize Color Ctl3D DragCursor DragMode EditorEnabled Enabled Font "
                                 "Increment MaxLength MaxValue MinValue ParentColor ParentCtl3D ParentFont "
                                 "ParentShowHint PopupMenu ReadOnly ShowHint TabOrder TabStop Value Visible " +
                                 EditEvents},
    {"TDirectoryOutline", WinControlProps + "Align BorderStyle Color Ctl3D Directory Drive DragCursor DragMode Enabled "
                                         "Font ItemHeight Options ParentColor ParentCtl3D ParentFont ParentShowHint "
                                         "PictureClosed PictureLeaf PictureOpen PopupMenu ScrollBars Style ShowHint "
                                         "TabOrder TabStop TextCase Visible OnChange OnClick OnCollapse OnDblClick "
                                         "OnDragDrop OnDragOver OnDrawItem OnEndDrag OnEnter OnExit OnExpand "
                                         "OnKeyDown OnKeyPress OnKeyUp OnMouseDown OnMouseMove OnMouseUp OnStartDrag"},
    {"TCalendar", WinControlProps + "Align BorderStyle CalendarDate Color Ctl3D Day DragCursor DragMode Enabled Font "
                                 "GridLineWidth Month ParentColor ParentFont ParentShowHint PopupMenu ReadOnly "
                                 "ShowHint StartOfWeek TabOrder TabStop UseCurrentDate Visible Year OnClick OnChange "
                                 "OnDblClick OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress "
                                 "OnKeyUp OnStartDrag"},
    {"TOpenPictureDialog", "Name Tag Ctl3D HelpContext DefaultExt FileEditStyle FileName Filter FilterIndex "
                           "HistoryList InitialDir Options Title"},
};

}  // namespace

TEST(MoreControlsStreaming, PublishDelphisPropertiesInDeclarationOrder) {
  RegisterAll();
  for (const auto& [name, order] : DeclaredOrder) {
    SCOPED_TRACE(name);
    ExpectPublished(FindClass(name), order);
  }
  EXPECT_EQ(DeclaredPropNames(FindClass("TSavePictureDialog")), DeclaredPropNames(FindClass("TOpenPictureDialog")));
  EXPECT_EQ(DeclaredPropNames(&TControlScrollBar::StaticClass()), "Margin Increment Range Position Tracking Visible");
}

TEST(MoreControlsStreaming, TypesAndEventsCarryDelphisNames) {
  RegisterAll();
  EXPECT_EQ(PropType("TScrollBar", "Kind")->Name, "TScrollBarKind");
  EXPECT_EQ(PropType("TScrollBar", "LargeChange")->Name, "TScrollBarInc");
  EXPECT_EQ(ParamList(PropType("TScrollBar", "OnScroll")), "Sender: TObject; ScrollCode: TScrollCode; var ScrollPos: Integer; ");
  EXPECT_EQ(GetEnumName(GetPropInfo(FindClass("TScrollBar"), "Kind")->PropType, 1), "sbVertical");
  EXPECT_EQ(PropType("TMaskEdit", "EditMask")->Name, "TEditMask");
  EXPECT_EQ(PropType("TMaskEdit", "Text")->Name, "TMaskedText");
  EXPECT_EQ(GetEnumName(GetPropInfo(FindClass("TShape"), "Shape")->PropType, 5), "stCircle");
  EXPECT_EQ(GetEnumName(GetPropInfo(FindClass("TStaticText"), "BorderStyle")->PropType, 2), "sbsSunken");
  EXPECT_EQ(PropType("TTimer", "Interval")->Name, "Cardinal");
  EXPECT_EQ(PropType("TMediaPlayer", "VisibleButtons")->Name, "TButtonSet");
  EXPECT_EQ(GetEnumName(GetPropInfo(FindClass("TMediaPlayer"), "DeviceType")->PropType, 12), "dtWaveAudio");
  EXPECT_EQ(ParamList(PropType("TMediaPlayer", "OnClick")), "Sender: TObject; Button: TMPBtnType; var DoDefault: Boolean; ");
  EXPECT_EQ(ParamList(PropType("TMediaPlayer", "OnPostClick")), "Sender: TObject; Button: TMPBtnType; ");
  EXPECT_EQ(PropType("TFileListBox", "FileType")->Name, "TFileType");
  EXPECT_EQ(GetEnumName(GetPropInfo(FindClass("TDriveComboBox"), "TextCase")->PropType, 1), "tcUpperCase");
  EXPECT_EQ(GetEnumName(GetPropInfo(FindClass("TDirectoryOutline"), "TextCase")->PropType, 2), "tcAsIs");
  EXPECT_EQ(PropType("TOutline", "OutlineStyle")->Name, "TOutlineType");
  EXPECT_EQ(PropType("TOutline", "Options")->Name, "TOutlineOptions");
  EXPECT_EQ(ParamList(PropType("TOutline", "OnExpand")), "Sender: TObject; Index: Longint; ");
  EXPECT_EQ(GetEnumName(GetPropInfo(FindClass("TGauge"), "Kind")->PropType, 4), "gkNeedle");
  EXPECT_EQ(PropType("TSpinButton", "UpNumGlyphs")->Name, "TNumGlyphs");
  EXPECT_EQ(PropType("TCalendar", "StartOfWeek")->Name, "TDayOfWeek");
  EXPECT_EQ(PropType("TCalendar", "CalendarDate")->Name, "TDateTime");
  EXPECT_EQ(PropType("TDirectoryOutline", "Directory")->Name, "TFileName");
}

TEST(MoreControlsStreaming, FreshlyPlacedControlsWriteOnlyWhatDelphiWrites) {
  RegisterAll();
  FormPtr form(new TForm(nullptr));
  form->SetName("Form1");
  form->SetBounds(0, 0, 500, 400);
  int next = 0;
  const auto place = [&]<class T>(T* control, const std::string& name) {
    control->SetName(name);
    if (auto* c = dynamic_cast<TControl*>(static_cast<TComponent*>(control))) {
      c->SetParent(form.get());
      if (c->ControlStyle().Contains(csSetCaption)) c->SetText(name);
      c->SetBounds(8, 8 + next++, c->Width(), c->Height());
    }
    return control;
  };
  auto* statictext = place(new TStaticText(form.get()), "StaticText1");
  place(new TScrollBar(form.get()), "ScrollBar1");
  place(new TMaskEdit(form.get()), "MaskEdit1");
  place(new TShape(form.get()), "Shape1");
  place(new TScrollBox(form.get()), "ScrollBox1");
  place(new TTimer(form.get()), "Timer1");
  place(new TPaintBox(form.get()), "PaintBox1");
  place(new TMediaPlayer(form.get()), "MediaPlayer1");
  place(new TFileListBox(form.get()), "FileListBox1");
  place(new TDirectoryListBox(form.get()), "DirectoryListBox1");
  place(new TDriveComboBox(form.get()), "DriveComboBox1");
  place(new TFilterComboBox(form.get()), "FilterComboBox1");
  place(new TNotebook(form.get()), "Notebook1");
  place(new TOutline(form.get()), "Outline1");
  place(new TGauge(form.get()), "Gauge1");
  place(new TSpinButton(form.get()), "SpinButton1");
  place(new TSpinEdit(form.get()), "SpinEdit1");
  place(new TCalendar(form.get()), "Calendar1");
  place(new TOpenPictureDialog(form.get()), "OpenPictureDialog1");
  place(new TSavePictureDialog(form.get()), "SavePictureDialog1");
  form->SetDesigning(true);
  const std::string text = WriteTextLf(form.get());
  const auto bounds = [](int top, int width, int height) {
    return "  Left = 8\n  Top = " + std::to_string(top) + "\n  Width = " + std::to_string(width) +
           "\n  Height = " + std::to_string(height) + "\n";
  };
  EXPECT_EQ(RecordOf(text, "StaticText1"), "object StaticText1: TStaticText\n" +
                                               bounds(8, statictext->Width(), 17) +
                                               "  Caption = 'StaticText1'\n  TabOrder = 0\nend\n");
  EXPECT_EQ(RecordOf(text, "ScrollBar1"),
            "object ScrollBar1: TScrollBar\n" + bounds(9, 121, 16) + "  TabOrder = 1\nend\n");
  EXPECT_EQ(RecordOf(text, "MaskEdit1"),
            "object MaskEdit1: TMaskEdit\n" + bounds(10, 121, 21) + "  TabOrder = 2\n  Text = 'MaskEdit1'\nend\n");
  EXPECT_EQ(RecordOf(text, "Shape1"), "object Shape1: TShape\n" + bounds(11, 65, 65) + "end\n");
  EXPECT_EQ(RecordOf(text, "ScrollBox1"), "object ScrollBox1: TScrollBox\n" + bounds(12, 185, 41) + "  TabOrder = 3\nend\n");
  EXPECT_EQ(RecordOf(text, "Timer1"), "object Timer1: TTimer\nend\n");
  EXPECT_EQ(RecordOf(text, "PaintBox1"), "object PaintBox1: TPaintBox\n" + bounds(13, 105, 105) + "end\n");
  EXPECT_EQ(RecordOf(text, "MediaPlayer1"),
            "object MediaPlayer1: TMediaPlayer\n" + bounds(14, 253, 30) + "  TabOrder = 4\nend\n");
  EXPECT_EQ(RecordOf(text, "FileListBox1"),
            "object FileListBox1: TFileListBox\n" + bounds(15, 145, 97) + "  ItemHeight = 13\n  TabOrder = 5\nend\n");
  EXPECT_EQ(RecordOf(text, "DirectoryListBox1"), "object DirectoryListBox1: TDirectoryListBox\n" +
                                                     bounds(16, 145, 97) + "  ItemHeight = 16\n  TabOrder = 6\nend\n");
  EXPECT_EQ(RecordOf(text, "DriveComboBox1"),
            "object DriveComboBox1: TDriveComboBox\n" + bounds(17, 145, 21) + "  TabOrder = 7\nend\n");
  EXPECT_EQ(RecordOf(text, "FilterComboBox1"),
            "object FilterComboBox1: TFilterComboBox\n" + bounds(18, 145, 21) + "  TabOrder = 8\nend\n");
  EXPECT_EQ(RecordOf(text, "Notebook1"), "object Notebook1: TNotebook\n" + bounds(19, 150, 150) +
                                             "  TabOrder = 9\n  object TPage\n    Left = 0\n    Top = 0\n"
                                             "    Caption = 'Default'\n  end\nend\n");
  EXPECT_EQ(RecordOf(text, "Outline1"), "object Outline1: TOutline\n" + bounds(20, 121, 97) +
                                            "  ItemHeight = 16\n  TabOrder = 10\n  ItemSeparator = '\\'\nend\n");
  EXPECT_EQ(RecordOf(text, "Gauge1"), "object Gauge1: TGauge\n" + bounds(21, 100, 100) + "  Progress = 0\nend\n");
  EXPECT_EQ(RecordOf(text, "SpinButton1"),
            "object SpinButton1: TSpinButton\n" + bounds(22, 20, 25) + "  TabOrder = 11\nend\n");
  EXPECT_EQ(RecordOf(text, "SpinEdit1"), "object SpinEdit1: TSpinEdit\n" + bounds(23, 121, 22) +
                                             "  MaxValue = 0\n  MinValue = 0\n  TabOrder = 12\n  Value = 0\nend\n");
  EXPECT_EQ(RecordOf(text, "Calendar1"), "object Calendar1: TCalendar\n" + bounds(24, 320, 120) +
                                             "  StartOfWeek = 0\n  TabOrder = 13\nend\n");
  EXPECT_EQ(RecordOf(text, "OpenPictureDialog1"), "object OpenPictureDialog1: TOpenPictureDialog\nend\n");
  EXPECT_EQ(RecordOf(text, "SavePictureDialog1"), "object SavePictureDialog1: TSavePictureDialog\nend\n");
}

namespace {

const std::set<std::string> MyClasses = {
    "TScrollBar", "TMaskEdit",      "TShape",           "TScrollBox",   "TStaticText",     "TTimer",
    "TPaintBox",  "TMediaPlayer",   "TFileListBox",     "TDirectoryListBox", "TDriveComboBox", "TFilterComboBox",
    "TNotebook",  "TOutline",       "TGauge",           "TSpinButton",  "TSpinEdit",       "TDirectoryOutline",
    "TCalendar",  "TOpenPictureDialog", "TSavePictureDialog"};

struct SampleRecordRef {
  std::string File;  // under delphi3-samples
  std::string Name;
};

// Every record of the classes above in the sample forms.
std::vector<SampleRecordRef> FindSampleRecords() {
  std::vector<SampleRecordRef> found;
  for (const std::string& file : SampleFiles()) {
    std::istringstream lines(SampleText(file));
    for (std::string line; std::getline(lines, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      const size_t object = line.find("object ");
      const size_t colon = line.find(": ");
      if (object == std::string::npos || colon == std::string::npos) continue;
      if (MyClasses.contains(line.substr(colon + 2))) found.push_back({file, line.substr(object + 7, colon - object - 7)});
    }
  }
  return found;
}

// The record without the objects inside it (the sample scroll boxes hold data
// controls that are not part of these classes).
std::string WithoutChildren(const std::string& record) {
  std::istringstream lines(record);
  std::string result;
  int depth = 0;
  for (std::string line; std::getline(lines, line);) {
    const std::string trimmed = line.substr(std::min(line.find_first_not_of(' '), line.size()));
    if (trimmed.starts_with("object ")) ++depth;
    if (depth == 1) result += line + "\n";
    if (trimmed == "end") --depth;
  }
  return result;
}

// Windowed controls that stand before a record in its form's tab order, so
// that the record keeps its TabOrder.
std::string TabOrderStandIns(const std::string& record) {
  const size_t at = record.find("\n  TabOrder = ");
  const int count = at == std::string::npos ? 0 : std::stoi(record.substr(at + 14));
  std::string text;
  for (int i = 0; i < count; ++i)
    text += "  object StandIn" + std::to_string(i) + ": TPanel\n    Left = 0\n    Top = 0\n    Width = 10\n"
            "    Height = 10\n    TabOrder = " + std::to_string(i) + "\n  end\n";
  return text;
}

// What the sample records refer to, standing in for the rest of their forms.
const std::map<std::string, std::string> Referenced = {
    {"StaticTarget", "  object PopupMenu2: TPopupMenu\n  end\n"},
    {"MediaPlayer1",
     "  object Panel1: TPanel\n    Left = 0\n    Top = 0\n    Width = 10\n    Height = 10\n    TabOrder = 1\n  end\n"},
};

}  // namespace

TEST(MoreControlsStreaming, EverySampleRecordLoadsAndWritesBackUnchanged) {
  RegisterAll();
  const std::vector<SampleRecordRef> records = FindSampleRecords();
  EXPECT_GE(records.size(), 50u);  // the scroll bars, shapes, timers, spin edits... of the samples
  for (const SampleRecordRef& r : records) {
    SCOPED_TRACE(r.File + " " + r.Name);
    const std::string record = WithoutChildren(SampleRecord(r.File, r.Name));
    const auto extra = Referenced.find(r.Name);
    ExpectRecordRoundTrips(RecordRootText(TabOrderStandIns(record) + Indented(record) +
                                          (extra != Referenced.end() ? extra->second : "")),
                           r.Name, record);
  }
}

TEST(MoreControlsStreaming, ValuesOfTheirOwnRoundTrip) {
  RegisterAll();
  RecordRootPtr root = NewRecordRoot("Root");
  auto* box = new TScrollBox(root.get());
  box->SetName("ScrollBox1");
  box->SetParent(root.get());
  box->SetAutoScroll(false);
  box->VertScrollBar()->SetRange(400);
  box->VertScrollBar()->SetIncrement(16);
  auto* outline = new TOutline(root.get());
  outline->SetName("Outline1");
  outline->SetParent(root.get());
  outline->Lines()->SetText("Top\r\n\tChild\r\n");
  outline->SetOutlineStyle(osPlusMinusText);
  auto* player = new TMediaPlayer(root.get());
  player->SetName("MediaPlayer1");
  player->SetParent(root.get());
  player->SetColoredButtons({btPlay});
  player->SetFileName("C:\\SOUNDS\\DING.WAV");
  auto* dialog = new TOpenPictureDialog(root.get());
  dialog->SetName("OpenPictureDialog1");
  dialog->SetFilter("Bitmaps|*.bmp");
  const std::string text = WriteTextLf(root.get());
  EXPECT_NE(RecordOf(text, "ScrollBox1").find("  VertScrollBar.Increment = 16\n  VertScrollBar.Range = 400\n"
                                               "  AutoScroll = False\n"),
            std::string::npos);
  EXPECT_NE(RecordOf(text, "Outline1").find("  Lines.Nodes = (\n    'Top'\n    #9'Child')\n"
                                            "  OutlineStyle = osPlusMinusText\n"),
            std::string::npos);
  EXPECT_NE(RecordOf(text, "MediaPlayer1").find("  ColoredButtons = [btPlay]\n"), std::string::npos);
  EXPECT_EQ(RecordOf(text, "OpenPictureDialog1"),
            "object OpenPictureDialog1: TOpenPictureDialog\n  Filter = 'Bitmaps|*.bmp'\nend\n");
  RecordRootPtr copy = NewRecordRoot();
  ReadText(copy.get(), text);
  EXPECT_EQ(WriteTextLf(copy.get()), text);
}
