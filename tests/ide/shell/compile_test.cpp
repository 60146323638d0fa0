// Compiling and running through a stand-in for the installed compiler: a script
// of the test's own named DCC32.exe that records what it was given, writes a
// message and leaves a program beside the project.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "ide/common/environment.h"
#include "ide/editor/editorform.h"
#include "ide/shell/compileform.h"
#include "ide/shell/mainform.h"
#include "kcl/components/editmessages.h"
#include "kcl/controls/application.h"
#include "kcl/controls/keys.h"
#include "kcl/controls/modal.h"
#include "kcl/controls/shortcuts.h"
#include "kcl/rtl/sysutils.h"
#include "mainwindowtest.h"
#include "support/testfiles.h"

namespace korvax {
namespace {

using namespace kcl;
using editor::EditorForm;
using test::ReadFileBytes;
using test::WriteFileBytes;
namespace fs = std::filesystem;

class CompileTest : public test::MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Compiler = InstallCompiler(Dir.File("Delphi"));
  }
  // The directories are the program's own again for the tests that follow.
  void TearDown() override {
    DelphiBinDir = SavedBinDir;
    DesktopDir = SavedDesktopDir;
    MainWindowTest::TearDown();
  }
  const std::string SavedBinDir = DelphiBinDir;
  const std::string SavedDesktopDir = DesktopDir;

  // DCC32.exe in delphiDir's "bin", which becomes the compiler's directory. It adds
  // its arguments to log, keeps the project file as it saw it in "seen.dpr", writes
  // its messages and leaves Demo.exe, which writes its working directory to "ran.txt".
  std::string InstallCompiler(const std::string& delphiDir, const std::string& log = "args.log",
                              const std::string& more = "") {
    fs::create_directories(delphiDir + "/bin");
    const std::string compiler = delphiDir + "/bin/DCC32.exe";
    WriteFileBytes(compiler, "#!/bin/sh\n"
                             "printf '%s\\n' \"$@\" >>'" + Dir.File(log) + "'\n"
                             "cat \"$2\" >'" + Dir.File("seen.dpr") + "'\n"
                             "echo 'Borland Delphi Version 10.0'\n"
                             "echo 'Unit1.pas(3) Error: Undeclared identifier'\n"
                             "echo \"$(dirname \"$2\")/UNIT1.PAS(5): Missing operator or semicolon\"\n"
                             "exe=\"${2%.dpr}.exe\"\n"
                             "printf '#!/bin/sh\\npwd >%s\\n' '" + Dir.File("ran.txt") + "' >\"$exe\"\n"
                             "chmod +x \"$exe\"\n" + more);
    fs::permissions(compiler, fs::perms(0755));
    DelphiBinDir = delphiDir + "/bin/";
    return compiler;
  }

  // Demo.dpr and Unit1.pas in dir, the open project.
  std::string OpenDemo(const std::string& dir) {
    fs::create_directories(dir);
    const std::string project = dir + "/Demo.dpr";
    WriteFileBytes(project, "program Demo;\r\n\r\nuses\r\n  Forms,\r\n  Unit1 in 'Unit1.pas' {Form1};\r\n\r\n"
                            "{$R *.RES}\r\n\r\nbegin\r\n  Application.Run;\r\nend.\r\n");
    WriteFileBytes(dir + "/Unit1.pas", "unit Unit1;\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\nend.\r\n");
    FMainForm->ProjectInfo->SetProjectFile(project);
    FMainForm->ProjectInfo->SetProjectDir(dir + "/");
    FMainForm->ProjectInfo->SetState(psOpened);
    return project;
  }

  // Every Compile Information dialog: its text goes to Shown, then act answers it
  // (OK when there is no act). Any other modal window is recorded in Questions
  // and answered No.
  void WatchCompileDialogs(std::function<void(TCompile&)> act = {}) {
    SetModalHook([this, act](TCustomForm& form) {
      auto* dialog = dynamic_cast<TCompile*>(&form);
      if (!dialog) {
        Questions.push_back(form.ClassName());
        form.SetModalResult(mrNo);
        return;
      }
      Shown.push_back(dialog->Memo1->Lines()->Text());
      OutputLeft = fs::exists(CompileOutputFile());
      if (act)
        act(*dialog);
      else
        dialog->SetModalResult(mrOk);
    });
  }

  static void DoubleClickLine(TCompile& dialog, int line) {
    auto* memo = static_cast<QPlainTextEdit*>(dialog.Memo1->Widget());
    const QRect rect = memo->cursorRect(QTextCursor(memo->document()->findBlockByNumber(line)));
    // A double click: the first press puts the caret there.
    QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, rect.center() + QPoint(6, 0));
    QTest::mouseDClick(memo->viewport(), Qt::LeftButton, {}, rect.center() + QPoint(6, 0));
  }


  std::string Message(const std::string& text) const { return Application()->Title() + ": " + text; }

  std::string Compiler;
  std::vector<std::string> Shown;
  bool OutputLeft = true;
};

const std::string Output =
    "Borland Delphi Version 10.0\r\nUnit1.pas(3) Error: Undeclared identifier\r\n";

TEST_F(CompileTest, CompileAndBuildAllShowTheCompilersOutput) {
  const std::string project = OpenDemo(Dir.File("work"));
  WatchCompileDialogs([](TCompile& dialog) {
    EXPECT_EQ(dialog.Caption(), "Compile Information");
    EXPECT_EQ(dialog.Width(), 525);
    EXPECT_EQ(dialog.Height(), 221);
    EXPECT_EQ(dialog.Memo1->Height(), 161);
    EXPECT_EQ(dialog.OKButton->Caption(), "OK");
    dialog.OKButton->Click();
  });
  MenuItem("ProjectCompileItem")->Click();
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_EQ(Shown[0].substr(0, Output.size()), Output);
  EXPECT_NE(Shown[0].find("/UNIT1.PAS(5): Missing operator"), std::string::npos);
  EXPECT_FALSE(OutputLeft) << "the dialog reads the output once";
  EXPECT_EQ(ReadFileBytes(Dir.File("args.log")), "/M\n" + project + "\n");

  MenuItem("ProjectBuildAllItem")->Click();
  EXPECT_EQ(Shown.size(), 2u);
  EXPECT_EQ(ReadFileBytes(Dir.File("args.log")), "/M\n" + project + "\n/B\n" + project + "\n");
  EXPECT_TRUE(Questions.empty());
  EXPECT_TRUE(Messages.empty());
  EXPECT_EQ(Screen()->Cursor(), crDefault);

  EXPECT_EQ(MenuItem("ProjectCompileItem")->ShortCut(), ShortCut(VK_F1 + 8, {ssCtrl}));
  EXPECT_EQ(MenuItem("RunRunItem")->ShortCut(), ShortCut(VK_F1 + 8, {}));
}

TEST_F(CompileTest, TheBatchFileIsWrittenOnceAndOutlivesAChangedSetting) {
  OpenDemo(Dir.File("work"));
  WatchCompileDialogs();
  MenuItem("ProjectCompileItem")->Click();
  const std::string batch = ReadFileBytes(SettingsDir + "execute.bat");
  EXPECT_EQ(batch, Compiler + " %1 %2 >" + SettingsDir + "compile.~tx\r\n");

  // Another installation: the batch file still runs the first one.
  InstallCompiler(Dir.File("Other"), "other.log");
  MenuItem("ProjectCompileItem")->Click();
  EXPECT_EQ(ReadFileBytes(SettingsDir + "execute.bat"), batch);
  EXPECT_FALSE(fs::exists(Dir.File("other.log")));
  EXPECT_EQ(ReadFileBytes(Dir.File("args.log")).substr(0, 3), "/M\n");
  EXPECT_EQ(Shown.size(), 2u);
  EXPECT_EQ(Shown[1].substr(0, Output.size()), Output);
}

TEST_F(CompileTest, BlanksInTheSettingsTheCompilersAndTheProjectsPaths) {
  SettingsDir = ProgramDir = Dir.File("Korvax Settings") + "/";
  fs::create_directories(SettingsDir);
  Compiler = InstallCompiler(Dir.File("Delphi 3"));
  const std::string project = OpenDemo(Dir.File("My Projects"));
  WatchCompileDialogs();
  MenuItem("ProjectCompileItem")->Click();
  EXPECT_EQ(ReadFileBytes(SettingsDir + "execute.bat"),
            "\"" + Compiler + "\" %1 %2 >\"" + SettingsDir + "compile.~tx\"\r\n");
  EXPECT_EQ(ReadFileBytes(Dir.File("args.log")), "/M\n" + project + "\n");
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_EQ(Shown[0].substr(0, Output.size()), Output);
  EXPECT_FALSE(OutputLeft);

  MenuItem("RunRunItem")->Click();
  EXPECT_EQ(test::WrittenLine(Dir.File("ran.txt")), fs::canonical(Dir.File("My Projects")).string() + "\n");
}

TEST_F(CompileTest, WithoutTheCompilerNothingRuns) {
  OpenDemo(Dir.File("work"));
  DelphiBinDir = Dir.File("nowhere") + "/bin/";
  // What an earlier run left is what the dialog shows.
  WriteFileBytes(CompileOutputFile(), "left over\r\n");
  WatchCompileDialogs();
  MenuItem("ProjectCompileItem")->Click();
  EXPECT_EQ(Messages, std::vector<std::string>{Message("Cannot find Delphi complier!")});
  EXPECT_EQ(Shown, std::vector<std::string>{"left over\r\n"});
  EXPECT_FALSE(fs::exists(CompileOutputFile()));
  EXPECT_FALSE(fs::exists(SettingsDir + "execute.bat"));

  Messages.clear();
  MenuItem("ProjectBuildAllItem")->Click();
  EXPECT_EQ(Shown, (std::vector<std::string>{"left over\r\n", ""}));
  EXPECT_EQ(Messages, std::vector<std::string>{Message("Cannot find Delphi complier!")});

  Messages.clear();
  Click(Button("sbRun"));
  EXPECT_EQ(Messages, std::vector<std::string>{Message("Cannot find Delphi complier!")});
  EXPECT_EQ(Shown.size(), 2u);
  EXPECT_FALSE(fs::exists(Dir.File("args.log")));
}

TEST_F(CompileTest, RunStartsTheProgramInTheProjectsDirectory) {
  const std::string project = OpenDemo(Dir.File("work"));
  WatchCompileDialogs();
  Click(Button("sbRun"));
  EXPECT_EQ(test::WrittenLine(Dir.File("ran.txt")), fs::canonical(Dir.File("work")).string() + "\n");
  EXPECT_EQ(ReadFileBytes(Dir.File("args.log")), "/M\n" + project + "\n");
  EXPECT_TRUE(Shown.empty()) << "Run shows no output";
  EXPECT_TRUE(Messages.empty());
  // Not shown, the output waits for the next dialog.
  EXPECT_TRUE(fs::exists(CompileOutputFile()));
}

TEST_F(CompileTest, RunReportsAProgramThatCannotStart) {
  OpenDemo(Dir.File("work"));
  InstallCompiler(Dir.File("Delphi"), "args.log", "rm -f \"$exe\"\n");
  WatchCompileDialogs();
  MenuItem("RunRunItem")->Click();
  EXPECT_EQ(Messages, std::vector<std::string>{Message("Cannot Execute Demo.exe!")});
  EXPECT_TRUE(fs::exists(Dir.File("args.log")));
}

TEST_F(CompileTest, AModifiedProjectIsCompiledAsOnDiskWhenNotSaved) {
  const std::string project = OpenDemo(Dir.File("work"));
  const std::string onDisk = ReadFileBytes(project);
  FMainForm->ProjectInfo->Source()->Add("{ changed }");
  FMainForm->ProjectInfo->SetState(psModified);
  AnswerQuestions(mrNo);
  MenuItem("RunRunItem")->Click();
  EXPECT_EQ(Questions, std::vector<std::string>{"Save Change to Demo.dpr?"});
  EXPECT_EQ(ReadFileBytes(Dir.File("seen.dpr")), onDisk);
  EXPECT_EQ(ReadFileBytes(project), onDisk);

  // Cancel goes on too, without saving.
  Questions.clear();
  AnswerQuestions(mrCancel);
  fs::remove(Dir.File("seen.dpr"));
  MenuItem("RunRunItem")->Click();
  EXPECT_EQ(Questions.size(), 1u);
  EXPECT_EQ(ReadFileBytes(Dir.File("seen.dpr")), onDisk);
}

TEST_F(CompileTest, AProjectWithoutResourceFileGetsTheDefaultOne) {
  WriteFileBytes(StartDir + "default.res", "default resources");
  OpenDemo(Dir.File("work"));
  WatchCompileDialogs();
  MenuItem("ProjectCompileItem")->Click();
  EXPECT_EQ(ReadFileBytes(Dir.File("work/Demo.res")), "default resources");

  OpenDemo(Dir.File("own"));
  WriteFileBytes(Dir.File("own/Demo.res"), "its own");
  MenuItem("ProjectCompileItem")->Click();
  EXPECT_EQ(ReadFileBytes(Dir.File("own/Demo.res")), "its own");

  // Without "default.res" the project goes to the compiler all the same.
  fs::remove(StartDir + "default.res");
  OpenDemo(Dir.File("bare"));
  MenuItem("ProjectCompileItem")->Click();
  EXPECT_FALSE(fs::exists(Dir.File("bare/Demo.res")));
  EXPECT_EQ(Shown.size(), 3u);
  EXPECT_TRUE(Messages.empty());
}

TEST_F(CompileTest, ADoubleClickOnAMessageOpensItsUnitAtItsLine) {
  OpenDemo(Dir.File("work"));
  // The caret's line in the active page, when that shows the project's unit.
  const auto caretLine = [this] {
    TRichEdit* edit = EditorForm->ActiveEditor();
    return edit && EditorForm->FileNameOf(edit) == Dir.File("work/Unit1.pas")
               ? static_cast<int>(edit->Perform(EM_LINEFROMCHAR, static_cast<uintptr_t>(-1), 0))
               : -1;
  };
  TModalResult result = mrNone;
  const auto doubleClick = [&](int line) {
    WatchCompileDialogs([&, line](TCompile& dialog) {
      // A line that names no source leaves the dialog open.
      DoubleClickLine(dialog, 0);
      EXPECT_EQ(dialog.ModalResult(), mrNone);
      DoubleClickLine(dialog, line);
      result = dialog.ModalResult();
      if (result == mrNone) dialog.SetModalResult(mrCancel);
    });
    MenuItem("ProjectCompileItem")->Click();
  };
  const int pages = EditorForm->PageControl1->PageCount();
  doubleClick(1);
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(caretLine(), 2);
  EXPECT_EQ(EditorForm->PageControl1->PageCount(), pages + 1);
  // A path, in another letter case.
  doubleClick(2);
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(caretLine(), 4);
  // A unit that is not there opens nothing.
  EXPECT_EQ(EditorForm->PageControl1->PageCount(), pages + 1) << "the open page is brought up";
  fs::remove(Dir.File("work/Unit1.pas"));
  EditorForm->ClosePage(EditorForm->ActiveEditor());
  doubleClick(1);
  EXPECT_EQ(result, mrNone);
  EXPECT_EQ(EditorForm->PageControl1->PageCount(), pages);
}

// The compiler takes a while: the windows paint meanwhile, under the hourglass,
// and a key pressed meanwhile is dropped.
TEST_F(CompileTest, WhileTheCompilerRunsTheWindowsPaintAndTakeNoInput) {
  OpenDemo(Dir.File("work"));
  InstallCompiler(Dir.File("Delphi"), "args.log", "sleep 0.6\necho done\n");
  TRichEdit* edit = EditorForm->RichEdit1;
  const std::string text = edit->Lines()->Text();
  const auto typeX = [edit] {
    QCoreApplication::postEvent(edit->Widget(), new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x"));
  };
  bool compiling = false;
  int paints = 0;
  struct TPaintCounter : QObject {
    std::function<void()> Counted;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) Counted();
      return false;
    }
  } counter;
  counter.Counted = [&] { paints += compiling; };
  FMainForm->Widget()->installEventFilter(&counter);
  TCursor cursorMeanwhile = crDefault;
  QTimer::singleShot(100, [&] {
    cursorMeanwhile = Screen()->Cursor();
    typeX();
    FMainForm->Widget()->update();
  });
  compiling = true;
  EXPECT_TRUE(FMainForm->Compile("/M"));
  compiling = false;
  FMainForm->Widget()->removeEventFilter(&counter);
  EXPECT_GT(paints, 0);
  EXPECT_EQ(cursorMeanwhile, crHourGlass);
  EXPECT_EQ(Screen()->Cursor(), crDefault);
  // The wait ended with the compiler.
  EXPECT_EQ(ReadFileBytes(CompileOutputFile()).substr(ReadFileBytes(CompileOutputFile()).size() - 5), "done\n");
  Application()->ProcessMessages();
  EXPECT_EQ(edit->Lines()->Text(), text);

  // The same key when nothing runs is typed.
  typeX();
  Application()->ProcessMessages();
  EXPECT_NE(edit->Lines()->Text(), text);
}

TEST_F(CompileTest, TheImageEditorAndTheDatabaseDesktop) {
  WriteFileBytes(DelphiBinDir + "IMAGEDIT.EXE", "#!/bin/sh\necho image >'" + Dir.File("tool.txt") + "'\n");
  fs::permissions(DelphiBinDir + "IMAGEDIT.EXE", fs::perms(0755));
  MenuItem("ToolsImageEditorItem")->Click();
  EXPECT_EQ(test::WrittenLine(Dir.File("tool.txt")), "image\n");
  EXPECT_TRUE(Messages.empty());
  fs::remove(DelphiBinDir + "IMAGEDIT.EXE");
  MenuItem("ToolsImageEditorItem")->Click();
  EXPECT_EQ(Messages, std::vector<std::string>{Message("Cannot Execute Program !")});

  Messages.clear();
  // The setting is used as it is: no separator is added.
  DesktopDir = Dir.File("dbd") + "/";
  MenuItem("ToolsDatabaseDesktopItem")->Click();
  EXPECT_EQ(Messages, std::vector<std::string>{Message("Cannot Execute Program!")});
  Messages.clear();
  fs::create_directories(DesktopDir);
  fs::remove(Dir.File("tool.txt"));
  WriteFileBytes(DesktopDir + "DBD32.EXE", "#!/bin/sh\necho desktop >'" + Dir.File("tool.txt") + "'\n");
  fs::permissions(DesktopDir + "DBD32.EXE", fs::perms(0755));
  MenuItem("ToolsDatabaseDesktopItem")->Click();
  EXPECT_EQ(test::WrittenLine(Dir.File("tool.txt")), "desktop\n");
  EXPECT_TRUE(Messages.empty());
  EXPECT_EQ(Screen()->Cursor(), crDefault);
}

}  // namespace
}  // namespace korvax
