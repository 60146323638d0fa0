// Saving through the main window: a unit with its form, under a new name, a copy,
// the whole project, and the close question that saves it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ide/common/environment.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "ide/editor/editorform.h"
#include "ide/shell/mainform.h"
#include "kcl/components/editmessages.h"
#include "kcl/rtl/sysutils.h"
#include "mainwindowtest.h"
#include "support/samplefiles.h"
#include "support/testfiles.h"

namespace korvax {
namespace {

using namespace kcl;
using editor::EditorForm;

class SaveCommands : public test::MainWindowTest {
protected:
  static TProjectInfo& Project() { return *FMainForm->ProjectInfo; }
  static std::string Read(const std::string& file) { return test::ReadFileBytes(file); }
  // Every save dialog takes the name it proposes, in the test's directory when
  // the name has none.
  void AcceptProposedNames() {
    AnswerFileDialogs([this](TOpenDialog& dialog) {
      const std::string name = dialog.FileName();
      return ExtractFilePath(name).empty() ? Dir.File(name) : name;
    });
  }
};

// The resource name of a binary form file.
std::string ResourceName(const std::string& bytes) { return bytes.substr(3, bytes.find('\0', 3) - 3); }

TEST_F(SaveCommands, SavingUnit1AsMainRenamesItInTheProjectSource) {
  AnswerFileDialogs([this](TOpenDialog&) { return Dir.File("Main.pas"); });
  MenuItem("FileSaveItem")->Click();
  ASSERT_EQ(FileDialogs.size(), 1u);
  EXPECT_TRUE(FileDialogs[0].starts_with("|Unit1.pas|2|")) << FileDialogs[0];
  EXPECT_EQ(Project().Source()->Strings(5), "  Main in 'Main.pas' {Form1};");
  EXPECT_TRUE(Read(Dir.File("Main.pas")).starts_with("unit Main;\r\n \r\ninterface\r\n"));
  EXPECT_EQ(ResourceName(Read(Dir.File("Main.dfm"))), "TFORM1");
  EXPECT_EQ(EditorForm->PageControl1->ActivePage()->Caption(), "Main");
  EXPECT_EQ(Project().Units()->Text(), Dir.File("Main.pas") + "\r\n");
  // The form is loaded again from its new file, and is the unit's.
  designer::TProxyForm* form = FMainForm->CurrentDesignForm;
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Name(), "Form1");
  EXPECT_EQ(form->UnitFileName, "Main.pas");
  EXPECT_EQ(FMainForm->DesignForms().size(), 1u);

  // Saved again: the same files, after the question.
  AnswerQuestions(mrYes);
  EditorForm->ActiveEditor()->Lines()->Add("// more");
  Click(Button("sbSave"));
  EXPECT_EQ(Questions, std::vector<std::string>{"Same filename exists already! Save changes to Main.pas?"});
  EXPECT_TRUE(FileDialogs.back().starts_with("|" + Dir.File("Main.pas") + "|2|")) << FileDialogs.back();
  EXPECT_TRUE(Read(Dir.File("Main.pas")).ends_with("end.\r\n// more\r\n"));
  EXPECT_EQ(Project().Units()->Count(), 1);
  EXPECT_TRUE(Messages.empty());
}

TEST_F(SaveCommands, SaveAllOfANewProjectWritesEveryUnitFormAndTheProject) {
  MenuItem("FileNewFormItem")->Click();
  EditorForm->ActiveEditor()->Lines()->Add("// typed");
  ASSERT_TRUE(FMainForm->sbSaveAll->Enabled());
  AcceptProposedNames();
  Click(Button("sbSaveAll"));
  ASSERT_EQ(FileDialogs.size(), 3u) << testing::PrintToString(FileDialogs) << testing::PrintToString(Messages);
  EXPECT_TRUE(FileDialogs[0].starts_with("|Unit1.pas|2|")) << FileDialogs[0];
  EXPECT_TRUE(FileDialogs[1].starts_with("|" + Dir.File("Unit2.pas") + "|2|")) << FileDialogs[1];
  EXPECT_TRUE(FileDialogs[2].starts_with("|project1.dpr|1|")) << FileDialogs[2];
  for (const char* file : {"Unit1.pas", "Unit1.dfm", "Unit2.pas", "Unit2.dfm"})
    EXPECT_TRUE(FileExists(Dir.File(file))) << file;
  EXPECT_EQ(ResourceName(Read(Dir.File("Unit2.dfm"))), "TFORM2");
  EXPECT_TRUE(Read(Dir.File("Unit2.pas")).ends_with("end.\r\n// typed\r\n"));
  EXPECT_EQ(Read(Dir.File("project1.dpr")), Project().Source()->Text());
  EXPECT_EQ(Project().Source()->Strings(0), "program project1;");
  EXPECT_EQ(Project().ProjectFile(), Dir.File("project1.dpr"));
  EXPECT_EQ(Project().State(), psSaved);
  EXPECT_FALSE(FMainForm->sbSaveAll->Enabled());
  EXPECT_TRUE(Messages.empty());
  EXPECT_TRUE(Questions.empty());
}

// Cancel in the question aborts the whole Save All; No skips one file.
TEST_F(SaveCommands, TheSameFileQuestionDecidesEachUnit) {
  AnswerQuestions(mrNo);
  const std::string dir = CopySampleProject("03/SDITEMP");
  FMainForm->OpenProject(dir + "SDIAPP.DPR");
  FMainForm->OpenFile(dir + "ABOUT.PAS");
  EditorForm->FindFileEditor("Sdimain.pas")->Lines()->Add("// typed");
  ASSERT_EQ(Project().State(), psModified);
  Questions.clear();
  AcceptProposedNames();
  AnswerQuestions(mrCancel);
  EXPECT_THROW(FMainForm->SaveProject(Project().ProjectFile()), EAbort);
  EXPECT_EQ(Questions, std::vector<std::string>{"Same filename exists already! Save changes to Sdimain.pas?"});
  EXPECT_EQ(Read(dir + "SDIMAIN.PAS"), Read(test::SamplePath("03/SDITEMP/SDIMAIN.PAS")));
  EXPECT_EQ(Project().State(), psModified);
  EXPECT_TRUE(FMainForm->sbSaveAll->Enabled());

  Questions.clear();
  AnswerQuestions([](const std::string& question) { return question.find("Sdimain") != std::string::npos ? mrNo : mrYes; });
  EXPECT_TRUE(FMainForm->SaveProject(Project().ProjectFile()));
  EXPECT_EQ(Questions, (std::vector<std::string>{"Same filename exists already! Save changes to Sdimain.pas?",
                                                 "Same filename exists already! Save changes to About.pas?"}));
  EXPECT_EQ(Read(dir + "SDIMAIN.PAS"), Read(test::SamplePath("03/SDITEMP/SDIMAIN.PAS")));
  EXPECT_EQ(Read(dir + "ABOUT.PAS"), Read(test::SamplePath("03/SDITEMP/ABOUT.PAS")));
  EXPECT_EQ(Read(dir + "SDIAPP.DPR"), Read(test::SamplePath("03/SDITEMP/SDIAPP.DPR")));
  // Written over the files on disk, none beside them in the project's letter case.
  EXPECT_FALSE(FileExists(dir + "About.pas"));
  EXPECT_FALSE(FileExists(dir + "About.dfm"));
  EXPECT_EQ(Project().State(), psSaved);
}

// Files from elsewhere end their lines in LF, some without a line end at the last.
TEST_F(SaveCommands, SaveAllWritesUnitsAndTheProjectWithTheirLineEnds) {
  const std::string project = "program Demo;\n\nuses\n  Forms,\n  Main in 'MAIN.PAS' {MainWin};\n\n{$R *.RES}\n\nbegin\n"
                              "  Application.CreateForm(TMainWin, MainWin);\n  Application.Run;\nend.";
  const std::string unit = "unit Main;\n\ninterface\n\nimplementation\n\nend.";
  test::WriteFileBytes(Dir.File("DEMO.DPR"), project);
  test::WriteFileBytes(Dir.File("MAIN.PAS"), unit);
  FMainForm->OpenProject(Dir.File("DEMO.DPR"));
  AcceptProposedNames();
  AnswerQuestions(mrYes);
  MenuItem("FileSaveAllItem")->Click();
  EXPECT_EQ(Questions, std::vector<std::string>{"Same filename exists already! Save changes to Main.pas?"});
  EXPECT_EQ(Read(Dir.File("DEMO.DPR")), project);
  EXPECT_EQ(Read(Dir.File("MAIN.PAS")), unit);
  EXPECT_TRUE(Messages.empty());
}

TEST_F(SaveCommands, TheCloseQuestionSavesOnYesAndKeepsTheWindowWhenASaveIsCancelled) {
  EditorForm->RichEdit1->Lines()->Add("// typed");
  ASSERT_EQ(Project().State(), psModified);
  AnswerQuestions(mrYes);
  AnswerFileDialogs([](TOpenDialog&) { return std::string(); });
  TCloseAction action = caFree;
  FMainForm->FormClose(FMainForm, action);
  EXPECT_EQ(action, caNone);
  EXPECT_EQ(Questions, std::vector<std::string>{"Save Change to project1.dpr?"});
  // Nothing was saved: the project still says so.
  EXPECT_EQ(Project().State(), psModified);

  AcceptProposedNames();
  action = caFree;
  FMainForm->FormClose(FMainForm, action);
  EXPECT_EQ(action, caFree);
  EXPECT_TRUE(Read(Dir.File("Unit1.pas")).ends_with("end.\r\n// typed\r\n"));
  EXPECT_EQ(Read(Dir.File("project1.dpr")), Project().Source()->Text());
}

// An edit of the form alone (a control resized) is unsaved work too: Close saves
// the unit with its form, and closing the program asks first.
TEST_F(SaveCommands, AnEditOfTheFormAloneIsSavedWithItsUnit) {
  const std::string dir = CopySampleProject("03/SDITEMP");
  FMainForm->OpenProject(dir + "SDIAPP.DPR");
  designer::TProxyForm* form = FMainForm->CurrentDesignForm;
  ASSERT_NE(form, nullptr);
  auto* panel = dynamic_cast<TControl*>(form->FindComponent("SpeedPanel"));
  ASSERT_NE(panel, nullptr);
  ASSERT_EQ(Project().State(), psOpened);
  form->ProxyDesigner()->ControlResized(panel, Bounds(0, 0, 427, 40));
  EXPECT_EQ(Project().State(), psModified);
  EXPECT_EQ(EditorForm->ActiveEditor()->Perform(EM_GETMODIFY, 0, 0), 1);

  AnswerQuestions(mrYes);
  AcceptProposedNames();
  MenuItem("FileCloseItem")->Click();
  EXPECT_EQ(FileDialogs.size(), 1u);
  EXPECT_EQ(EditorForm->ActiveEditor()->Perform(EM_GETMODIFY, 0, 0), 0);
  const std::string saved = Read(dir + "SDIMAIN.DFM");
  const size_t height = saved.find("\x06Height", saved.find("SpeedPanel"));
  ASSERT_NE(height, std::string::npos);
  EXPECT_EQ(saved.substr(height + 7, 2), std::string("\x02\x28", 2));  // 40, a byte
}

TEST_F(SaveCommands, SaveAsWritesTheFileElsewhereAndThePageShowsIt) {
  IniFile->WriteString("system", "LastPath", Dir.File("last/"));
  AnswerFileDialogs([this](TOpenDialog&) { return Dir.File("Copy.pas"); });
  MenuItem("FileSaveAsItem")->Click();
  EXPECT_EQ(FileDialogs, std::vector<std::string>{"|Unit1.pas|2|" + Dir.File("last/")});
  EXPECT_TRUE(Read(Dir.File("Copy.pas")).starts_with("unit Unit1;\r\n"));
  EXPECT_EQ(ResourceName(Read(Dir.File("Copy.dfm"))), "TFORM1");
  // Neither the project nor the settings hear of it.
  EXPECT_EQ(Project().Source()->Strings(5), "  Unit1 in 'Unit1.pas' {Form1};");
  EXPECT_EQ(Project().Units()->Text(), "Unit1.pas\r\n");
  EXPECT_EQ(IniFile->ReadString("system", "LastPath", ""), Dir.File("last/"));
  EXPECT_EQ(EditorForm->PageControl1->ActivePage()->Caption(), "Copy");
  EXPECT_EQ(FMainForm->CurrentDesignForm->UnitFileName, "Copy.pas");

  // No to the question ends it: neither the unit nor its form is written.
  test::WriteFileBytes(Dir.File("Other.pas"), "x");
  AnswerFileDialogs([this](TOpenDialog&) { return Dir.File("Other.pas"); });
  AnswerQuestions(mrNo);
  MenuItem("FileSaveAsItem")->Click();
  EXPECT_EQ(Read(Dir.File("Other.pas")), "x");
  EXPECT_FALSE(FileExists(Dir.File("Other.dfm")));
  EXPECT_EQ(Questions, std::vector<std::string>{"Same filename exists already! Save changes to Other.pas?"});
}

TEST_F(SaveCommands, TheProjectSourcePageSavesTheProject) {
  MenuItem("ViewProjectSourceItem")->Click();
  AnswerFileDialogs([this](TOpenDialog&) { return Dir.File("sub/Demo.dpr"); });
  std::filesystem::create_directory(Dir.File("sub"));
  MenuItem("FileSaveItem")->Click();
  EXPECT_TRUE(FileDialogs[0].starts_with("|Project1.dpr|1|")) << FileDialogs[0];
  EXPECT_EQ(Read(Dir.File("sub/Demo.dpr")), Project().Source()->Text());
  EXPECT_EQ(Project().ProjectDir(), Dir.File("sub/"));
}

// A damaged form shows what was read; Save All reports it and leaves its file.
TEST_F(SaveCommands, AFormNotReadWholeIsNeverWrittenOverItsFile) {
  const std::string dir = CopySampleProject("23/XCHART");
  const std::string form = Read(dir + "XCHARTF.DFM");
  const std::string damaged = form.substr(0, form.size() / 2);
  test::WriteFileBytes(dir + "XCHARTF.DFM", damaged);
  FMainForm->OpenProject(dir + "XCHART.DPR");
  ASSERT_EQ(Messages.size(), 1u);
  ASSERT_NE(FMainForm->CurrentDesignForm, nullptr);
  AcceptProposedNames();
  AnswerQuestions(mrYes);
  MenuItem("FileSaveAllItem")->Click();
  EXPECT_EQ(Messages.size(), 2u);
  EXPECT_TRUE(Read(dir + "XCHARTF.DFM") == damaged);
  EXPECT_EQ(Read(dir + "XCHARTF.PAS"), Read(test::SamplePath("23/XCHART/XCHARTF.PAS")));
}

// A data module's components are named by the other forms; saving it keeps them.
TEST_F(SaveCommands, SavingAFormKeepsTheOtherFormsReferencesToIt) {
  const std::string dir = CopySampleProject("17/TWOVIEWS");
  FMainForm->OpenProject(dir + "TWOVIEWS.DPR");
  FMainForm->OpenFile(dir + "DataM.pas");
  FMainForm->OpenFile(dir + "FormView.pas");
  designer::TProxyForm* module = FMainForm->DesignFormOfUnit("DataM");
  ASSERT_NE(module, nullptr);
  AcceptProposedNames();
  AnswerQuestions(mrYes);
  MenuItem("FileSaveAllItem")->Click();
  EXPECT_EQ(FMainForm->DesignFormOfUnit("DataM"), module);
  EXPECT_TRUE(Read(dir + "FORMVIEW.DFM") == Read(test::SamplePath("17/TWOVIEWS/FORMVIEW.DFM")));
  EXPECT_TRUE(Read(dir + "DATAM.DFM") == Read(test::SamplePath("17/TWOVIEWS/DATAM.DFM")));
  EXPECT_TRUE(Messages.empty());
}

// Viewing a library's source and saving it keeps it a library.
TEST_F(SaveCommands, TheProjectSourceViewedAndSavedKeepsItsFirstLine) {
  const std::string dir = CopySampleProject("23/XARROW");
  FMainForm->OpenProject(dir + "XARROW.DPR");
  MenuItem("ViewProjectSourceItem")->Click();
  EXPECT_EQ(Project().Source()->Strings(0), "library XArrow;");
  AcceptProposedNames();
  AnswerQuestions(mrYes);
  FMainForm->SaveProject(Project().ProjectFile());
  EXPECT_EQ(Read(dir + "XARROW.DPR"), Read(test::SamplePath("23/XARROW/XARROW.DPR")));
}

TEST_F(SaveCommands, SaveProjectAsAsksForTheProjectFileOfANewProject) {
  AcceptProposedNames();
  MenuItem("FileSaveProjectAsItem")->Click();
  ASSERT_EQ(FileDialogs.size(), 2u);
  EXPECT_TRUE(FileDialogs[1].starts_with("|project1.dpr|1|")) << FileDialogs[1];
  EXPECT_EQ(Read(Dir.File("project1.dpr")), Project().Source()->Text());
  EXPECT_EQ(Project().ProjectFile(), Dir.File("project1.dpr"));
  EXPECT_EQ(Project().State(), psSaved);
}

// Only the units open in the editor have anything to write; the others' files stay.
TEST_F(SaveCommands, SaveAllLeavesTheUnitsNobodyOpened) {
  AnswerQuestions(mrYes);
  const std::string dir = CopySampleProject("03/SDITEMP");
  FMainForm->OpenProject(dir + "SDIAPP.DPR");
  test::WriteFileBytes(dir + "ABOUT.PAS", "changed elsewhere");
  AcceptProposedNames();
  MenuItem("FileSaveAllItem")->Click();
  EXPECT_EQ(Questions, std::vector<std::string>{"Same filename exists already! Save changes to Sdimain.pas?"});
  EXPECT_EQ(Read(dir + "ABOUT.PAS"), "changed elsewhere");
  EXPECT_EQ(FileDialogs.size(), 1u);
  EXPECT_EQ(Project().State(), psSaved);
}

}  // namespace
}  // namespace korvax
