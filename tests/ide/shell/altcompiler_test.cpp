// The whole story with the alternative compiler: a new application with a button
// whose OnClick handler sets the form's caption, saved, built with Free Pascal and
// run; the program reads its form from its resources and the click is bound.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ide/common/environment.h"
#include "ide/designer/proxyform.h"
#include "ide/editor/editorform.h"
#include "ide/fpcbuild/fpcbuild.h"
#include "ide/shell/compileform.h"
#include "ide/shell/mainform.h"
#include "kcl/controls/modal.h"
#include "kcl/rtl/sysutils.h"
#include "mainwindowtest.h"
#include "support/clickhook.h"
#include "support/testfiles.h"

namespace korvax {
namespace {

using namespace kcl;
using editor::EditorForm;
namespace fs = std::filesystem;

class AltCompiler : public test::MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    IniFile->WriteBool("SYSTEM", "UseDelphiCompiler", false);
    fs::create_directories(Work);
    ::setenv("KORVAX_CAPTION_FILE", CaptionFile.c_str(), 1);
  }
  void TearDown() override {
    ::unsetenv("KORVAX_CAPTION_FILE");
    SetModalHook(nullptr);
    MainWindowTest::TearDown();
  }
  // Every Compile Information dialog's text goes to Shown; the dialog closes with OK.
  void WatchCompileDialogs() {
    SetModalHook([this](TCustomForm& form) {
      if (auto* dialog = dynamic_cast<TCompile*>(&form)) Shown.push_back(dialog->Memo1->Lines()->Text());
      form.SetModalResult(mrOk);
    });
  }
  // The new application's unit, form and project saved into Work.
  void SaveAll() {
    AnswerFileDialogs([this](TOpenDialog& dialog) { return Work + "/" + ExtractFileName(dialog.FileName()); });
    MenuItem("FileSaveAllItem")->Click();
  }

  const std::string Work = Dir.File("work");
  const std::string CaptionFile = Dir.File("caption.txt");
  std::vector<std::string> Shown;
};

TEST_F(AltCompiler, ANewApplicationIsBuiltWithFreePascalAndItsButtonSetsTheCaption) {
  designer::TProxyForm* form = FMainForm->CurrentDesignForm;
  Click(Button("sbButton"));
  QTest::mousePress(form->ClientWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(24, 32));
  QTest::mouseRelease(form->ClientWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(24, 32));
  auto* button = dynamic_cast<TControl*>(form->FindComponent("Button1"));
  ASSERT_NE(button, nullptr);
  QTest::mouseDClick(button->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QTest::keyClicks(EditorForm->RichEdit1->Widget(), "Caption := 'Clicked';");
  QApplication::processEvents();
  SaveAll();
  // The test's hook joins the project as a user's unit would, and clicks once the program runs.
  test::WriteFileBytes(Work + "/ClickHook.pas", test::ClickHookUnit);
  AnswerFileDialogs([this](TOpenDialog&) { return Work + "/ClickHook.pas"; });
  MenuItem("FileAddToProjectItem")->Click();
  AnswerQuestions(mrYes);  // the files saved before are saved over
  SaveAll();
  ASSERT_TRUE(Messages.empty()) << testing::PrintToString(Messages);
  const auto usersFiles = test::TreeContents(Work, "fpc-build");

  WatchCompileDialogs();
  MenuItem("ProjectBuildAllItem")->Click();
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_NE(Shown[0].find("Compiling Unit1.pas"), std::string::npos) << Shown[0];
  EXPECT_NE(Shown[0].find("Linking"), std::string::npos) << Shown[0] << test::ReadFileBytes(Work + "/project1.dpr") << test::ReadFileBytes(Work + "/Unit1.pas");
  const std::string program = fpcbuild::ProgramOf(Work + "/project1.dpr");
  EXPECT_TRUE(fs::exists(program));

  MenuItem("RunRunItem")->Click();
  EXPECT_EQ(test::WrittenLine(CaptionFile, std::chrono::seconds(60)), "Clicked\n");
  EXPECT_EQ(Shown.size(), 1u) << "a built program runs without the compiler's messages";
  EXPECT_TRUE(Messages.empty()) << testing::PrintToString(Messages);
  EXPECT_EQ(test::TreeContents(Work, "fpc-build"), usersFiles);
}

TEST_F(AltCompiler, AProgramThatDoesNotBuildIsNotStartedAndTheMessagesNameTheUsersUnit) {
  const std::string project = Work + "/Demo.dpr";
  test::WriteFileBytes(project, "program Demo;\r\n\r\nuses\r\n  Unit1 in 'Unit1.pas';\r\n\r\nbegin\r\nend.\r\n");
  test::WriteFileBytes(Work + "/Unit1.pas", "unit Unit1;\r\ninterface\r\nimplementation\r\nbegin\r\n  Oops;\r\nend.\r\n");
  ASSERT_TRUE(FMainForm->OpenProject(project));
  WatchCompileDialogs();
  MenuItem("RunRunItem")->Click();
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_NE(Shown[0].find("\r\nUnit1.pas(5,3) Error: Identifier not found \"Oops\"\r\n"), std::string::npos) << Shown[0];
  EXPECT_FALSE(fs::exists(fpcbuild::ProgramOf(project)));
  EXPECT_FALSE(fs::exists(CaptionFile));
}

TEST_F(AltCompiler, WithoutTheCompilerNothingIsBuiltAndTheUserIsTold) {
  IniFile->WriteString("SYSTEM", "AltCompiler", Dir.File("nowhere/fpc"));
  SaveAll();
  WatchCompileDialogs();
  MenuItem("ProjectCompileItem")->Click();
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_NE(Messages[0].find("Cannot find the Free Pascal compiler " + Dir.File("nowhere/fpc") + "!"),
            std::string::npos)
      << Messages[0];
  EXPECT_FALSE(fs::exists(Work + "/fpc-build"));
  Messages.clear();
  MenuItem("RunRunItem")->Click();
  EXPECT_EQ(Messages.size(), 1u);
  EXPECT_TRUE(Shown.size() <= 1u);
}

}  // namespace
}  // namespace korvax
