// Files open in pages of their own; the window's close asks about each modified
// page and saves the one asked about.
#include <gtest/gtest.h>

#include <utility>

#include "ide/common/environment.h"
#include "ide/editor/editorform.h"
#include "ide/editor/sourcegen.h"
#include "kcl/rtl/scopeguard.h"
#include "kcl/system/inifile.h"
#include "kcl/components/editmessages.h"
#include "kcl/components/msgdlg.h"
#include "kcl/controls/modal.h"
#include "recordinghost.h"
#include "support/testfiles.h"
#include "support/windowtest.h"

namespace korvax::editor {
namespace {

using namespace kcl;

class Pages : public test::EditorWindowTest {
protected:
  test::TempDir Dir;
};

TEST_F(Pages, AFileGetsAPageNamedAfterItAndANewUnitItsSkeleton) {
  const std::string notes = Dir.File("notes.txt");
  test::WriteFileBytes(notes, "one\r\ntwo\r\n");
  TRichEdit* text = Editor->OpenInEditor(notes);
  EXPECT_EQ(text->Name(), "RichEdit1");  // the first among the page control's
  EXPECT_EQ(Editor->PageControl1->ActivePage()->Caption(), "notes.txt");
  EXPECT_EQ(text->Lines()->Count(), 2);
  EXPECT_EQ(text->Perform(EM_GETMODIFY, 0, 0), 0);
  EXPECT_EQ(CurrentEditor, text);
  EXPECT_EQ(Editor->Caption(), notes);

  // No such file: a new unit, whose form is numbered by the character five from the end.
  TRichEdit* unit = Editor->OpenInEditor(Dir.File("Unit12.pas"));
  EXPECT_EQ(unit->Name(), "RichEdit2");
  EXPECT_EQ(Editor->PageControl1->ActivePage()->Caption(), "Unit12");
  EXPECT_EQ(unit->Lines()->Strings(0), "unit Unit12;");
  EXPECT_EQ(unit->Lines()->Strings(8), "  TForm2=class(TForm)");
  EXPECT_EQ(unit->Perform(EM_GETMODIFY, 0, 0), 0);  // nothing typed in it yet

  Host.Project.SetText("program Project1;\r\nbegin\r\nend.\r\n");
  TRichEdit* project = Editor->OpenInEditor("Project1");
  EXPECT_EQ(project->Lines()->Strings(0), "program Project1;");
}

TEST_F(Pages, SwitchingPagesMakesTheirUnitCurrentAndClosingKeepsTheFirst) {
  Editor->OpenInEditor(Dir.File("Unit2.pas"));
  Editor->PageControl1->SetActivePage(Editor->TabSheet1);
  Editor->PageControl1Change(Editor->PageControl1);
  EXPECT_EQ(Host.Unit, "Unit1.pas");
  EXPECT_EQ(CurrentEditor, Editor->RichEdit1);
  Editor->PageControl1->SetActivePage(Editor->PageControl1->Pages(1));
  Editor->PageControl1Change(Editor->PageControl1);
  EXPECT_EQ(Host.Unit, "Unit2.pas");
  EXPECT_EQ(Editor->Caption(), "Unit2.pas");
  // The unit's page is the one the source edits go to, wherever the user looks.
  Editor->PageControl1->SetActivePage(Editor->TabSheet1);
  EXPECT_EQ(Editor->FindUnitEditor(), Editor->PageControl1->Pages(1)->Controls(0));
  Editor->PageControl1->SetActivePage(Editor->PageControl1->Pages(1));
  Editor->NClosePageClick(nullptr);
  EXPECT_EQ(Editor->PageControl1->PageCount(), 1);
  Editor->NClosePageClick(nullptr);
  EXPECT_EQ(Editor->PageControl1->PageCount(), 1);
}

TEST_F(Pages, ClosingAsksAboutModifiedPagesLastFirstAndSavesTheOneAskedAbout) {
  const std::string first = Dir.File("First.pas");
  const std::string second = Dir.File("Second.pas");
  TRichEdit* a = Editor->OpenInEditor(first);
  TRichEdit* b = Editor->OpenInEditor(second);
  a->Lines()->Add("// changed");
  b->Lines()->Add("// changed");
  std::vector<std::string> asked;
  test::ModalAnswer answer([&](TCustomForm& form) {
    for (int i = 0; i < form.ComponentCount(); ++i)
      if (auto* label = dynamic_cast<TControl*>(form.Components(i)); label && label->Caption().starts_with("Save"))
        asked.push_back(label->Caption());
    form.SetModalResult(asked.size() == 1 ? mrNo : mrYes);
  });
  TCloseAction action = caHide;
  Editor->FormClose(Editor.get(), action);
  EXPECT_EQ(asked, (std::vector<std::string>{"Save Changes to Second?", "Save Changes to First?"}));
  EXPECT_EQ(Host.Saved, (std::vector<std::string>{first}));
  EXPECT_EQ(action, caHide);
}

TEST_F(Pages, AUnitOpensHighlightedUnmodifiedAndAFileGoesInAtTheCursor) {
  const std::string unit = Dir.File("Main.pas");
  test::WriteFileBytes(unit, "unit Main;\r\ninterface\r\nend.\r\n");
  const std::string settings = Dir.File("Korvax.ini");
  test::WriteFileBytes(settings, "[EDITOR]\r\nHighLight=1\r\n");
  auto saved = std::exchange(IniFile, std::make_unique<TIniFile>(settings));
  TRichEdit* edit = Editor->OpenInEditor(unit);
  IniFile = std::move(saved);
  EXPECT_FALSE(edit->PlainText());
  EXPECT_EQ(edit->Lines()->Strings(0), "unit Main;");
  EXPECT_EQ(edit->Perform(EM_GETMODIFY, 0, 0), 0);

  const std::string extra = Dir.File("extra.inc");
  test::WriteFileBytes(extra, "{ one }\r\n{ two }\r\n");
  SetDialogHook([&](TComponent& dialog) {
    static_cast<TOpenDialog&>(dialog).SetFileName(extra);
    return true;
  });
  Editor->NInsertClick(nullptr);
  SetDialogHook(nullptr);
  ASSERT_EQ(edit->Lines()->Count(), 5);
  EXPECT_EQ(edit->Lines()->Strings(1), "{ one }");
  EXPECT_EQ(edit->Lines()->Strings(2), "{ two }");
  EXPECT_EQ(edit->Lines()->Strings(3), "interface");
}

TEST_F(Pages, CancelKeepsTheWindowOpenAndAsksNoMore) {
  Editor->OpenInEditor(Dir.File("A.pas"))->Lines()->Add("x");
  Editor->OpenInEditor(Dir.File("B.pas"))->Lines()->Add("x");
  int questions = 0;
  test::ModalAnswer answer([&](TCustomForm& form) {
    ++questions;
    form.SetModalResult(mrCancel);
  });
  TCloseAction action = caHide;
  Editor->FormClose(Editor.get(), action);
  EXPECT_EQ(questions, 1);
  EXPECT_EQ(action, caNone);
  EXPECT_TRUE(Host.Saved.empty());
}

TEST_F(Pages, AYesWhoseSaveWasCancelledKeepsTheWindowOpen) {
  Editor->OpenInEditor(Dir.File("A.pas"))->Lines()->Add("x");
  Editor->OpenInEditor(Dir.File("B.pas"))->Lines()->Add("x");
  Host.SaveSucceeds = false;
  test::ModalAnswer answer([&](TCustomForm& form) { form.SetModalResult(mrYes); });
  TCloseAction action = caHide;
  Editor->FormClose(Editor.get(), action);
  EXPECT_EQ(action, caNone);
  EXPECT_EQ(Host.Saved, std::vector<std::string>{Dir.File("B.pas")});
}

// Units from elsewhere end their lines in LF, some without one after the last
// line, and their project names them in another letter case.
TEST_F(Pages, APageIsWrittenWithTheLineEndsOfItsFile) {
  test::WriteFileBytes(Dir.File("XCHARTF.PAS"), "unit XChartF;\ninterface\n\nend.");
  TRichEdit* unit = Editor->OpenInEditor(Dir.File("XChartF.pas"));
  EXPECT_EQ(Editor->PageControl1->ActivePage()->Caption(), "XChartF");
  ASSERT_EQ(unit->Lines()->Count(), 4);
  EXPECT_EQ(unit->Lines()->Strings(3), "end.");
  Editor->WritePage(unit, Dir.File("XCHARTF.PAS"));
  EXPECT_EQ(test::ReadFileBytes(Dir.File("XCHARTF.PAS")), "unit XChartF;\ninterface\n\nend.");
  unit->Lines()->Insert(2, "uses Forms;");
  EXPECT_NE(unit->Perform(EM_GETMODIFY, 0, 0), 0);
  Editor->WritePage(unit, Dir.File("Copy.pas"));
  EXPECT_EQ(test::ReadFileBytes(Dir.File("Copy.pas")), "unit XChartF;\ninterface\nuses Forms;\n\nend.");
  EXPECT_EQ(unit->Perform(EM_GETMODIFY, 0, 0), 0);
  // A new unit's text ends in CR LF.
  TRichEdit* fresh = Editor->OpenInEditor(Dir.File("Unit2.pas"));
  Editor->WritePage(fresh, Dir.File("Unit2.pas"));
  EXPECT_TRUE(test::ReadFileBytes(Dir.File("Unit2.pas")).starts_with("unit Unit2;\r\n \r\ninterface\r\n"));
  // A file that cannot be written raises and leaves nothing half written.
  EXPECT_THROW(Editor->WritePage(fresh, Dir.File("no/such/dir/Unit2.pas")), EFCreateError);
}

TEST_F(Pages, PagesAreFoundByTheirFileAndFollowItsNewName) {
  TRichEdit* a = Editor->OpenInEditor(Dir.File("Main.pas"));
  TRichEdit* notes = Editor->OpenInEditor(Dir.File("notes.txt"));
  EXPECT_EQ(Editor->FindFileEditor("MAIN.PAS"), a);
  EXPECT_EQ(Editor->FindFileEditor("/elsewhere/main.pas"), a);
  EXPECT_EQ(Editor->FindFileEditor("Main"), nullptr);
  EXPECT_EQ(Editor->FindFileEditor("Unit1.pas"), Editor->RichEdit1);  // the first page's file is its caption's
  EXPECT_EQ(Editor->FindFileEditor("Other.pas"), nullptr);
  Editor->RenamePage(a, Dir.File("About.pas"));
  EXPECT_EQ(Editor->FileNameOf(a), Dir.File("About.pas"));
  EXPECT_EQ(Editor->PageControl1->Pages(1)->Caption(), "About");
  EXPECT_EQ(Editor->FindFileEditor("Main.pas"), nullptr);
  EXPECT_EQ(Editor->FindFileEditor("About.pas"), a);

  // Closing a page activates the one after it, or the one before the last.
  Editor->OpenInEditor(Dir.File("Third.pas"));
  Editor->ShowPage(a);
  EXPECT_EQ(Editor->ActiveEditor(), a);
  EXPECT_EQ(Host.Unit, "About.pas");
  Editor->ClosePage(a);
  EXPECT_EQ(Editor->ActiveEditor(), notes);
  EXPECT_EQ(CurrentEditor, notes);
  Editor->ClosePage(Editor->RichEdit1);
  EXPECT_EQ(Editor->PageControl1->PageCount(), 3);
  Editor->CloseOtherPages();
  EXPECT_EQ(Editor->PageControl1->PageCount(), 1);
  EXPECT_EQ(Editor->ActiveEditor(), Editor->RichEdit1);
  EXPECT_EQ(Editor->FindFileEditor("notes.txt"), nullptr);
}

// A form's text is shown from where the main window put it, and no unit's
// source edit goes to its page, whatever its caption.
TEST_F(Pages, AFormsTextIsReadFromItsOnePlaceAndIsNoUnit) {
  OnScopeExit restore([settingsDir = std::exchange(SettingsDir, Dir.Path() + "/")] { SettingsDir = settingsDir; });
  Editor->RichEdit1->Lines()->Assign(NewUnitSource("Unit1", "Form1").get());
  test::WriteFileBytes(FormTextFile(), "object Form1: TForm1\r\nend\r\n");
  test::WriteFileBytes(Dir.File("Unit1.dfm"), std::string("\xff\x0a\x00TFORM1\x00", 11));
  TRichEdit* form = Editor->OpenInEditor(Dir.File("Unit1.DFM"));
  EXPECT_EQ(form->Lines()->Text(), "object Form1: TForm1\r\nend\r\n");
  EXPECT_TRUE(Editor->ShowsFormText(form));
  TRichEdit* text = Editor->OpenInEditor(FormTextFile());
  static_cast<TTabSheet*>(text->Parent())->SetCaption("Unit1.pas");
  EXPECT_TRUE(Editor->ShowsFormText(text));
  EXPECT_EQ(Editor->FindUnitEditor(), Editor->RichEdit1);
  Editor->EditComponentField("Button1", "TButton", 0);
  EXPECT_EQ(text->Lines()->Text(), "object Form1: TForm1\r\nend\r\n");
  EXPECT_NE(Editor->RichEdit1->Lines()->Text().find("Button1:TButton"), std::string::npos);
  // Nor to a form's page that happens to be active.
  Host.Unit = "Other.pas";
  EXPECT_EQ(Editor->FindUnitEditor(), nullptr);
}

}  // namespace
}  // namespace korvax::editor
