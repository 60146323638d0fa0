// The File and View commands through the main window: new forms, projects and
// files opened by their extension, Close and Close All, the choosers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ide/common/environment.h"
#include "ide/designer/formfiles.h"
#include "ide/designer/proxyform.h"
#include "ide/editor/editorform.h"
#include "ide/editor/sourcegen.h"
#include "ide/shell/mainform.h"
#include "ide/shell/viewform.h"
#include "kcl/components/editmessages.h"
#include "kcl/controls/modal.h"
#include "kcl/rtl/sysutils.h"
#include "kcl/system/inifile.h"
#include "mainwindowtest.h"
#include "support/testfiles.h"

namespace korvax {
namespace {

using namespace kcl;
using editor::EditorForm;

class FileCommands : public test::MainWindowTest {
protected:
  static int PageCount() { return EditorForm->PageControl1->PageCount(); }
  static std::string ActiveCaption() { return EditorForm->PageControl1->ActivePage()->Caption(); }
  static std::string ActiveText() { return EditorForm->ActiveEditor()->Lines()->Text(); }
  static std::vector<std::string> DesignFormNames() {
    std::vector<std::string> names;
    for (designer::TProxyForm* form : FMainForm->DesignForms()) names.push_back(form->Name());
    return names;
  }
  static designer::TProxyForm* DesignForm(const std::string& name) {
    for (designer::TProxyForm* form : FMainForm->DesignForms())
      if (form->Name() == name) return form;
    return nullptr;
  }
  static std::string Setting(const std::string& section, const std::string& key) {
    return IniFile->ReadString(section, key, "");
  }
  static TProjectInfo& Project() { return *FMainForm->ProjectInfo; }
  // Chooses in the unit or form list: the entry named, or the one it shows first.
  void ChooseFromList(TMenuItem* command, const std::string& typed, TModalResult result = mrOk) {
    SetModalHook([&](TCustomForm& form) {
      auto& chooser = dynamic_cast<TViewForm&>(form);
      Lists.push_back(chooser.Caption() + ": " + chooser.NameList->Items()->CommaText() + " -> " +
                      chooser.NameEdit->Text());
      if (!typed.empty()) chooser.NameEdit->SetText(typed);
      chooser.SetModalResult(result);
    });
    command->Click();
    SetModalHook(nullptr);
  }
  std::vector<std::string> Lists;
};

TEST_F(FileCommands, NewFormNamesItsFilesAfterTheEntriesThatSayUnitAndForm) {
  EXPECT_EQ(FMainForm->NewUnitFileName(), "Unit2.pas");
  EXPECT_EQ(FMainForm->NewFormFileName(), "Form2.dfm");
  MenuItem("FileNewFormItem")->Click();
  EXPECT_EQ(Project().Units()->Text(), "Unit1.pas\r\n" + StartDir + "Unit2.pas\r\n");
  EXPECT_EQ(Project().Forms()->Text(), "Form1\r\n" + StartDir + "Form2.dfm\r\n");
  EXPECT_EQ(Project().Source()->Strings(5), "  Unit1 in 'Unit1.pas' {Form1},");
  EXPECT_EQ(Project().Source()->Strings(6), "  Unit2 in 'Unit2.pas' {Form2};");
  designer::TProxyForm* form = FMainForm->CurrentDesignForm;
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Name(), "Form2");
  EXPECT_EQ(form->ClassName(), "TForm2");
  EXPECT_EQ(form->UnitFileName, "Unit2.pas");
  EXPECT_TRUE(form->Showing());
  EXPECT_EQ(ActiveCaption(), "Unit2");
  EXPECT_EQ(EditorForm->ActiveEditor()->Lines()->Strings(8), "  TForm2=class(TForm)");
  Click(Button("sbNewForm"));
  EXPECT_EQ(FMainForm->CurrentDesignForm->Name(), "Form3");
  EXPECT_EQ(DesignFormNames(), (std::vector<std::string>{"Form1", "Form2", "Form3"}));

  // A project whose entries name neither counts from one again.
  test::WriteFileBytes(Dir.File("Demo.dpr"),
                       "program Demo;\r\nuses\r\n  Forms,\r\n  Main in 'Main.pas' {MainWin},\r\n"
                       "  About in 'About.pas' {AboutBox};\r\n\r\n{$R *.RES}\r\n\r\nbegin\r\n"
                       "  Application.CreateForm(TMainWin, MainWin);\r\n  Application.Run;\r\nend.\r\n");
  test::WriteFileBytes(Dir.File("Main.pas"), "unit Main;\r\ninterface\r\nimplementation\r\nend.\r\n");
  AnswerQuestions(mrNo);
  ASSERT_TRUE(FMainForm->OpenProject(Dir.File("Demo.dpr")));
  EXPECT_EQ(FMainForm->NewUnitFileName(), "Unit1.pas");
  EXPECT_EQ(FMainForm->NewFormFileName(), "Form1.dfm");
  // A directory holding the word makes its entry count.
  Project().Units()->Add("/work/Units/Tools");
  EXPECT_EQ(FMainForm->NewUnitFileName(), "Unit2.pas");
  EXPECT_TRUE(Messages.empty());
}

TEST_F(FileCommands, CloseAllAsksNothingInStatesZeroToTwo) {
  AnswerQuestions(mrNo);
  for (uint8_t state : {psNew, psOpened, psSaved}) {
    MenuItem("FileNewFormItem")->Click();
    Project().SetState(state);
    MenuItem("FileCloseAllItem")->Click();
    EXPECT_TRUE(Questions.empty()) << int(state);
    EXPECT_TRUE(DesignFormNames().empty());
    EXPECT_EQ(FMainForm->CurrentDesignForm, nullptr);
    EXPECT_EQ(PageCount(), 1);
    EXPECT_EQ(Project().State(), psNew);
    EXPECT_EQ(Project().Units()->Text(), "Unit1.pas\r\n");
    EXPECT_EQ(FMainForm->Caption(), "Korvax ");
  }
  MenuItem("FileNewFormItem")->Click();
  Project().SetState(psModified);
  FMainForm->CloseAll();
  EXPECT_EQ(Questions, std::vector<std::string>{"Save Changes to project project1.dpr?"});
  EXPECT_TRUE(DesignFormNames().empty());
}

// Cancel in the editor's question keeps every page and form: nothing typed is lost.
TEST_F(FileCommands, CancelInTheEditorsQuestionStopsCloseAll) {
  MenuItem("FileNewFormItem")->Click();
  EditorForm->ActiveEditor()->Lines()->Add("// typed");
  ASSERT_EQ(Project().State(), psModified);
  AnswerQuestions([](const std::string& question) { return question.starts_with("Save Changes to project") ? mrNo : mrCancel; });
  EXPECT_THROW(FMainForm->CloseAll(), EAbort);
  EXPECT_EQ(Questions, (std::vector<std::string>{"Save Changes to project project1.dpr?", "Save Changes to Unit2?"}));
  EXPECT_EQ(PageCount(), 2);
  EXPECT_EQ(DesignFormNames(), (std::vector<std::string>{"Form1", "Form2"}));
  EXPECT_EQ(Project().State(), psModified);
}

// A project written on Windows names its units in another letter case than its
// folder holds them.
TEST_F(FileCommands, OpenProjectOpensTheMainFormsUnitWithItsForm) {
  const std::string dir = CopySampleProject("03/SDITEMP");
  ASSERT_TRUE(FMainForm->OpenProject(dir + "SDIAPP.DPR"));
  EXPECT_EQ(FMainForm->Caption(), "Korvax  - " + dir + "SDIAPP.DPR");
  EXPECT_EQ(Project().State(), psOpened);
  EXPECT_EQ(Project().ProjectDir(), dir);
  EXPECT_EQ(Project().Units()->Text(), "Sdimain\r\nAbout\r\n");
  EXPECT_EQ(Project().Forms()->Text(), "SDIAppForm\r\nAboutBox\r\n");
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(ActiveCaption(), "Sdimain");
  EXPECT_EQ(EditorForm->ActiveEditor()->Lines()->Strings(0), "unit Sdimain;");
  designer::TProxyForm* form = FMainForm->CurrentDesignForm;
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Name(), "SDIAppForm");
  EXPECT_EQ(form->UnitFileName, "Sdimain.pas");
  EXPECT_NE(form->FindComponent("SpeedPanel"), nullptr);
  EXPECT_EQ(FMainForm->CurrentUnitFile, dir + "Sdimain.pas");
  EXPECT_EQ(Setting("Closed Projects", "1"), dir + "SDIAPP.DPR");
  EXPECT_EQ(Setting("Closed Files", "1"), dir + "Sdimain.pas");
  EXPECT_TRUE(Messages.empty());

  // No such project file: a new project.
  EXPECT_TRUE(FMainForm->OpenProject(dir + "Missing.dpr"));
  EXPECT_EQ(Project().State(), psNew);
  EXPECT_EQ(FMainForm->Caption(), "Korvax ");
  EXPECT_EQ(Project().Units()->Text(), "Unit1.pas\r\n");
  EXPECT_EQ(Setting("Closed Projects", "Last"), "1");
  EXPECT_FALSE(FMainForm->OpenProject(""));
}

TEST_F(FileCommands, OpenFileGoesByTheExtension) {
  // Nothing for a file that is not there, not even history.
  FMainForm->OpenFile(Dir.File("none.pas"));
  EXPECT_EQ(PageCount(), 1);
  EXPECT_FALSE(IniFile->SectionExists("Closed Files"));

  test::WriteFileBytes(Dir.File("notes.txt"), "one\ntwo\n");
  FMainForm->OpenFile(Dir.File("notes.txt"));
  EXPECT_EQ(ActiveCaption(), "notes.txt");
  EXPECT_EQ(ActiveText(), "one\r\ntwo\r\n");

  // A unit with its form; opened again, the same page and form come up.
  const std::string dir = CopySampleProject("13/DIALOG1");
  FMainForm->OpenFile(dir + "DIALFORM.PAS");
  designer::TProxyForm* form = FMainForm->CurrentDesignForm;
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->UnitFileName, "DIALFORM.pas");
  EXPECT_EQ(PageCount(), 3);
  FMainForm->OpenFile(Dir.File("notes.txt"));
  FMainForm->OpenFile(dir + "DialForm.pas");
  EXPECT_EQ(PageCount(), 4);
  EXPECT_EQ(ActiveCaption(), "DIALFORM.PAS");
  EXPECT_EQ(FMainForm->DesignForms().size(), 2u);
  EXPECT_EQ(FMainForm->CurrentDesignForm, form);

  // A form file: the form first, so that its page shows the form as it is now.
  form->SetCaption("Changed since read");
  FMainForm->OpenFile(dir + "DIALFORM.DFM");
  EXPECT_EQ(FMainForm->DesignForms().size(), 2u);
  EXPECT_EQ(ActiveCaption(), "DIALFORM.DFM");
  EXPECT_NE(ActiveText().find("Caption = 'Changed since read'"), std::string::npos);
  FMainForm->OpenFile(dir + "CONFDIAL.DFM");
  ASSERT_EQ(FMainForm->DesignForms().size(), 3u);
  EXPECT_EQ(ActiveText(), designer::FormText(*FMainForm->CurrentDesignForm));
  EXPECT_TRUE(ActiveText().starts_with("object "));

  // A project file: its name and directory; its text only while a project is open.
  test::WriteFileBytes(Dir.File("x.dpr"), "program x;\r\nend.\r\n");
  const int pages = PageCount();
  FMainForm->OpenFile(Dir.File("x.dpr"));
  EXPECT_EQ(Project().ProjectFile(), Dir.File("x.dpr"));
  EXPECT_EQ(Project().ProjectDir(), StartDir);
  EXPECT_EQ(PageCount(), pages);
  Project().SetState(psOpened);
  FMainForm->OpenFile(Dir.File("x.dpr"));
  EXPECT_EQ(ActiveCaption(), "x.dpr");

  EXPECT_EQ(Setting("Closed Files", "1"), Dir.File("notes.txt"));
  EXPECT_EQ(Setting("Closed Files", "2"), dir + "DIALFORM.PAS");
  EXPECT_EQ(Setting("Closed Files", "3"), dir + "DialForm.pas");
  EXPECT_EQ(Setting("Closed Files", "6"), Dir.File("x.dpr"));
  EXPECT_EQ(Setting("Closed Files", "Last"), "6");
  EXPECT_TRUE(Messages.empty());
}

TEST_F(FileCommands, TheChoosersOpenWhatTheirListNames) {
  // The new project's entry ends in ".pas": the name built has it twice.
  ChooseFromList(MenuItem("ViewUnitsItem"), "");
  EXPECT_EQ(PageCount(), 1);
  AnswerQuestions(mrNo);
  const std::string dir = CopySampleProject("03/SDITEMP");
  FMainForm->OpenProject(dir + "SDIAPP.DPR");
  ChooseFromList(MenuItem("ViewUnitsItem"), "");
  EXPECT_EQ(PageCount(), 3);
  EXPECT_EQ(ActiveCaption(), "About");
  EXPECT_EQ(FMainForm->CurrentDesignForm->Name(), "AboutBox");
  // A typed name counts; the form's unit opens (it is open: it comes up).
  ChooseFromList(MenuItem("ViewFormsItem"), "SDIApp");
  EXPECT_EQ(PageCount(), 3);
  EXPECT_EQ(ActiveCaption(), "Sdimain");
  ChooseFromList(MenuItem("ViewUnitsItem"), "About", mrCancel);
  EXPECT_EQ(ActiveCaption(), "Sdimain");
  // Unknown names open nothing.
  ChooseFromList(MenuItem("ViewFormsItem"), "NoSuchForm");
  EXPECT_EQ(PageCount(), 3);
  EXPECT_EQ(Lists, (std::vector<std::string>{"Unit List: Unit1.pas -> Unit1.pas", "Unit List: About,Sdimain -> About",
                                             "Form List: AboutBox,SDIAppForm -> AboutBox",
                                             "Unit List: About,Sdimain -> About",
                                             "Form List: AboutBox,SDIAppForm -> AboutBox"}));
}

TEST_F(FileCommands, NewApplicationStartsAsTheProgramDoes) {
  AnswerQuestions(mrNo);
  FMainForm->OpenProject(CopySampleProject("03/SDITEMP") + "SDIAPP.DPR");
  EditorForm->RichEdit1->Lines()->Assign(editor::NewUnitSource("Other", "Other").get());
  MenuItem("FileNewApplicationItem")->Click();
  EXPECT_EQ(DesignFormNames(), std::vector<std::string>{"Form1"});
  EXPECT_EQ(FMainForm->CurrentDesignForm->UnitFileName, "Unit1.pas");
  EXPECT_EQ(PageCount(), 1);
  EXPECT_EQ(EditorForm->RichEdit1->Lines()->Text(), editor::NewUnitSource("Unit1", "Form1")->Text());
  EXPECT_EQ(EditorForm->RichEdit1->Perform(EM_GETMODIFY, 0, 0), 0);
  EXPECT_EQ(editor::CurrentEditor, EditorForm->RichEdit1);
  EXPECT_TRUE(EditorForm->Visible());
  EXPECT_EQ(Project().State(), psNew);
  EXPECT_EQ(FMainForm->Caption(), "Korvax ");
}

TEST_F(FileCommands, CloseClosesTheActivePageWithItsUnitsForm) {
  AnswerQuestions(mrNo);
  const std::string dir = CopySampleProject("03/SDITEMP");
  FMainForm->OpenProject(dir + "SDIAPP.DPR");
  FMainForm->OpenFile(dir + "ABOUT.PAS");
  designer::TProxyForm* main = DesignForm("SDIAppForm");
  ASSERT_NE(main, nullptr);
  // Another form is current: the page's own goes, and only it.
  FMainForm->CurrentDesignForm = main;
  MenuItem("FileCloseItem")->Click();
  EXPECT_EQ(DesignFormNames(), std::vector<std::string>{"SDIAppForm"});
  EXPECT_EQ(PageCount(), 2);
  EXPECT_EQ(ActiveCaption(), "Sdimain");
  // A modified page whose save is cancelled stays, with its form.
  EditorForm->ActiveEditor()->Lines()->Add("// typed");
  AnswerFileDialogs([](TOpenDialog&) { return std::string(); });
  MenuItem("FileCloseItem")->Click();
  EXPECT_EQ(PageCount(), 2);
  EXPECT_EQ(DesignFormNames(), std::vector<std::string>{"SDIAppForm"});
  EXPECT_EQ(FileDialogs.size(), 1u);
  // The first page stays.
  EditorForm->ShowPage(EditorForm->RichEdit1);
  MenuItem("FileCloseItem")->Click();
  EXPECT_EQ(PageCount(), 2);
}

TEST_F(FileCommands, ProjectSourceToggleAndPrint) {
  MenuItem("ViewProjectSourceItem")->Click();
  EXPECT_EQ(ActiveCaption(), "Project1");
  EXPECT_EQ(ActiveText(), Project().Source()->Text());
  AnswerQuestions(mrNo);
  const std::string dir = CopySampleProject("03/SDITEMP");
  FMainForm->OpenProject(dir + "SDIAPP.DPR");
  MenuItem("ViewProjectSourceItem")->Click();
  EXPECT_EQ(ActiveCaption(), "SDIAPP.DPR");
  EXPECT_EQ(ActiveText().substr(0, 17), "program Sdiapp;\r\n");

  // From the editor to the forms of the unit it shows, and back.
  EditorForm->ShowPage(EditorForm->FindFileEditor("Sdimain.pas"));
  designer::TProxyForm* form = FMainForm->CurrentDesignForm;
  form->Hide();
  FMainForm->DesignFormActive = false;
  Click(Button("sbToggle"));
  EXPECT_TRUE(form->Visible());
  EditorForm->Hide();
  FMainForm->DesignFormActive = true;
  MenuItem("ViewToggleItem")->Click();
  EXPECT_TRUE(EditorForm->Visible());

  editor::CurrentEditor->SetPrintFileName(Dir.File("printed.pdf"));
  MenuItem("FilePrintItem")->Click();
  EXPECT_EQ(editor::CurrentEditor->PrintedFile(), Dir.File("printed.pdf"));
  EXPECT_TRUE(FileExists(Dir.File("printed.pdf")));
}

TEST_F(FileCommands, OpenAndOpenProjectAskForAFileWhereTheLastOneWas) {
  const std::string dir = CopySampleProject("03/SDITEMP");
  std::string choice = dir + "ABOUT.PAS";
  AnswerFileDialogs([&](TOpenDialog&) { return choice; });
  MenuItem("FileOpenItem")->Click();
  EXPECT_EQ(FMainForm->OpenDialog1->Filter(),
            "Delphi Files(*.pas;*.dpr)|*.pas;*.dpr|Delphi Project(*.dpr)|*.dpr|Delphi Unit(*.pas)|*.pas|"
            "Delphi Form(*.dfm)|*.dfm|Text File(*.txt)|*.txt|All Files (*.*)|*.*");
  EXPECT_EQ(ActiveCaption(), "ABOUT.PAS");
  EXPECT_EQ(Setting("system", "LastPath"), dir);
  choice = dir + "SDIAPP.DPR";
  AnswerQuestions(mrNo);
  Click(Button("sbOpenProject"));
  EXPECT_EQ(Project().ProjectFile(), dir + "SDIAPP.DPR");
  ASSERT_EQ(FileDialogs.size(), 2u);
  EXPECT_TRUE(FileDialogs[0].starts_with("Open|")) << FileDialogs[0];
  EXPECT_TRUE(FileDialogs[0].ends_with("|1|" + ProgramDir)) << FileDialogs[0];
  EXPECT_TRUE(FileDialogs[1].starts_with("Open Project|")) << FileDialogs[1];
  EXPECT_TRUE(FileDialogs[1].ends_with("|2|" + dir)) << FileDialogs[1];
  // Cancelled, nothing changes.
  choice.clear();
  MenuItem("FileOpenItem")->Click();
  EXPECT_EQ(Project().ProjectFile(), dir + "SDIAPP.DPR");
}

}  // namespace
}  // namespace korvax
