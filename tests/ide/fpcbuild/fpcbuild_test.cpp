#include "ide/fpcbuild/fpcbuild.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "support/testfiles.h"
#include "testproject.h"

namespace korvax::fpcbuild {
namespace {

namespace fs = std::filesystem;

class FreePascalBuild : public testing::Test {
protected:
  void SetUp() override { ASSERT_EQ(Fpc.Problem, ""); }

  TBuildResult Build(bool buildAll = false) {
    TBuildRequest request;
    request.ProjectFile = Dir.File("Project1.dpr");
    request.BuildAll = buildAll;
    request.OutputFile = Dir.File("compile.~tx");
    request.WhileWaiting = [this] { ++Waits; };
    return BuildWithFreePascal(Fpc, request);
  }
  // The user's files: all but the build's folder and the output the test asked for.
  std::map<std::string, std::string> UsersFiles() const {
    auto files = test::TreeContents(Dir.Path(), "fpc-build");
    files.erase("compile.~tx");
    return files;
  }

  const TFreePascal Fpc = FindFreePascal("");
  test::TempDir Dir;
  int Waits = 0;
};

TEST_F(FreePascalBuild, AProjectIsBuiltBesideItselfAndTheUsersFilesStayAsTheyWere) {
  test::WriteButtonProject(Dir.Path(), {.BinaryForm = false});
  const auto before = UsersFiles();
  const TBuildResult result = Build();
  EXPECT_TRUE(result.Built) << result.Messages;
  EXPECT_EQ(result.Program, Dir.File("fpc-build/Project1"));
  EXPECT_EQ(::access(result.Program.c_str(), X_OK), 0);
  EXPECT_NE(result.Messages.find("Linking"), std::string::npos) << result.Messages;
  EXPECT_NE(result.Messages.find("Compiling Unit1.pas\n"), std::string::npos) << result.Messages;
  EXPECT_EQ(test::ReadFileBytes(Dir.File("compile.~tx")), result.Messages);
  EXPECT_GT(Waits, 0);
  EXPECT_EQ(UsersFiles(), before);

  // Again without a change, then every unit again: the program is built each time.
  EXPECT_TRUE(Build().Built);
  const TBuildResult all = Build(true);
  EXPECT_TRUE(all.Built) << all.Messages;
  EXPECT_NE(all.Messages.find("Compiling Unit1.pas\n"), std::string::npos) << all.Messages;
  EXPECT_EQ(UsersFiles(), before);
}

TEST_F(FreePascalBuild, AUnitThatNeedsAWindowsOnlyUnitIsNamedWithIt) {
  test::WriteButtonProject(Dir.Path(), {.UnitUses = "Windows, Forms, StdCtrls, DBTables"});
  const TBuildResult result = Build();
  EXPECT_FALSE(result.Built);
  EXPECT_FALSE(fs::exists(result.Program));
  EXPECT_NE(result.Messages.find("Unit1.pas(6,"), std::string::npos) << result.Messages;
  EXPECT_NE(result.Messages.find("Korvax: Unit1 needs the unit DBTables, which exists only on Windows"),
            std::string::npos)
      << result.Messages;
}

TEST_F(FreePascalBuild, AnErrorInAUnitOfAFolderNamesTheUsersFileAndLine) {
  test::WriteButtonProject(Dir.Path());
  fs::create_directories(Dir.File("Sub"));
  test::WriteFileBytes(Dir.File("Sub/TOOLS.PAS"), "unit Tools;\r\ninterface\r\nimplementation\r\nbegin\r\n  Oops;\r\nend.\r\n");
  std::string program = test::ReadFileBytes(Dir.File("Project1.dpr"));
  program.replace(program.find("{Form1}"), 7, "{Form1},\r\n  Tools in 'Sub\\Tools.pas'");
  test::WriteFileBytes(Dir.File("Project1.dpr"), program);
  const TBuildResult result = Build();
  EXPECT_FALSE(result.Built);
  EXPECT_NE(result.Messages.find(Dir.File("Sub/TOOLS.PAS") + "(5,"), std::string::npos) << result.Messages;
}

TEST_F(FreePascalBuild, AFormThatCannotBeReadStopsTheBuildAndIsNamed) {
  test::WriteButtonProject(Dir.Path());
  test::WriteFileBytes(Dir.File("Unit1.dfm"), std::string("\xff\x0a\x00TFORM1\x00\x30\x10\x05\x00\x00\x00TPF0\x06", 18));
  const TBuildResult result = Build();
  EXPECT_FALSE(result.Built);
  EXPECT_TRUE(result.Messages.starts_with("Unit1.dfm: ")) << result.Messages;
  EXPECT_NE(result.Messages.find("nothing was compiled"), std::string::npos) << result.Messages;
  EXPECT_EQ(test::ReadFileBytes(Dir.File("compile.~tx")), result.Messages);
}

TEST(FreePascal, AMissingCompilerIsNamed) {
  EXPECT_EQ(FindFreePascal("/nonexistent/fpc").Problem, "Cannot find the Free Pascal compiler /nonexistent/fpc!");
  const TFreePascal found = FindFreePascal("");
  ASSERT_EQ(found.Problem, "");
  EXPECT_FALSE(found.Widgetset.empty());
  ASSERT_FALSE(found.UnitDirs.empty());
  EXPECT_TRUE(fs::exists(found.UnitDirs.front() + "/interfaces.ppu"));
}

}  // namespace
}  // namespace korvax::fpcbuild
