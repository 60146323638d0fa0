#include <gtest/gtest.h>

#include <QTabBar>
#include <QUrl>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "ide/designer/catalogue.h"
#include "ide/designer/palette.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "ide/editor/editorform.h"
#include "ide/editor/sourcegen.h"
#include "ide/inspector/objectinspector.h"
#include "ide/common/environment.h"
#include "ide/shell/mainform.h"
#include "ide/shell/mainwindows.h"
#include "kcl/components/label.h"
#include "kcl/components/richedit.h"
#include "kcl/controls/shortcuts.h"
#include "kcl/controls/application.h"
#include "kcl/controls/modal.h"
#include "kcl/desktop/desktop.h"
#include "kcl/rtl/scopeguard.h"
#include "kcl/rtl/sysutils.h"
#include "support/formtext.h"
#include "support/testfiles.h"
#include "mainwindowtest.h"

using namespace korvax;
using namespace kcl;

namespace {

class MainWindow : public korvax::test::MainWindowTest {};

// One line an item: its caption, shortcut and state, submenus indented.
void DumpMenu(const TMenuItem* item, int depth, std::string& out) {
  for (int i = 0; i < item->Count(); ++i) {
    const TMenuItem* child = item->Items(i);
    out += std::string(2 * depth, ' ') + child->Caption();
    if (child->ShortCut()) out += " [" + ShortCutToText(child->ShortCut()) + "]";
    if (!child->Enabled()) out += " (disabled)";
    if (child->Checked()) out += " (checked)";
    out += "\n";
    DumpMenu(child, depth + 1, out);
  }
}

}  // namespace

TEST_F(MainWindow, StartsWithItsWindowsInOrderAndTheTitleAsCaption) {
  ASSERT_EQ(Application()->MainForm(), FMainForm);
  EXPECT_EQ(Application()->Title(), "Korvax ");
  // No settings beside the test program: the help file is relative.
  EXPECT_EQ(Application()->HelpFile(), "help/delphi3.hlp");
  EXPECT_EQ(DelphiBinDir, "bin/");
  // The application owns them in the order they were made.
  ASSERT_GE(Application()->ComponentCount(), 3);
  EXPECT_EQ(Application()->Components(0), FMainForm);
  EXPECT_EQ(Application()->Components(1), static_cast<TComponent*>(EditorForm));
  EXPECT_EQ(Application()->Components(2), static_cast<TComponent*>(ObjectInspector));
  // The layout's caption holds until the first showing resets the project.
  EXPECT_EQ(CaptionBeforeShowing(), "Korvax - Project1");
  EXPECT_EQ(FMainForm->Caption(), "Korvax ");
  EXPECT_EQ(FMainForm->Left(), 0);
  EXPECT_EQ(FMainForm->Top(), 0);
  EXPECT_EQ(FMainForm->Width(), 796);
  EXPECT_EQ(FMainForm->Height(), 111);
  EXPECT_EQ(FMainForm->ProjectInfo->State(), psNew);
  EXPECT_EQ(FMainForm->ProjectInfo->ProjectFile(), StartDir + "project1.dpr");
  EXPECT_EQ(FMainForm->ProjectInfo->Units()->Text(), "Unit1.pas\r\n");
  EXPECT_EQ(FMainForm->ProjectInfo->Forms()->Text(), "Form1\r\n");
  EXPECT_EQ(FMainForm->ProjectInfo->Source()->Strings(0), "program Project1;");
  FMainForm->SetProjectCaption("/home/me/demo.dpr");
  EXPECT_EQ(FMainForm->Caption(), "Korvax  - /home/me/demo.dpr");
  FMainForm->SetProjectCaption("");
}

TEST_F(MainWindow, MenuHoldsEveryCommandWithItsShortcutAndState) {
  std::string menu;
  DumpMenu(FMainForm->MainMenu1->Items(), 0, menu);
  EXPECT_EQ(menu, korvax::test::ReadFileBytes(KORVAX_TEST_DATA "/ide/mainmenu.txt"));
}

TEST_F(MainWindow, PaletteHasTenPagesOfButtonsFromTheCatalogue) {
  TPageControl* palette = FMainForm->PageControl1;
  ASSERT_EQ(palette->PageCount(), 10);
  std::string captions;
  for (int i = 0; i < palette->PageCount(); ++i) captions += palette->Pages(i)->Caption() + "|";
  EXPECT_EQ(captions, "Standard|Additional|Win32|System|Data Access|Data Controls|Win3.1|Dialogs|QReport|Samples|");
  EXPECT_EQ(palette->ActivePage(), palette->Pages(0));
  // Every page starts with its arrow, down.
  const char* arrows[] = {"sbArrow1", "sbArrow2", "sbArrow3", "sbArrow8", "sbArrow4",
                          "sbArrow5", "sbArrow6", "sbArrow7", "sbArrow9", "sbArrow10"};
  for (int i = 0; i < 10; ++i) {
    auto* first = dynamic_cast<TSpeedButton*>(palette->Pages(i)->Controls(0));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Name(), arrows[i]);
    EXPECT_TRUE(first->Down());
    EXPECT_FALSE(first->Glyph()->Empty());
  }
  // A button of each kind: its place, hint, Tag, group and picture.
  TSpeedButton* button = Button("sbButton");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Parent(), palette->Pages(0));
  EXPECT_EQ(button->Hint(), "Button");
  EXPECT_EQ(button->Tag(), 6);
  EXPECT_EQ(button->GroupIndex(), 11);
  EXPECT_TRUE(button->AllowAllUp());
  EXPECT_EQ(button->Width(), 27);
  EXPECT_TRUE(button->Flat());
  EXPECT_FALSE(button->Glyph()->Empty());
  EXPECT_EQ(Button("sbSpeedButton")->Hint(), "SpeenButton");
  EXPECT_FALSE(Button("sbSpeedButton")->AllowAllUp());
  EXPECT_EQ(Button("sbCalendar")->Hint(), "Calenddar");
  EXPECT_EQ(Button("sbFileListBox")->GroupIndex(), 81);  // with the System page
  EXPECT_EQ(Button("sbOutline")->GroupIndex(), 61);
  EXPECT_EQ(Button("sbTimer")->GroupIndex(), 81);
  EXPECT_EQ(Button("sbDBGrid")->GroupIndex(), 51);
  EXPECT_EQ(Button("sbQuickRep")->Tag(), 121);
  EXPECT_EQ(Button("sbTabControl")->Left() + 27, Button("sbPageControl")->Left());
  // A page's pictures are read when it is first shown.
  EXPECT_TRUE(Button("sbDBGrid")->Glyph()->Empty());
  auto* bar = palette->Widget()->findChild<QTabBar*>();
  ASSERT_NE(bar, nullptr);
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(5).center());
  EXPECT_EQ(palette->ActivePage(), palette->Pages(5));
  EXPECT_FALSE(Button("sbDBGrid")->Glyph()->Empty());
  palette->SetActivePage(palette->Pages(0));
  int buttons = 0;
  for (int i = 0; i < palette->PageCount(); ++i) buttons += palette->Pages(i)->ControlCount();
  EXPECT_EQ(buttons, 109);  // 97 buttons, 10 arrows and the Standard page's two scroll buttons
}

TEST_F(MainWindow, TheFirstShowingOpensForm1WhichPlacesFromThePalette) {
  designer::TProxyForm* form = FMainForm->CurrentDesignForm;
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Name(), "Form1");
  EXPECT_EQ(form->ClassName(), "TForm1");
  EXPECT_EQ(form->UnitFileName, "Unit1.pas");
  EXPECT_TRUE(form->Showing());
  EXPECT_EQ(designer::CurrentDesigner, form->ProxyDesigner());
  EXPECT_EQ(ObjectInspector->FComponent, form);

  Click(Button("sbButton"));
  EXPECT_FALSE(Button("sbArrow1")->Down());
  QTest::mousePress(form->ClientWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(24, 32));
  QTest::mouseRelease(form->ClientWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(24, 32));
  auto* button = dynamic_cast<TControl*>(form->FindComponent("Button1"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->BoundsRect().Left, 24);
  EXPECT_EQ(button->BoundsRect().Top, 32);
  // The placement used the choice up: the palette is back on its arrow.
  EXPECT_TRUE(Button("sbArrow1")->Down());
  EXPECT_EQ(FMainForm->PaletteChoice.SelectedComponentTag, 0);
  // The inspector follows the designer.
  EXPECT_EQ(ObjectInspector->FComponent, button);
  form->ProxyDesigner()->ClearSelection();
  button->Free();
}

TEST_F(MainWindow, PaletteClickChoosesAClassShiftMakesItStick) {
  Click(Button("sbButton"));
  EXPECT_EQ(FMainForm->PaletteChoice.SelectedComponentTag, 6);
  EXPECT_FALSE(FMainForm->PaletteChoice.StickyPlacement);
  EXPECT_EQ(FMainForm->ComponentClassForTag(), FindClass("TButton"));
  EXPECT_EQ(FMainForm->PaletteChoice.SelectedComponentTag, 0);  // used up
  EXPECT_EQ(FMainForm->ComponentClassForTag(), nullptr);

  Click(Button("sbEdit"), Qt::ShiftModifier);
  EXPECT_TRUE(FMainForm->PaletteChoice.StickyPlacement);
  EXPECT_EQ(FMainForm->ComponentClassForTag(), FindClass("TEdit"));
  EXPECT_EQ(FMainForm->ComponentClassForTag(), FindClass("TEdit"));
  Click(Button("sbArrow1"), Qt::ShiftModifier);
  EXPECT_EQ(FMainForm->PaletteChoice.SelectedComponentTag, 0);
  EXPECT_FALSE(FMainForm->PaletteChoice.StickyPlacement);

  // A down button of the Standard page clicked again goes up, and chooses again.
  Click(Button("sbMemo"));
  EXPECT_TRUE(Button("sbMemo")->Down());
  FMainForm->PaletteChoice.SelectedComponentTag = 0;
  Click(Button("sbMemo"));
  EXPECT_FALSE(Button("sbMemo")->Down());
  EXPECT_EQ(FMainForm->PaletteChoice.SelectedComponentTag, 5);
  // On the other pages a down button stays down.
  Click(Button("sbImage"));
  Click(Button("sbImage"));
  EXPECT_TRUE(Button("sbImage")->Down());

  // A Tag of no class chooses nothing, and is used up all the same.
  FMainForm->PaletteChoice.SelectedComponentTag = 30;
  EXPECT_EQ(FMainForm->ComponentClassForTag(), nullptr);
  EXPECT_EQ(FMainForm->PaletteChoice.SelectedComponentTag, 0);
  EXPECT_TRUE(Messages.empty());
}

TEST_F(MainWindow, UnimplementedButtonsSaySoAndChooseNothing) {
  Click(Button("sbOleContainer"));
  Click(Button("sbDDEClientConv"));
  EXPECT_EQ(FMainForm->PaletteChoice.SelectedComponentTag, 0);
  FMainForm->sbTraceInto->SetEnabled(true);  // disabled in the bar; its handler is the same
  Click(FMainForm->sbTraceInto);
  FMainForm->sbTraceInto->SetEnabled(false);
  EXPECT_EQ(Messages, std::vector<std::string>(3, "Korvax : Sorry! Not implement yet!"));
}

TEST_F(MainWindow, SpeedbarAndPaletteToggleFromTheViewMenu) {
  FMainForm->Show();
  TMenuItem* speedbar = FMainForm->ViewSpeedbarItem;
  EXPECT_TRUE(speedbar->Checked());
  EXPECT_TRUE(FMainForm->ViewComponentPaletteItem->Checked());
  // Hide on the speed bar's menu can only hide; the View menu brings it back.
  auto* hide = dynamic_cast<TMenuItem*>(FMainForm->FindComponent("SpeedBarHideItem"));
  ASSERT_NE(hide, nullptr);
  hide->Click();
  EXPECT_FALSE(FMainForm->SpeedBar->Visible());
  EXPECT_FALSE(speedbar->Checked());
  hide->Click();
  EXPECT_FALSE(FMainForm->SpeedBar->Visible());
  speedbar->Click();
  EXPECT_TRUE(FMainForm->SpeedBar->Visible());
  EXPECT_TRUE(speedbar->Checked());
  FMainForm->ViewComponentPaletteItem->Click();
  EXPECT_FALSE(FMainForm->PageControl1->Visible());
  EXPECT_FALSE(FMainForm->ViewComponentPaletteItem->Checked());
  FMainForm->ViewComponentPaletteItem->Click();
  EXPECT_TRUE(FMainForm->PageControl1->Visible());
  EXPECT_EQ(FMainForm->SpeedBar->Width(), 209);
  EXPECT_EQ(FMainForm->sbSaveAll->Hint(), "Save All");
  EXPECT_FALSE(FMainForm->sbPause->Enabled());
}

// Closing asks only about a modified project; Cancel keeps the window.
TEST_F(MainWindow, CloseAsksToSaveOnlyAModifiedProject) {
  std::vector<std::string> asked;
  TModalResult answer = mrCancel;
  SetModalHook([&](TCustomForm& box) {
    for (int i = 0; i < box.ComponentCount(); ++i)
      if (auto* label = dynamic_cast<TLabel*>(box.Components(i))) asked.push_back(label->Caption());
    box.SetModalResult(answer);
  });
  TProjectInfo& project = *FMainForm->ProjectInfo;
  const std::string file = project.ProjectFile();
  for (uint8_t state : {psNew, psOpened, psSaved}) {
    project.SetState(state);
    TCloseAction action = caFree;
    FMainForm->FormClose(FMainForm, action);
    EXPECT_EQ(action, caFree);
  }
  EXPECT_TRUE(asked.empty());
  project.SetState(psModified);
  TCloseAction action = caFree;
  FMainForm->FormClose(FMainForm, action);
  EXPECT_EQ(action, caNone);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], "Save Change to project1.dpr?");
  answer = mrNo;
  action = caFree;
  FMainForm->FormClose(FMainForm, action);
  EXPECT_EQ(action, caFree);
  // A very long name goes into the question whole.
  project.SetProjectFile(StartDir + std::string(5000, 'x') + ".dpr");
  answer = mrCancel;
  FMainForm->FormClose(FMainForm, action);
  EXPECT_EQ(asked.back(), "Save Change to " + std::string(5000, 'x') + ".dpr?");
  project.SetProjectFile(file);
  project.SetState(psNew);
}

TEST(Environment, SettingsGiveTheCompilerDirectoryWithOrWithoutASeparator) {
  korvax::test::TempDir dir;
  const std::string program = dir.File("korvax");
  EXPECT_EQ(ReadEnvironment(program, "/work/start"), "help/delphi3.hlp");  // no settings file at all
  EXPECT_EQ(ProgramDir, dir.Path() + "/");
  EXPECT_EQ(StartDir, "/work/start/");
  EXPECT_EQ(DelphiBinDir, "bin/");
  EXPECT_EQ(DesktopDir, "");

  korvax::test::WriteFileBytes(dir.File("Korvax.ini"), "[SYSTEM]\r\nDELPHI=/opt/delphi3\r\nDESKTOP=/opt/dbd\r\n");
  EXPECT_EQ(ReadEnvironment(program, "/"), "/opt/delphi3/help/delphi3.hlp");
  EXPECT_EQ(DelphiBinDir, "/opt/delphi3/bin/");
  EXPECT_EQ(DesktopDir, "/opt/dbd");  // used as stored
  EXPECT_EQ(StartDir, "/");
  korvax::test::WriteFileBytes(dir.File("Korvax.ini"), "[system]\nDelphi=/opt/delphi3/\n");
  ReadEnvironment(program, "/");
  EXPECT_EQ(DelphiBinDir, "/opt/delphi3/bin/");

  // Settings that cannot be read leave the defaults.
  korvax::test::WriteFileBytes(dir.File("Korvax.ini"), std::string("\0\xff[SYSTEM\r\n=\r\n", 14));
  ReadEnvironment(program, "/");
  EXPECT_EQ(DelphiBinDir, "bin/");
  korvax::test::WriteFileBytes(dir.File("Korvax.ini"), std::string(40 << 20, 'x'));
  ReadEnvironment(program, "/");
  EXPECT_EQ(DelphiBinDir, "bin/");
}

// A program installed where it may not write keeps its settings in the user's
// configuration folder; one beside its settings keeps them there.
TEST(Environment, SettingsGoWhereTheProgramMayWrite) {
  korvax::test::TempDir dir;
  // The variables are the test's own while it runs.
  const auto saved = [](const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
  };
  const auto restore = [](const char* name, const std::optional<std::string>& value) {
    if (value) setenv(name, value->c_str(), 1); else unsetenv(name);
  };
  kcl::OnScopeExit restoreAll([config = saved("XDG_CONFIG_HOME"), home = saved("HOME"), restore] {
    restore("XDG_CONFIG_HOME", config);
    restore("HOME", home);
  });

  ReadEnvironment(dir.File("korvax"), "/");
  EXPECT_EQ(SettingsDir, ProgramDir);

  setenv("XDG_CONFIG_HOME", dir.File("config").c_str(), 1);
  std::filesystem::create_directories(dir.File("config/korvax"));
  korvax::test::WriteFileBytes(dir.File("config/korvax/Korvax.ini"), "[SYSTEM]\r\nDELPHI=/opt/d3\r\n");
  ReadEnvironment(dir.File("missing/bin/korvax"), "/");
  EXPECT_EQ(SettingsDir, dir.File("config/korvax/"));
  EXPECT_EQ(DelphiBinDir, "/opt/d3/bin/");
  EXPECT_EQ(FormTextFile(), dir.File("config/korvax/$$temp$$.~tm"));

  unsetenv("XDG_CONFIG_HOME");
  setenv("HOME", dir.File("home").c_str(), 1);
  ReadEnvironment(dir.File("missing/bin/korvax"), "/");
  EXPECT_EQ(SettingsDir, dir.File("home/.config/korvax/"));
  EXPECT_TRUE(kcl::DirectoryExists(SettingsDir));
  IniFile->WriteString("system", "LastPath", "/");  // the folder made is writable
}

#ifdef KORVAX_EXE
// The program itself: it starts, shows its main window and, ending, removes the
// temporary form files beside it.
TEST(Program, StartsAndCleansUpItsTemporaryFiles) {
  const std::string programDir = kcl::ExtractFilePath(KORVAX_EXE);
  korvax::test::WriteFileBytes(programDir + "$$temp$$.~tm", "object Form1: TForm1\r\nend\r\n");
  korvax::test::WriteFileBytes(programDir + "$$temp$$.dfm", "x");
  const std::string command = "QT_QPA_PLATFORM=offscreen KORVAX_QUIT_WHEN_SHOWN=1 " KORVAX_EXE " 2>/dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0);
  EXPECT_FALSE(kcl::FileExists(programDir + "$$temp$$.~tm"));
  EXPECT_FALSE(kcl::FileExists(programDir + "$$temp$$.dfm"));
}
#endif

// Undo and Select All work on the editor's current rich edit while no design
// form is active, and bring the editor up.
TEST_F(MainWindow, EditCommandsWorkOnTheCurrentEditor) {
  kcl::TRichEdit* edit = editor::CurrentEditor;
  ASSERT_EQ(edit, EditorForm->RichEdit1);
  edit->SetText("unit Unit1;");
  EditorForm->Hide();
  dynamic_cast<TMenuItem*>(FMainForm->FindComponent("EditSelectAllItem"))->Click();
  EXPECT_EQ(edit->SelLength(), 11);
  EXPECT_TRUE(EditorForm->Visible());
  edit->SetSelStart(11);
  edit->SetSelLength(0);
  QTest::keyClicks(edit->Widget()->focusProxy() ? edit->Widget()->focusProxy() : edit->Widget(), "x");
  ASSERT_EQ(edit->Text(), "unit Unit1;x\r\n");
  dynamic_cast<TMenuItem*>(FMainForm->FindComponent("EditUndoItem"))->Click();
  EXPECT_EQ(edit->Text(), "unit Unit1;\r\n");
}

// The View and Help commands open their dialogs modally, and free them.
TEST_F(MainWindow, MenuCommandsOpenTheirDialogs) {
  std::vector<std::string> shown;
  SetModalHook([&](TCustomForm& dialog) {
    shown.push_back(dialog.ClassName() + ":" + dialog.Caption());
    dialog.SetModalResult(mrCancel);
  });
  const int forms = Screen()->FormCount();
  dynamic_cast<TMenuItem*>(FMainForm->FindComponent("ViewComponentListItem"))->Click();
  dynamic_cast<TMenuItem*>(FMainForm->FindComponent("HelpAboutItem"))->Click();
  EXPECT_EQ(shown, (std::vector<std::string>{"TComponentList:Component List", "TAboutBox:About Korvax"}));
  EXPECT_EQ(Screen()->FormCount(), forms);
  EXPECT_EQ(Screen()->Cursor(), crDefault);
  ObjectInspector->Hide();
  dynamic_cast<TMenuItem*>(FMainForm->FindComponent("ViewObjectInspectorItem"))->Click();
  EXPECT_TRUE(ObjectInspector->Visible());
}

// Help > Contents opens the help file the settings name.
TEST_F(MainWindow, HelpContentsOpensTheHelpFile) {
  korvax::test::TempDir dir;
  korvax::test::WriteFileBytes(dir.File("delphi3.hlp"), "help");
  std::vector<std::string> opened;
  SetDesktopOpener([&](const QUrl& url) {
    opened.push_back(url.toLocalFile().toStdString());
    return true;
  });
  const std::string helpFile = Application()->HelpFile();
  Application()->SetHelpFile(dir.File("delphi3.hlp"));
  dynamic_cast<TMenuItem*>(FMainForm->FindComponent("HelpContentsItem"))->Click();
  Application()->SetHelpFile(helpFile);
  SetDesktopOpener({});
  EXPECT_EQ(opened, std::vector<std::string>{dir.File("delphi3.hlp")});
}

namespace korvax {
namespace {

// The user's story: place a button, double-click it, write its code; the unit
// and the form then say the same.
TEST_F(MainWindow, APlacedButtonDoubleClickedGetsAHandlerTheUnitAndTheFormAgreeOn) {
  designer::TProxyForm* form = FMainForm->CurrentDesignForm;
  TRichEdit* unit = EditorForm->RichEdit1;
  Click(Button("sbButton"));
  QTest::mousePress(form->ClientWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
  QTest::mouseRelease(form->ClientWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
  auto* button = dynamic_cast<TControl*>(form->FindComponent("Button1"));
  ASSERT_NE(button, nullptr);
  QTest::mouseDClick(button->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QTest::keyClicks(unit->Widget(), "ShowMessage('Hi');");
  QApplication::processEvents();

  const std::string text = unit->Lines()->Text();
  EXPECT_NE(text.find("  TForm1=class(TForm)\r\n    Button1:TButton;\r\n    procedure Button1Click(Sender: TObject);\r\n"
                      "  private\r\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("procedure TForm1.Button1Click(Sender: TObject);\r\nbegin\r\nShowMessage('Hi');\r\nend;\r\n"),
            std::string::npos)
      << text;
  EXPECT_NE(test::WriteText(form).find("OnClick = Button1Click"), std::string::npos);

  // Renamed, the field line follows; the handler stays bound.
  button->SetName("OkButton");
  const std::string renamed = unit->Lines()->Text();
  EXPECT_NE(renamed.find("    OkButton:TButton;"), std::string::npos);
  EXPECT_EQ(renamed.find("Button1:TButton"), std::string::npos);
  EXPECT_NE(test::WriteText(form).find("OnClick = Button1Click"), std::string::npos);

  form->ProxyDesigner()->InspectComponent(nullptr, form);
  button->Free();
}

}  // namespace
}  // namespace korvax
