#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "comctrlsstreaming.h"
#include "kcl/classes/objecttext.h"
#include "kcl/components/comctrls.h"
#include "kcl/controls/form.h"
#include "support/propnames.h"

using namespace kcl;
using korvax::test::ListedPropNames;
using namespace comctrls_test;

namespace {

using FormPtr = std::unique_ptr<TForm, TObjectFree>;
using RootPtr = std::unique_ptr<TRecordRoot, TObjectFree>;

template <class T>
T* Place(TComponent* owner, TWinControl* parent, const std::string& name) {
  auto* c = new T(owner);
  c->SetName(name);
  if (parent) c->SetParent(parent);
  return c;
}

QPoint TabCenter(TPageControl* pc, int tab) {
  auto* bar = pc->Widget()->findChild<QTabBar*>();
  return bar->tabRect(tab).center();
}

}  // namespace

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
  RegisterTestClasses();
  FormPtr form(new TForm(nullptr));
  form->SetName("Form1");
  form->SetBounds(0, 0, 400, 300);  // client 392 x 273
  Place<TPageControl>(form.get(), form.get(), "PageControl1")->SetBounds(8, 8, 289, 193);
  Place<TStatusBar>(form.get(), form.get(), "StatusBar1");
  Place<THeaderControl>(form.get(), form.get(), "HeaderControl1");
  Place<TListView>(form.get(), form.get(), "ListView1")->SetBounds(8, 40, 250, 150);
  Place<TAnimate>(form.get(), form.get(), "Animate1")->SetBounds(300, 40, 50, 50);
  Place<TColorGrid>(form.get(), form.get(), "ColorGrid1")->SetBounds(300, 100, 100, 100);
  // Status bars, headers and animates take places in the tab order too.
  const std::string text = WriteText(form.get());
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
  RegisterTestClasses();
  RootPtr root(new TRecordRoot(nullptr));
  root->SetName("Root");
  auto* pages = Place<TPageControl>(root.get(), root.get(), "PageControl1");
  pages->SetMultiLine(true);
  pages->SetTabWidth(60);
  auto* sheet1 = Place<TTabSheet>(root.get(), pages, "TabSheet1");
  sheet1->SetCaption("&General");
  auto* sheet2 = Place<TTabSheet>(root.get(), pages, "TabSheet2");
  sheet2->SetCaption("Caf\xe9");
  sheet2->SetTabVisible(false);
  Place<TColorGrid>(root.get(), sheet2, "OnPage")->SetGridOrdering(go8x2);
  pages->SetActivePage(sheet2);
  auto* status = Place<TStatusBar>(root.get(), root.get(), "StatusBar1");
  TStatusPanel* panel = status->Panels()->Add();
  panel->SetText("Line 1");
  panel->SetWidth(120);
  panel->SetAlignment(taCenter);
  status->Panels()->Add()->SetBevel(pbRaised);
  status->SetSimpleText("Ready");
  status->SetSizeGrip(false);
  auto* header = Place<THeaderControl>(root.get(), root.get(), "HeaderControl1");
  THeaderSection* section = header->Sections()->Add();
  section->SetText("Name");
  section->SetWidth(90);
  section->SetMinWidth(20);
  header->Sections()->Add()->SetAllowClick(false);
  auto* list = Place<TListView>(root.get(), root.get(), "ListView1");
  list->SetViewStyle(vsReport);
  list->Columns()->Add()->SetCaption("File");
  list->Columns()->Add()->SetWidth(ColumnHeaderWidth);
  TListItem* item = list->Items()->Add();
  item->SetCaption("readme.txt");
  item->SubItems()->Add("12 KB");
  item->SetImageIndex(3);
  list->Items()->Add()->SetCaption("second");
  auto* animate = Place<TAnimate>(root.get(), root.get(), "Animate1");
  animate->SetCommonAVI(TCommonAVI::aviCopyFiles);
  animate->SetRepetitions(2);
  auto* grid = Place<TColorGrid>(root.get(), root.get(), "ColorGrid1");
  grid->SetForegroundIndex(9);
  grid->SetBackgroundEnabled(false);

  const std::string text = WriteText(root.get());
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
  RootPtr copy(new TRecordRoot(nullptr));
  ReadText(copy.get(), text);
  EXPECT_EQ(WriteText(copy.get()), text);
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
  RegisterTestClasses();
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
    std::string record = SampleRecord(s.File, s.Name), indented;
    for (size_t at = 0; at < record.size();) {
      const size_t eol = record.find('\n', at);
      indented += "  " + record.substr(at, eol + 1 - at);
      at = eol + 1;
    }
    const std::string text = "object Root: TRecordRoot\n  Left = 0\n  Top = 0\n  Width = 0\n  Height = 0\n" +
                             indented + s.Extra + "end\n";
    RootPtr root(new TRecordRoot(nullptr));
    ReadText(root.get(), text);
    root->SetDesigning(true);
    TMemoryStream written;
    written.WriteComponent(root.get());
    EXPECT_EQ(RecordOf(ObjectBinaryToText(written.View()), s.Name), record);
    EXPECT_EQ(std::string(written.View()), ObjectTextToBinary(text));
  }
}

TEST(CommonControls, ClickingATabAsksOnChangingThenSwitchesPages) {
  RegisterTestClasses();
  FormPtr form(new TForm(nullptr));
  form->SetBounds(0, 0, 400, 300);
  auto* pages = Place<TPageControl>(form.get(), form.get(), "PageControl1");
  auto* sheet1 = Place<TTabSheet>(form.get(), pages, "TabSheet1");
  sheet1->SetCaption("One");
  auto* sheet2 = Place<TTabSheet>(form.get(), pages, "TabSheet2");
  sheet2->SetCaption("Two");
  form->Show();
  EXPECT_EQ(pages->ActivePage(), sheet1);
  EXPECT_EQ(sheet1->BoundsRect(), pages->DisplayRect());
  bool allow = false;
  std::vector<std::string> log;
  pages->OnChanging.SetHandler([&](TObject*, bool& a) {
    log.push_back("changing");
    a = allow;
  });
  pages->OnChange.SetHandler([&](TObject*) { log.push_back("change"); });
  auto* bar = pages->Widget()->findChild<QTabBar*>();
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, TabCenter(pages, 1));
  EXPECT_EQ(pages->ActivePage(), sheet1);  // refused
  EXPECT_EQ(bar->currentIndex(), 0);
  allow = true;
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, TabCenter(pages, 1));
  EXPECT_EQ(pages->ActivePage(), sheet2);
  EXPECT_EQ(bar->currentIndex(), 1);
  EXPECT_TRUE(sheet2->Widget()->isVisible());
  EXPECT_FALSE(sheet1->Widget()->isVisible());
  EXPECT_EQ(log, (std::vector<std::string>{"changing", "changing", "change"}));

  // In design state a click on a tab still turns the page, and runs no handler.
  TSwallowingDesigner designer;
  form->SetDesigner(&designer);
  form->SetDesigning(true);
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, TabCenter(pages, 0));
  EXPECT_EQ(pages->ActivePage(), sheet1);
  EXPECT_EQ(log.size(), 3u);
  form->SetDesigner(nullptr);

  // A hidden tab leaves the row; freeing the active page shows the next one.
  sheet1->SetTabVisible(false);
  EXPECT_EQ(bar->count(), 1);
  EXPECT_EQ(sheet2->TabIndex(), 0);
  sheet1->Free();
  EXPECT_EQ(pages->ActivePage(), sheet2);
  EXPECT_EQ(pages->PageCount(), 1);

  // Tabs below the pages: the pages start at the top, the row ends at the bottom.
  const TRect above = pages->DisplayRect();
  pages->SetTabPosition(tpBottom);
  const TRect below = pages->DisplayRect();
  EXPECT_LT(below.Top, above.Top);
  EXPECT_EQ(below.Height(), above.Height());
  EXPECT_EQ(bar->geometry().bottom() + 1, pages->Height());
  EXPECT_EQ(sheet2->BoundsRect(), below);
  const QPoint tab = bar->mapTo(pages->Widget(), TabCenter(pages, 0));
  EXPECT_EQ(pages->PageAtPos({tab.x(), tab.y()}), sheet2);
  EXPECT_EQ(pages->PageAtPos({tab.x(), 5}), nullptr);
}

TEST(CommonControls, StatusBarLaysOutPanelsOrOneSimplePanel) {
  FormPtr form(new TForm(nullptr));
  form->SetBounds(0, 0, 408, 300);  // client 400 wide
  auto* status = Place<TStatusBar>(form.get(), form.get(), "StatusBar1");
  EXPECT_EQ(status->BoundsRect(), Bounds(0, 254, 400, 19));
  status->Panels()->Add()->SetWidth(100);
  status->Panels()->Add()->SetWidth(80);
  TStatusPanel* last = status->Panels()->Add();
  last->SetWidth(30);
  last->SetStyle(psOwnerDraw);
  EXPECT_EQ(status->PanelRect(0), Rect(0, 2, 98, 19));
  EXPECT_EQ(status->PanelRect(1), Rect(100, 2, 178, 19));
  EXPECT_EQ(status->PanelRect(2), Rect(180, 2, 400, 19));  // the last reaches the edge
  std::vector<TRect> drawn;
  status->OnDrawPanel.SetHandler([&](TStatusBar*, TStatusPanel* p, const TRect& r) {
    EXPECT_EQ(p, last);
    drawn.push_back(r);
  });
  form->Show();
  status->Widget()->grab();
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back(), Rect(181, 3, 399, 18));
  status->SetSimplePanel(true);
  EXPECT_EQ(status->PanelRect(0), TRect{});
  drawn.clear();
  status->Widget()->grab();
  EXPECT_TRUE(drawn.empty());  // the simple panel hides the others
  int resized = 0;
  status->OnResize.SetHandler([&](TObject*) { ++resized; });
  form->SetClientWidth(300);
  EXPECT_EQ(status->Width(), 300);
  EXPECT_EQ(resized, 1);
}

TEST(CommonControls, HeaderSectionsClickAndResizeByTheirEdges) {
  FormPtr form(new TForm(nullptr));
  form->SetBounds(0, 0, 400, 300);
  auto* header = Place<THeaderControl>(form.get(), form.get(), "HeaderControl1");
  THeaderSection* first = header->Sections()->Add();
  first->SetWidth(80);
  first->SetMaxWidth(120);
  THeaderSection* second = header->Sections()->Add();
  second->SetAllowClick(false);
  form->Show();
  std::vector<std::string> log;
  header->OnSectionClick.SetHandler(
      [&](THeaderControl*, THeaderSection* s) { log.push_back("click " + std::to_string(s->Index())); });
  header->OnSectionTrack.SetHandler([&](THeaderControl*, THeaderSection*, int w, TSectionTrackState st) {
    log.push_back("track " + std::to_string(w) + " " + std::to_string(st));
  });
  header->OnSectionResize.SetHandler([&](THeaderControl*, THeaderSection*) { log.push_back("resize"); });
  QTest::mouseClick(header->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 8));
  QTest::mouseClick(header->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 8));  // not clickable
  QTest::mousePress(header->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(80, 8));
  QTest::mouseMove(header->Widget(), QPoint(200, 8));
  QTest::mouseRelease(header->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 8));
  EXPECT_EQ(first->Width(), 120);  // held at MaxWidth
  EXPECT_EQ(second->Left(), 120);
  EXPECT_EQ(log, (std::vector<std::string>{"click 0", "track 80 0", "track 120 1", "track 120 2", "resize"}));
}

TEST(CommonControls, AnimationRunsOnlyWhileActiveAndNotDesigned) {
  FormPtr form(new TForm(nullptr));
  auto* animate = Place<TAnimate>(form.get(), form.get(), "Animate1");
  animate->SetCommonAVI(TCommonAVI::aviFindFile);
  EXPECT_TRUE(animate->Open());
  EXPECT_EQ(animate->BoundsRect(), Bounds(0, 0, animate->FrameWidth(), animate->FrameHeight()));  // AutoSize
  EXPECT_FALSE(animate->Playing());
  std::vector<std::string> log;
  animate->OnStart.SetHandler([&](TObject*) { log.push_back("start"); });
  animate->OnStop.SetHandler([&](TObject*) { log.push_back("stop"); });
  animate->SetDesigning(true);
  animate->SetActive(true);
  EXPECT_TRUE(animate->Active());
  EXPECT_FALSE(animate->Playing());  // a designed form shows it standing still
  animate->SetDesigning(false);
  EXPECT_TRUE(animate->Playing());
  animate->SetActive(false);
  EXPECT_FALSE(animate->Playing());
  EXPECT_EQ(log, (std::vector<std::string>{"stop"}));
  // Frames 2..4 once: the timer stops by itself after the last.
  animate->Play(2, 4, 1);
  std::vector<int> frames;
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        frames.push_back(animate->CurrentFrame());
        return !animate->Playing();
      },
      5000));
  EXPECT_EQ(frames.front(), 2);
  EXPECT_EQ(*std::max_element(frames.begin(), frames.end()), 4);
  EXPECT_FALSE(animate->Active());
  EXPECT_EQ(log, (std::vector<std::string>{"stop", "start", "stop"}));
}

TEST(CommonControls, ColorGridLeftClickChoosesForegroundRightClickBackground) {
  FormPtr form(new TForm(nullptr));
  form->SetBounds(0, 0, 300, 300);
  auto* grid = Place<TColorGrid>(form.get(), form.get(), "ColorGrid1");
  grid->SetBounds(0, 0, 100, 100);  // go4x4: cells of 25 x 25
  form->Show();
  int changes = 0;
  grid->OnChange.SetHandler([&](TObject*) { ++changes; });
  QTest::mouseClick(grid->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
  EXPECT_EQ(grid->ForegroundIndex(), 5);
  EXPECT_EQ(grid->ForegroundColor(), clPurple);
  QTest::mouseClick(grid->Widget(), Qt::RightButton, Qt::NoModifier, QPoint(80, 60));
  EXPECT_EQ(grid->BackgroundIndex(), 11);
  EXPECT_EQ(grid->BackgroundColor(), clYellow);
  EXPECT_EQ(changes, 2);
  // A disabled choice stays as it is unless a click may enable it.
  grid->SetBackgroundEnabled(false);
  QTest::mouseClick(grid->Widget(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(grid->BackgroundIndex(), 11);
  grid->SetClickEnablesColor(true);
  QTest::mouseClick(grid->Widget(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(grid->BackgroundIndex(), 0);
  EXPECT_TRUE(grid->BackgroundEnabled());
  grid->SetGridOrdering(go16x1);
  EXPECT_EQ(grid->IndexAt(99, 99), -1);  // 16 cells of 6 pixels leave 4 over
  EXPECT_EQ(grid->IndexAt(93, 99), 15);
  grid->SetForegroundIndex(16);
  EXPECT_EQ(grid->ForegroundIndex(), 5);
}
