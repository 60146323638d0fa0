// The project dialogs through the main window: Add to Project, Remove from
// Project, the project manager and the project options, on real files.
#include <gtest/gtest.h>

#include <QUrl>
#include <QWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "ide/common/environment.h"
#include "ide/designer/proxyform.h"
#include "ide/editor/editorform.h"
#include "ide/project/projectsource.h"
#include "ide/shell/mainform.h"
#include "ide/shell/projectmanager.h"
#include "ide/shell/projoption.h"
#include "ide/shell/removeproject.h"
#include "ide/shell/viewform.h"
#include "kcl/classes/objecttext.h"
#include "kcl/controls/application.h"
#include "kcl/controls/modal.h"
#include "kcl/desktop/desktop.h"
#include "kcl/rtl/sysutils.h"
#include "mainwindowtest.h"
#include "support/testfiles.h"

namespace korvax {
namespace {

using namespace kcl;
using editor::EditorForm;
using test::ReadFileBytes;
using test::WriteFileBytes;

const char* const ToolsUnitText = "unit Tools;\r\ninterface\r\nimplementation\r\nend.\r\n";
const char* const ToolFormText = "object ToolWindow: TToolWindow\r\n  Caption = 'Tools'\r\nend\r\n";

class ProjectDialogs : public test::MainWindowTest {
protected:
  void TearDown() override {
    for (TProjectManager* manager : Managers()) manager->Free();
    MainWindowTest::TearDown();
  }
  static TProjectInfo& Project() { return *FMainForm->ProjectInfo; }
  static std::vector<std::string> SourceLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < Project().Source()->Count(); ++i) lines.push_back(Project().Source()->Strings(i));
    return lines;
  }
  static std::vector<TProjectManager*> Managers() {
    std::vector<TProjectManager*> managers;
    for (int i = 0; i < Screen()->FormCount(); ++i)
      if (auto* manager = dynamic_cast<TProjectManager*>(Screen()->Forms(i))) managers.push_back(manager);
    return managers;
  }
  // A unit file, with a form file beside it when formBytes is given.
  std::string WriteUnit(const std::string& folder, const std::string& formBytes = "") const {
    std::filesystem::create_directories(Dir.File(folder));
    const std::string unit = Dir.File(folder + "/Tools.pas");
    WriteFileBytes(unit, ToolsUnitText);
    if (!formBytes.empty()) WriteFileBytes(Dir.File(folder + "/Tools.dfm"), formBytes);
    return unit;
  }
  void AddToProject(const char* command, const std::string& file) {
    AnswerFileDialogs([&](TOpenDialog&) { return file; });
    if (TSpeedButton* button = Button(command))
      Click(button);
    else
      MenuItem(command)->Click();
  }
  // Runs the project options dialog through work, which closes it.
  void WithOptions(const std::function<void(TProjOption&)>& work) {
    SetModalHook([&](TCustomForm& form) { work(dynamic_cast<TProjOption&>(form)); });
    MenuItem("ProjectOptionsItem")->Click();
    SetModalHook(nullptr);
  }
  static std::vector<std::string> Items(TStrings& items) {
    std::vector<std::string> result;
    for (int i = 0; i < items.Count(); ++i) result.push_back(items.Strings(i));
    return result;
  }
  static void Select(TListBox& list, const std::string& entry) { list.SetItemIndex(list.Items()->IndexOf(entry)); }
};

// --- Add to Project

TEST_F(ProjectDialogs, AUnitOutsideTheProjectIsAddedByItsFullPathWithoutAForm) {
  const test::TempDir elsewhere;
  const std::string unit = elsewhere.File("Tools.pas");
  WriteFileBytes(unit, ToolsUnitText);
  AddToProject("FileAddToProjectItem", unit);
  // An empty file name and the units' filter (the folder is the last one opened).
  ASSERT_EQ(FileDialogs.size(), 1u);
  EXPECT_TRUE(FileDialogs[0].starts_with("Add to Project||3|")) << FileDialogs[0];
  EXPECT_EQ(Items(*Project().Units()), (std::vector<std::string>{"Unit1.pas", unit}));
  EXPECT_EQ(Items(*Project().Forms()), (std::vector<std::string>{"Form1", ""}));
  EXPECT_EQ(SourceLines()[5], "  Unit1 in 'Unit1.pas' {Form1},");
  EXPECT_EQ(SourceLines()[6], "  Tools in '" + unit + "';");
  EXPECT_EQ(SourceLines()[8], "{$R *.RES}");
  EXPECT_EQ(Project().State(), psModified);
}

TEST_F(ProjectDialogs, AUnitBelowTheProjectIsAddedRelativeToItWithItsFormsRealName) {
  // A binary form file; the speed button does what the menu does.
  AddToProject("sbAddFile", WriteUnit("sub", ObjectTextToBinary(ToolFormText)));
  EXPECT_EQ(Items(*Project().Units()), (std::vector<std::string>{"Unit1.pas", "sub/Tools.pas"}));
  EXPECT_EQ(Items(*Project().Forms()), (std::vector<std::string>{"Form1", "ToolWindow"}));
  EXPECT_EQ(SourceLines()[6], "  Tools in 'sub/Tools.pas' {ToolWindow};");
  // The same unit again is reported and not added twice.
  AddToProject("ProjectAddItem", Dir.File("sub/Tools.pas"));
  EXPECT_EQ(Project().Units()->Count(), 2);
  EXPECT_EQ(SourceLines().size(), 15u);
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_NE(Messages[0].find("already uses the unit Tools"), std::string::npos);
}

TEST_F(ProjectDialogs, ATextFormFileBesideTheUnitNamesItsForm) {
  AddToProject("ProjectAddItem", WriteUnit(".", ToolFormText));
  EXPECT_EQ(SourceLines()[6], "  Tools in 'Tools.pas' {ToolWindow};");
  EXPECT_EQ(Items(*Project().Units()), (std::vector<std::string>{"Unit1.pas", "Tools.pas"}));
  // A cancelled dialog adds nothing.
  AddToProject("FileAddToProjectItem", "");
  EXPECT_EQ(Project().Units()->Count(), 2);
}

TEST_F(ProjectDialogs, AnUnreadableFormFileIsReportedAndNothingIsAdded) {
  const std::string unit = WriteUnit("bad", std::string("TPF0\x07", 5));
  const auto before = SourceLines();
  AnswerFileDialogs([&](TOpenDialog&) { return unit; });
  Application()->Guard([] { MenuItem("FileAddToProjectItem")->Click(); });
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Project().Units()->Count(), 1);
  EXPECT_EQ(SourceLines(), before);
}

// --- Remove from Project

TEST_F(ProjectDialogs, RemoveTakesTheChosenUnitOutOfTheSourceOnly) {
  MenuItem("FileNewFormItem")->Click();
  std::vector<std::string> rows;
  SetModalHook([&](TCustomForm& form) {
    auto& dialog = dynamic_cast<TRemoveProject&>(form);
    for (int i = 0; i < dialog.ListView1->Items()->Count(); ++i)
      rows.push_back(dialog.ListView1->Items()->Item(i)->Caption() + ":" +
                     dialog.ListView1->Items()->Item(i)->SubItems()->Strings(0));
    dialog.ListView1->SetSelected(dialog.ListView1->Items()->Item(1));
    dialog.OKButton->Click();
  });
  MenuItem("ProjectRemoveItem")->Click();
  EXPECT_EQ(rows, (std::vector<std::string>{"Unit1.pas:Form1", StartDir + "Unit2.pas:Form2"}));
  // The clause ends where it did; Units and Forms keep the entry.
  EXPECT_EQ(SourceLines()[5], "  Unit1 in 'Unit1.pas' {Form1};");
  EXPECT_EQ(SourceLines()[6], " ");
  EXPECT_EQ(Project().Units()->Count(), 2);
  // OK without a choice, and Cancel, change nothing.
  const auto before = SourceLines();
  SetModalHook([](TCustomForm& form) { dynamic_cast<TRemoveProject&>(form).OKButton->Click(); });
  Click(Button("sbRemoveFile"));
  SetModalHook([](TCustomForm& form) {
    auto& dialog = dynamic_cast<TRemoveProject&>(form);
    dialog.ListView1->SetSelected(dialog.ListView1->Items()->Item(0));
    dialog.CancelButton->Click();
  });
  MenuItem("FileRemoveFromProjectItem")->Click();
  SetModalHook(nullptr);
  EXPECT_EQ(SourceLines(), before);
}

// --- the project manager

TEST_F(ProjectDialogs, EachProjectManagerCommandOpensAnotherWindowWithTheProjectsUnits) {
  MenuItem("ViewProjectManagerItem")->Click();
  MenuItem("ViewProjectManagerItem")->Click();
  const std::vector<TProjectManager*> managers = Managers();
  ASSERT_EQ(managers.size(), 2u);
  for (TProjectManager* manager : managers) EXPECT_TRUE(manager->Visible());
  TProjectManager& manager = *managers.back();
  EXPECT_EQ(manager.Caption(), "Project Manager");
  ASSERT_EQ(manager.ListView1->Items()->Count(), 1);
  EXPECT_EQ(manager.ListView1->Items()->Item(0)->Caption(), "Unit1.pas");
  EXPECT_EQ(manager.ListView1->Items()->Item(0)->SubItems()->Strings(0), "Form1");
  EXPECT_FALSE(manager.UpdateButton->Enabled());
  // The status text ends in the Korean word for units, and shows as Korean.
  const std::string status = manager.StatusBar1->Panels()->Items(0)->Text();
  EXPECT_EQ(status, StartDir + "project1.dpr,1\xC0\xAF\xB4\xCF\xC6\xAE");
  manager.StatusBar1->Widget()->grab();  // paints the panel in the bar's Korean font
  EXPECT_EQ(manager.StatusBar1->Canvas()->DisplayText(status),
            QString::fromStdString(StartDir + "project1.dpr,1") + QString::fromUtf8("유니트"));
}

TEST_F(ProjectDialogs, TheManagersRemoveLeavesTheUnitInTheUnitList) {
  MenuItem("FileNewFormItem")->Click();
  MenuItem("ViewProjectManagerItem")->Click();
  TProjectManager& manager = *Managers().back();
  manager.RemoveButton->Click();  // no row chosen: nothing
  EXPECT_EQ(manager.ListView1->Items()->Count(), 2);
  manager.ListView1->SetSelected(manager.ListView1->Items()->Item(1));
  manager.RemoveButton->Click();
  EXPECT_EQ(manager.ListView1->Items()->Count(), 1);
  EXPECT_EQ(FindUsesEntry(*Project().Source(), "Unit2"), -1);
  std::string listed;
  SetModalHook([&](TCustomForm& form) {
    listed = dynamic_cast<TViewForm&>(form).NameList->Items()->CommaText();
    form.SetModalResult(mrCancel);
  });
  MenuItem("ViewUnitsItem")->Click();
  SetModalHook(nullptr);
  EXPECT_EQ(listed, StartDir + "Unit2.pas,Unit1.pas");
}

TEST_F(ProjectDialogs, TheManagersUnitAndFormOpenTheUnitItsEntryNames) {
  WriteUnit("sub", ToolFormText);
  AddToProject("FileAddToProjectItem", Dir.File("sub/Tools.pas"));
  MenuItem("ViewProjectManagerItem")->Click();
  TProjectManager& manager = *Managers().back();
  manager.UnitButton->Click();  // no row chosen: nothing
  EXPECT_EQ(EditorForm->FindFileEditor(Dir.File("sub/Tools.pas")), nullptr);
  // An entry that ends in ".pas" and lies below the project.
  manager.ListView1->SetSelected(manager.ListView1->Items()->Item(1));
  manager.FormButton->Click();
  EXPECT_NE(EditorForm->FindFileEditor(Dir.File("sub/Tools.pas")), nullptr);
  EXPECT_EQ(FMainForm->CurrentDesignForm->Name(), "ToolWindow");
  EXPECT_EQ(manager.ModalResult(), mrOk);
  EXPECT_EQ(Screen()->Cursor(), crDefault);
}

TEST_F(ProjectDialogs, TheManagersAddAndOptions) {
  const std::string unit = WriteUnit("lib");
  MenuItem("ViewProjectManagerItem")->Click();
  TProjectManager& manager = *Managers().back();
  AnswerFileDialogs([&](TOpenDialog& dialog) {
    EXPECT_EQ(dialog.Filter(), "Delphi Unit(*.pas)|*.pas|All Files(*.*)|*.*");
    return unit;
  });
  manager.AddButton->Click();
  ASSERT_EQ(manager.ListView1->Items()->Count(), 2);
  EXPECT_EQ(manager.ListView1->Items()->Item(1)->Caption(), "lib/Tools.pas");
  bool shown = false;
  SetModalHook([&](TCustomForm& form) {
    shown = dynamic_cast<TProjOption*>(&form) != nullptr;
    dynamic_cast<TProjOption&>(form).CancelButton->Click();
  });
  manager.OptionsButton->Click();
  SetModalHook(nullptr);
  EXPECT_TRUE(shown);
}

// --- project options

TEST_F(ProjectDialogs, TheDefaultProjectCreatesForm1AsItsMainForm) {
  WithOptions([](TProjOption& options) {
    EXPECT_EQ(options.Caption(), "Project Options");
    EXPECT_EQ(options.PageControl1->ActivePage(), options.FormsPage);
    EXPECT_EQ(Items(*options.AutoCreateForms->Items()), std::vector<std::string>{"Form1"});
    EXPECT_EQ(options.AvailableForms->Items()->Count(), 0);
    EXPECT_EQ(options.cbMainForm->Text(), "Form1");
    EXPECT_EQ(options.AppTitle->Text(), "");
    EXPECT_EQ(options.PageControl1->PageCount(), 7);
    options.CancelButton->Click();
  });
  // Neither OK on an untouched dialog changes the project or writes a file.
  const auto before = SourceLines();
  WithOptions([](TProjOption& options) { options.OKButton->Click(); });
  EXPECT_EQ(SourceLines(), before);
  EXPECT_FALSE(FileExists(Project().ProjectFile()));
  EXPECT_FALSE(FileExists(Dir.File("project1.cfg")));
}

TEST_F(ProjectDialogs, OKWritesTheCreatedFormsInTheirOrderAndNothingElse) {
  MenuItem("FileNewFormItem")->Click();
  const auto before = SourceLines();
  const std::string form2 = StartDir + "Form2.dfm";
  WithOptions([&](TProjOption& options) {
    EXPECT_EQ(Items(*options.AvailableForms->Items()), std::vector<std::string>{form2});
    options.MoveToAutoCreateButton->Click();  // nothing chosen: nothing moves
    Select(*options.AvailableForms, form2);
    options.MoveToAutoCreateButton->Click();
    EXPECT_EQ(Items(*options.AutoCreateForms->Items()), (std::vector<std::string>{"Form1", form2}));
    options.OKButton->Click();
    EXPECT_EQ(options.ModalResult(), mrOk);
  });
  std::vector<std::string> created = before;
  created.insert(created.begin() + 13, "  Application.CreateForm(TForm2,Form2);");
  EXPECT_EQ(SourceLines(), created);
  EXPECT_EQ(Project().State(), psModified);
  // Form2 made the main form comes first.
  WithOptions([&](TProjOption& options) {
    options.cbMainForm->SetItemIndex(options.cbMainForm->Items()->IndexOf(form2));
    options.OKButton->Click();
  });
  EXPECT_EQ(SourceLines()[12], "  Application.CreateForm(TForm2,Form2);");
  EXPECT_EQ(SourceLines()[13], "  Application.CreateForm(TForm1,Form1);");
  EXPECT_EQ(Project().MainForm(), "Form2");
  // Back to the available list: its line goes, every other line is as it was.
  WithOptions([&](TProjOption& options) {
    EXPECT_EQ(options.cbMainForm->Text(), form2);
    Select(*options.AutoCreateForms, form2);
    options.MoveToAvailableButton->Click();
    options.cbMainForm->SetItemIndex(options.cbMainForm->Items()->IndexOf("Form1"));
    options.OKButton->Click();
  });
  EXPECT_EQ(SourceLines(), before);
  EXPECT_EQ(Project().MainForm(), "Form1");
}

TEST_F(ProjectDialogs, AllButtonsMoveEveryForm) {
  MenuItem("FileNewFormItem")->Click();
  WithOptions([&](TProjOption& options) {
    options.AllToAutoCreateButton->Click();
    EXPECT_EQ(options.AvailableForms->Items()->Count(), 0);
    options.AllToAvailableButton->Click();
    EXPECT_EQ(Items(*options.AvailableForms->Items()), (std::vector<std::string>{"Form1", StartDir + "Form2.dfm"}));
    options.cbMainForm->SetItemIndex(-1);
    options.OKButton->Click();
  });
  EXPECT_EQ(FindSourceLine(*Project().Source(), "CreateForm"), -1);
  EXPECT_EQ(SourceLines()[12], "  Application.Run;");
}

TEST_F(ProjectDialogs, TheTitleAndHelpFileAreWrittenIntoTheProjectFile) {
  const std::string helpFile = Dir.File("app.hlp");
  QStringList filters;
  AnswerFileDialogs([&](TOpenDialog& dialog) {
    filters = dialog.NameFilters();
    return helpFile;
  });
  WithOptions([](TProjOption& options) {
    options.AppTitle->SetText("Demo");
    dynamic_cast<TButton*>(options.FindComponent("BrowseButton"))->Click();
    options.OKButton->Click();
  });
  EXPECT_EQ(filters, (QStringList{QString::fromUtf8("도움말 파일(*.hlp)"), QString::fromUtf8("모든 파일 (*.*)")}));
  EXPECT_EQ(SourceLines()[11], "  Application.HelpFile :='" + helpFile + "';");
  EXPECT_EQ(SourceLines()[12], "  Application.Title :='Demo';");
  const std::string saved = ReadFileBytes(Project().ProjectFile());
  EXPECT_NE(saved.find("Application.Title :='Demo';"), std::string::npos);
  EXPECT_NE(saved.find("Application.HelpFile :='" + helpFile + "';"), std::string::npos);
  WithOptions([&](TProjOption& options) {
    EXPECT_EQ(options.AppTitle->Text(), "Demo");
    EXPECT_EQ(options.AppHelpFile->Text(), helpFile);
    options.CancelButton->Click();
  });
  // A new application has neither.
  AnswerQuestions(mrNo);
  MenuItem("FileNewApplicationItem")->Click();
  WithOptions([&](TProjOption& options) {
    EXPECT_EQ(options.AppTitle->Text(), "");
    EXPECT_EQ(options.AppHelpFile->Text(), "");
    options.CancelButton->Click();
  });
}

TEST_F(ProjectDialogs, TheIconChosenIsShownInKorean) {
  QStringList filters;
  AnswerFileDialogs([&](TOpenDialog& dialog) {
    filters = dialog.NameFilters();
    return std::string();
  });
  WithOptions([](TProjOption& options) {
    dynamic_cast<TButton*>(options.FindComponent("LoadIconButton"))->Click();
    options.CancelButton->Click();
  });
  EXPECT_EQ(filters, (QStringList{QString::fromUtf8("아이콘 파일(*.ico)"), QString::fromUtf8("모든 파일 (*.*)")}));
}

TEST_F(ProjectDialogs, TheCompilerSettingsGoToTheConfigurationFileAndComeBack) {
  WithOptions([](TProjOption& options) {
    dynamic_cast<TCheckBox*>(options.FindComponent("cbRangeChecking"))->SetChecked(true);
    options.cbShowHints->SetChecked(false);
    options.rbMapDetailed->SetChecked(true);
    options.SearchPath->SetText("lib");
    options.OutputDir->SetText("out dir");
    options.MinStackSize->SetText("$2000");
    options.OKButton->Click();
  });
  const std::string text = ReadFileBytes(Dir.File("project1.cfg"));
  for (const char* line : {"-$R+\r\n", "-H-\r\n", "-GD\r\n", "-Ulib\r\n", "-E\"out dir\"\r\n", "-$M8192,1048576\r\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line;
  WithOptions([](TProjOption& options) {
    EXPECT_TRUE(dynamic_cast<TCheckBox*>(options.FindComponent("cbRangeChecking"))->Checked());
    EXPECT_FALSE(options.cbShowHints->Checked());
    EXPECT_TRUE(options.rbMapDetailed->Checked());
    EXPECT_EQ(options.SearchPath->Text(), "lib");
    EXPECT_EQ(options.OutputDir->Text(), "out dir");
    EXPECT_EQ(options.MinStackSize->Text(), "$00002000");
    options.CancelButton->Click();
  });
}

TEST_F(ProjectDialogs, AnExistingConfigurationKeepsTheLinesItDoesNotKnow) {
  WriteFileBytes(Dir.File("project1.cfg"), "-LUvcl30\r\n-$O-\r\n-cc\r\n");
  WithOptions([](TProjOption& options) {
    EXPECT_FALSE(dynamic_cast<TCheckBox*>(options.FindComponent("cbOptimization"))->Checked());
    EXPECT_TRUE(options.cbConsoleApp->Checked());
    options.OKButton->Click();
  });
  const std::string text = ReadFileBytes(Dir.File("project1.cfg"));
  EXPECT_NE(text.find("-$O-\r\n"), std::string::npos);
  EXPECT_NE(text.find("-cc\r\n"), std::string::npos);
  EXPECT_TRUE(text.ends_with("-LUvcl30\r\n"));
}

TEST_F(ProjectDialogs, ANumberThatIsNotOneKeepsTheDialogAndChangesNothing) {
  MenuItem("FileNewFormItem")->Click();
  const auto before = SourceLines();
  std::string error;
  WithOptions([&](TProjOption& options) {
    options.AllToAutoCreateButton->Click();
    options.ImageBase->SetText("abc");
    try {
      options.OKButton->Click();
    } catch (const Exception& e) {
      error = e.Message();
    }
    EXPECT_EQ(options.ModalResult(), mrNone);
    options.CancelButton->Click();
  });
  EXPECT_EQ(error, "'abc' is not a valid integer value");
  EXPECT_EQ(SourceLines(), before);
  EXPECT_FALSE(FileExists(Dir.File("project1.cfg")));
}

TEST_F(ProjectDialogs, HelpAsksForTheDialogsKeyword) {
  WriteFileBytes(Dir.File("help.html"), "<html></html>");
  std::vector<QUrl> opened;
  SetDesktopOpener([&](const QUrl& url) {
    opened.push_back(url);
    return true;
  });
  const std::string helpFile = Application()->HelpFile();
  Application()->SetHelpFile(Dir.File("help.html"));
  WithOptions([](TProjOption& options) {
    options.HelpButton->Click();
    options.CancelButton->Click();
  });
  Application()->SetHelpFile(helpFile);
  SetDesktopOpener({});
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].fragment(), "Project Options dialog box");
}

}  // namespace
}  // namespace korvax
