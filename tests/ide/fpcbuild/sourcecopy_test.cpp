#include "ide/fpcbuild/sourcecopy.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ide/fpcbuild/formresource.h"
#include "support/testfiles.h"
#include "testproject.h"

namespace korvax::fpcbuild {
namespace {

namespace fs = std::filesystem;

class SourceCopy : public testing::Test {
protected:
  SourceCopy() {
    test::WriteButtonProject(Dir.Path());
    fs::create_directories(Dir.File("Sub"));
    fs::create_directories(Dir.File(".git"));
    fs::create_directories(Dir.File("fpc-build"));
    test::WriteFileBytes(Dir.File("Sub/TOOLS.PAS"), "unit Tools;\ninterface\nimplementation\nend.\n");
    test::WriteFileBytes(Dir.File("Sub/Picture.bmp"), "BM");
    test::WriteFileBytes(Dir.File(".git/Hidden.pas"), "unit Hidden;");
    test::WriteFileBytes(Dir.File("fpc-build/Old.pas"), "unit Old;");
  }
  TSourceCopy Copy() { return CopySources(Dir.Path(), Dir.File("Project1.dpr"), CopyDir(), Dir.File("fpc-build")); }
  std::string CopyDir() const { return Dir.File("fpc-build/src"); }
  std::string Copied(const std::string& name) const { return test::ReadFileBytes(CopyDir() + "/" + name); }

  test::TempDir Dir;
};

TEST_F(SourceCopy, SourcesAreCopiedFormsBecomeResourcesAndTheUsersFilesStay) {
  const auto before = test::TreeContents(Dir.Path(), "fpc-build");
  const TSourceCopy copy = Copy();
  EXPECT_TRUE(copy.Problems.empty());
  EXPECT_EQ(test::TreeContents(Dir.Path(), "fpc-build"), before);

  EXPECT_EQ(Copied("Unit1.pas"), before.at("Unit1.pas"));
  EXPECT_EQ(Copied("Sub/TOOLS.PAS"), before.at("Sub/TOOLS.PAS"));
  EXPECT_EQ(Copied("Unit1.dfm"), ResourceFileOf(ReadFormResource(before.at("Unit1.dfm"))));
  // Only sources: no picture, nothing of hidden folders or of the build itself.
  EXPECT_FALSE(fs::exists(CopyDir() + "/Sub/Picture.bmp"));
  EXPECT_FALSE(fs::exists(CopyDir() + "/.git"));
  EXPECT_FALSE(fs::exists(CopyDir() + "/fpc-build"));
  // The project had no resource file: an empty one is linked.
  EXPECT_EQ(Copied("Project1.res"), EmptyResourceFile());
  EXPECT_TRUE(copy.PropertyNames.count("OldCreateOrder"));
  EXPECT_EQ(copy.Originals.at(CopyDir() + "/Unit1.pas"), Dir.File("Unit1.pas"));
}

TEST_F(SourceCopy, FilesAreFoundUnderTheNamesTheSourcesMaySpell) {
  const TSourceCopy copy = Copy();
  for (const char* name : {"sub/tools.pas", "Sub/tools.pas", "Sub/TOOLS.pas", "Sub/tools.PAS", "Sub/TOOLS.PAS"}) {
    const std::string path = CopyDir() + "/" + name;
    if (std::string(name).starts_with("sub/")) {
      EXPECT_FALSE(fs::exists(path)) << "folders keep their names";
      continue;
    }
    EXPECT_EQ(test::ReadFileBytes(path), Copied("Sub/TOOLS.PAS")) << name;
    EXPECT_EQ(copy.Originals.at(path), Dir.File("Sub/TOOLS.PAS")) << name;
  }
  // {$R *.DFM} in a unit found as unit1.pas names unit1.DFM.
  EXPECT_EQ(Copied("unit1.DFM"), Copied("Unit1.dfm"));
  EXPECT_EQ(NameVariants("Unit1.Pas"),
            (std::vector<std::string>{"Unit1.pas", "Unit1.PAS", "unit1.Pas", "unit1.pas", "unit1.PAS"}));
}

TEST_F(SourceCopy, ACopyAgainWritesOnlyWhatChangedAndDropsWhatIsGone) {
  Copy();
  const fs::file_time_type unitTime = fs::last_write_time(CopyDir() + "/Unit1.pas");
  fs::last_write_time(CopyDir() + "/Unit1.pas", unitTime - std::chrono::hours(1));
  test::WriteFileBytes(Dir.File("Sub/TOOLS.PAS"), "unit Tools;\ninterface\nconst A = 1;\nimplementation\nend.\n");
  fs::remove(Dir.File("Unit1.dfm"));
  test::WriteFileBytes(Dir.File("Project1.RES"), EmptyResourceFile() + "own");

  const TSourceCopy copy = Copy();
  EXPECT_EQ(fs::last_write_time(CopyDir() + "/Unit1.pas"), unitTime - std::chrono::hours(1));
  EXPECT_EQ(Copied("Sub/tools.pas"), test::ReadFileBytes(Dir.File("Sub/TOOLS.PAS")));
  EXPECT_FALSE(fs::exists(CopyDir() + "/Unit1.dfm"));
  EXPECT_FALSE(fs::exists(CopyDir() + "/unit1.DFM"));
  // The project's own resource file now, under the name {$R *.RES} looks for too.
  EXPECT_EQ(Copied("Project1.res"), EmptyResourceFile() + "own");
  EXPECT_FALSE(copy.Originals.count(CopyDir() + "/Unit1.dfm"));
}

TEST_F(SourceCopy, AFormThatCannotBeReadIsNamedWithTheReason) {
  test::WriteFileBytes(Dir.File("Sub/Broken.dfm"), "object Broken: TForm\r\n  Left = \r\n");
  const TSourceCopy copy = Copy();
  ASSERT_EQ(copy.Problems.size(), 1u);
  EXPECT_TRUE(copy.Problems[0].starts_with("Sub/Broken.dfm: ")) << copy.Problems[0];
  EXPECT_GT(copy.Problems[0].size(), std::string("Sub/Broken.dfm: ").size());
}

}  // namespace
}  // namespace korvax::fpcbuild
