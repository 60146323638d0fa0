// The common controls as form files see them: their published properties under
// the framework's names, what freshly placed ones write, typical values through
// the stream, and the sample forms' records written back unchanged.
#include <gtest/gtest.h>

#include <string>

#include "kcl/classes/classbuilder.h"
#include "kcl/components/comctrls.h"
#include "kcl/controls/form.h"
#include "support/formrecords.h"
#include "support/formtext.h"
#include "support/propnames.h"
#include "support/recordroot.h"
#include "support/samplefiles.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

namespace {

// Stands for the image lists the sample forms' list views name.
class TImageListStandIn : public TComponent {
  KCL_CLASS(TImageListStandIn, TComponent)
public:
  using TComponent::TComponent;
};

}  // namespace

KCL_CLASS_INFO(TImageListStandIn) {}

TEST(CommonControls, PublishTheirPropertiesUnderDelphisNames) {
  EXPECT_EQ(ListedPropNames(&TTabSheet::StaticClass()),
            "Caption Cursor DragMode Enabled Font Height HelpContext Hint ImageIndex Left Name OnDragDrop OnDragOver OnEndDrag "
            "OnEnter OnExit OnMouseDown OnMouseMove OnMouseUp OnStartDrag PageIndex ParentFont ParentShowHint PopupMenu "
            "ShowHint TabVisible Tag Top Visible Width");
  EXPECT_EQ(ListedPropNames(&TPageControl::StaticClass()),
            "ActivePage Align Cursor DragCursor DragMode Enabled Font Height HelpContext Hint HotTrack Images Left "
            "MultiLine Name OnChange OnChanging OnDragDrop OnDragOver OnDrawTab OnEndDrag OnEnter OnExit "
            "OnGetImageIndex OnMouseDown OnMouseMove OnMouseUp OnStartDrag OwnerDraw ParentFont ParentShowHint "
            "PopupMenu RaggedRight ScrollOpposite ShowHint TabHeight TabOrder TabPosition TabStop TabWidth Tag Top "
            "Visible Width");
  EXPECT_EQ(ListedPropNames(&TStatusBar::StaticClass()),
            "Align Cursor DragCursor DragMode Enabled Font Height HelpContext Hint Left Name OnClick OnDblClick OnDragDrop "
            "OnDragOver OnDrawPanel OnEndDrag OnMouseDown OnMouseMove OnMouseUp OnResize OnStartDrag Panels "
            "ParentFont ParentShowHint PopupMenu ShowHint SimplePanel SimpleText SizeGrip Tag Top Visible Width");
  EXPECT_EQ(ListedPropNames(&TStatusPanel::StaticClass()), "Alignment Bevel Style Text Width");
  EXPECT_EQ(ListedPropNames(&THeaderControl::StaticClass()),
            "Align Cursor DragCursor DragMode Enabled Font Height HelpContext Hint HotTrack Left Name OnDragDrop OnDragOver "
            "OnDrawSection OnEndDrag OnMouseDown OnMouseMove OnMouseUp OnResize OnSectionClick OnSectionResize "
            "OnSectionTrack OnStartDrag ParentFont ParentShowHint PopupMenu Sections ShowHint Tag Top Visible Width");
  EXPECT_EQ(ListedPropNames(&THeaderSection::StaticClass()), "Alignment AllowClick MaxWidth MinWidth Style Text Width");
  EXPECT_EQ(ListedPropNames(&TAnimate::StaticClass()),
            "Active Align AutoSize Center Color CommonAVI Cursor FileName FrameCount FrameHeight FrameWidth Height "
            "HelpContext Hint Left Name OnClose OnOpen OnStart OnStop Open ParentColor ParentShowHint PopupMenu Repetitions ShowHint "
            "StartFrame StopFrame Tag Timers Top Transparent Visible Width");
  EXPECT_EQ(ListedPropNames(&TColorGrid::StaticClass()),
            "BackgroundEnabled BackgroundIndex ClickEnablesColor Ctl3D Cursor DragCursor DragMode Enabled Font "
            "ForegroundEnabled ForegroundIndex GridOrdering Height HelpContext Hint Left Name OnChange OnClick OnDragDrop "
            "OnDragOver OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp OnMouseDown OnMouseMove OnMouseUp "
            "OnStartDrag ParentCtl3D ParentFont ParentShowHint PopupMenu Selection ShowHint TabOrder TabStop Tag Top Visible "
            "Width");
  // The Delphi names of enumerations whose C++ names would clash.
  EXPECT_EQ(GetEnumName(GetPropInfo(&TAnimate::StaticClass(), "CommonAVI")->PropType, 1), "caFindFolder");
  EXPECT_EQ(GetEnumName(GetPropInfo(&TStatusPanel::StaticClass(), "Bevel")->PropType, 2), "pbRaised");
}

TEST(CommonControls, FreshlyPlacedControlsWriteOnlyWhatDelphiWrites) {
  RegisterCommonControls();
  FormPtr form(new TForm(nullptr));
  form->SetName("Form1");
  form->SetBounds(0, 0, 400, 300);  // client 392 x 273
  Create<TPageControl>(form.get(), form.get(), "PageControl1")->SetBounds(8, 8, 289, 193);
  Create<TStatusBar>(form.get(), form.get(), "StatusBar1");
  Create<THeaderControl>(form.get(), form.get(), "HeaderControl1");
  Create<TListView>(form.get(), form.get(), "ListView1")->SetBounds(8, 40, 250, 150);
  Create<TAnimate>(form.get(), form.get(), "Animate1")->SetBounds(300, 40, 50, 50);
  Create<TColorGrid>(form.get(), form.get(), "ColorGrid1")->SetBounds(300, 100, 100, 100);
  // Status bars, headers and animates take places in the tab order too.
  const std::string text = WriteTextLf(form.get());
  EXPECT_EQ(RecordOf(text, "PageControl1"),
            "object PageControl1: TPageControl\n  Left = 8\n  Top = 8\n  Width = 289\n  Height = 193\n"
            "  TabOrder = 0\nend\n");
  EXPECT_EQ(RecordOf(text, "StatusBar1"),
            "object StatusBar1: TStatusBar\n  Left = 0\n  Top = 254\n  Width = 392\n  Height = 19\n"
            "  Panels = <>\n  SimplePanel = False\nend\n");
  EXPECT_EQ(RecordOf(text, "HeaderControl1"),
            "object HeaderControl1: THeaderControl\n  Left = 0\n  Top = 0\n  Width = 392\n  Height = 17\n"
            "  Sections = <>\nend\n");
  EXPECT_EQ(RecordOf(text, "ListView1"),
            "object ListView1: TListView\n  Left = 8\n  Top = 40\n  Width = 250\n  Height = 150\n"
            "  Columns = <>\n  TabOrder = 3\nend\n");
  EXPECT_EQ(RecordOf(text, "Animate1"),
            "object Animate1: TAnimate\n  Left = 300\n  Top = 40\n  Width = 50\n  Height = 50\nend\n");
  EXPECT_EQ(RecordOf(text, "ColorGrid1"),
            "object ColorGrid1: TColorGrid\n  Left = 300\n  Top = 100\n  Width = 100\n  Height = 100\n"
            "  TabOrder = 5\nend\n");
}

TEST(CommonControls, TypicalValuesRoundTripThroughTheStream) {
  RegisterCommonControls();
  RecordRootPtr root = NewRecordRoot();
  root->SetName("Root");
  auto* pages = Create<TPageControl>(root.get(), root.get(), "PageControl1");
  pages->SetMultiLine(true);
  pages->SetTabWidth(60);
  auto* sheet1 = Create<TTabSheet>(root.get(), pages, "TabSheet1");
  sheet1->SetCaption("&General");
  auto* sheet2 = Create<TTabSheet>(root.get(), pages, "TabSheet2");
  sheet2->SetCaption("Caf\xe9");
  sheet2->SetTabVisible(false);
  Create<TColorGrid>(root.get(), sheet2, "OnPage")->SetGridOrdering(go8x2);
  pages->SetActivePage(sheet2);
  auto* status = Create<TStatusBar>(root.get(), root.get(), "StatusBar1");
  TStatusPanel* panel = status->Panels()->Add();
  panel->SetText("Line 1");
  panel->SetWidth(120);
  panel->SetAlignment(taCenter);
  status->Panels()->Add()->SetBevel(pbRaised);
  status->SetSimpleText("Ready");
  status->SetSizeGrip(false);
  auto* header = Create<THeaderControl>(root.get(), root.get(), "HeaderControl1");
  THeaderSection* section = header->Sections()->Add();
  section->SetText("Name");
  section->SetWidth(90);
  section->SetMinWidth(20);
  header->Sections()->Add()->SetAllowClick(false);
  auto* list = Create<TListView>(root.get(), root.get(), "ListView1");
  list->SetViewStyle(vsReport);
  list->Columns()->Add()->SetCaption("File");
  list->Columns()->Add()->SetWidth(ColumnHeaderWidth);
  TListItem* item = list->Items()->Add();
  item->SetCaption("readme.txt");
  item->SubItems()->Add("12 KB");
  item->SetImageIndex(3);
  list->Items()->Add()->SetCaption("second");
  auto* animate = Create<TAnimate>(root.get(), root.get(), "Animate1");
  animate->SetCommonAVI(TCommonAVI::aviCopyFiles);
  animate->SetRepetitions(2);
  auto* grid = Create<TColorGrid>(root.get(), root.get(), "ColorGrid1");
  grid->SetForegroundIndex(9);
  grid->SetBackgroundEnabled(false);

  const std::string text = WriteTextLf(root.get());
  EXPECT_EQ(RecordOf(text, "PageControl1"),
            "object PageControl1: TPageControl\n  Left = 0\n  Top = 0\n  Width = 289\n  Height = 193\n"
            "  ActivePage = TabSheet2\n  MultiLine = True\n  TabOrder = 0\n  TabWidth = 60\n"
            "  object TabSheet1: TTabSheet\n    Caption = '&General'\n  end\n"
            "  object TabSheet2: TTabSheet\n    Caption = 'Caf\xe9'\n    TabVisible = False\n"
            "    object OnPage: TColorGrid\n      Left = 0\n      Top = 0\n      Width = 100\n      Height = 100\n"
            "      GridOrdering = go8x2\n      TabOrder = 0\n    end\n  end\nend\n");
  EXPECT_NE(text.find("    Panels = <\n      item\n        Alignment = taCenter\n        Text = 'Line 1'\n"
                      "        Width = 120\n      end\n      item\n        Bevel = pbRaised\n        Width = 50\n"
                      "      end>\n    SimplePanel = False\n    SimpleText = 'Ready'\n    SizeGrip = False\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("        MinWidth = 20\n        Text = 'Name'\n        Width = 90\n      end\n      item\n"
                      "        AllowClick = False\n        Width = 50\n      end>\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("    CommonAVI = caCopyFiles\n    Repetitions = 2\n    StopFrame = 28\n"), std::string::npos)
      << text;
  EXPECT_NE(text.find("    ForegroundIndex = 9\n    BackgroundEnabled = False\n"), std::string::npos) << text;

  // Read back into a new root, the same bytes come out.
  RecordRootPtr copy = NewRecordRoot();
  ReadText(copy.get(), text);
  EXPECT_EQ(WriteTextLf(copy.get()), text);
  auto* pagesCopy = static_cast<TPageControl*>(copy->FindComponent("PageControl1"));
  ASSERT_EQ(pagesCopy->PageCount(), 2);
  EXPECT_EQ(pagesCopy->ActivePage(), copy->FindComponent("TabSheet2"));
  EXPECT_EQ(pagesCopy->Pages(1)->ControlCount(), 1);
  auto* listCopy = static_cast<TListView*>(copy->FindComponent("ListView1"));
  ASSERT_EQ(listCopy->Items()->Count(), 2);
  EXPECT_EQ(listCopy->Items()->Item(0)->SubItems()->Strings(0), "12 KB");
  EXPECT_EQ(listCopy->Items()->Item(0)->ImageIndex(), 3);
}

TEST(CommonControls, SampleFormRecordsLoadAndWriteBackUnchanged) {
  RegisterCommonControls();
  RegisterClass(&TImageListStandIn::StaticClass());
  struct Sample {
    const char* File;
    const char* Name;
    const char* Extra;  // components the record refers to
  };
  // The status bars of 03/SDITEMP and 15/MDITEMP wait for TFont to leave out the
  // Charset their records lack.
  for (const Sample& s : {Sample{"11/COLGRID/GRIDFORM.DFM", "ColorGrid1", ""},
                          Sample{"11/ANIMCTRL/ANIMF.DFM", "Animate1", ""},
                          Sample{"11/REFLIST/REFFORM.DFM", "ListView1",
                                 "  object ImageList1: TImageListStandIn\n  end\n"}}) {
    SCOPED_TRACE(s.File);
    const std::string record = SampleRecord(s.File, s.Name);
    ExpectRecordRoundTrips(RecordRootText(Indented(record) + s.Extra), s.Name, record);
  }
}
