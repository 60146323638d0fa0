// Files open in pages of their own; the window's close asks about each modified
// page and saves the one asked about.
#include <gtest/gtest.h>

#include <utility>

#include "ide/common/environment.h"
#include "ide/editor/editorform.h"
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

}  // namespace
}  // namespace korvax::editor
