// korvax-build run as a user's script runs it.
#include <fcntl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "kcl/platform/childprocess.h"
#include "kcl/platform/ownedfd.h"
#include "support/testfiles.h"
#include "testproject.h"

namespace korvax {
namespace {

struct TRun {
  int ExitCode = -1;
  std::string Output;
};

class KorvaxBuild : public testing::Test {
protected:
  TRun Run(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), KORVAX_BUILD_EXE);
    const std::string outputFile = Dir.File("output.txt");
    TRun run;
    {
      const kcl::TOwnedFd output(::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
      kcl::TStdio stdio;
      stdio.Fd[1] = stdio.Fd[2] = output.Get();
      const kcl::TStartResult started = kcl::StartChild(arguments, stdio);
      run.ExitCode = kcl::WaitForChild(started.Pid);
    }
    run.Output = test::ReadFileBytes(outputFile);
    return run;
  }

  test::TempDir Dir;
  std::string Project = Dir.File("Project1.dpr");
};

// The program reads its form from its resources, with the properties the LCL
// lacks skipped, and the form's OnClick is bound to the unit's handler.
TEST_F(KorvaxBuild, RunStartsTheBuiltProgramInTheProjectsFolder) {
  test::WriteButtonProject(Dir.Path(), {.ClickHook = true});
  const std::string captionFile = Dir.File("caption.txt");
  ::setenv("KORVAX_CAPTION_FILE", captionFile.c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const TRun run = Run({Project, "--build", "--run"});
  ::unsetenv("KORVAX_CAPTION_FILE");
  EXPECT_EQ(run.ExitCode, 0) << run.Output;
  ASSERT_TRUE(std::filesystem::exists(captionFile)) << run.Output;
  EXPECT_EQ(test::ReadFileBytes(captionFile), "Clicked\n");
}

TEST_F(KorvaxBuild, TheExitStatusSaysWhetherTheProgramWasBuilt) {
  test::WriteButtonProject(Dir.Path());
  TRun run = Run({Project});
  EXPECT_EQ(run.ExitCode, 0) << run.Output;
  EXPECT_NE(run.Output.find("Linking"), std::string::npos) << run.Output;

  test::WriteFileBytes(Dir.File("Unit1.pas"), "unit Unit1;\ninterface\nimplementation\nbegin\n  Oops;\nend.\n");
  run = Run({Project});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_NE(run.Output.find("Unit1.pas(5,"), std::string::npos) << run.Output;

  EXPECT_EQ(Run({Dir.File("Missing.dpr")}).ExitCode, 2);
  EXPECT_EQ(Run({Project, "--compiler", Dir.File("none/fpc")}).ExitCode, 2);
  run = Run({});
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_TRUE(run.Output.starts_with("usage: korvax-build")) << run.Output;
  EXPECT_EQ(Run({Project, "--fast"}).ExitCode, 2);
}

}  // namespace
}  // namespace korvax
