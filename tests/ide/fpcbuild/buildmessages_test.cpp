#include "ide/fpcbuild/buildmessages.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/testfiles.h"

namespace korvax::fpcbuild {
namespace {

class BuildMessages : public testing::Test {
protected:
  BuildMessages() {
    std::filesystem::create_directories(Dir.File("Sub"));
    test::WriteFileBytes(Dir.File("Unit1.pas"), "unit Unit1;\ninterface\nuses Windows, Forms;\n");
    test::WriteFileBytes(Dir.File("Sub/TOOLS.PAS"), "unit Tools;\ninterface\nuses SysUtils;\n");
    Copy.Originals[CopyDir + "/Unit1.pas"] = Dir.File("Unit1.pas");
    Copy.Originals[CopyDir + "/unit1.pas"] = Dir.File("Unit1.pas");
    Copy.Originals[CopyDir + "/Sub/tools.pas"] = Dir.File("Sub/TOOLS.PAS");
  }
  std::string Messages(const std::string& output) const {
    return UserMessages(output, Copy, CopyDir, Dir.Path(), {"Windows", "Messages"});
  }

  test::TempDir Dir;
  std::string CopyDir = Dir.File("fpc-build/src");
  TSourceCopy Copy;
};

TEST_F(BuildMessages, FilesOfTheCopyAreNamedAsTheUsersFiles) {
  EXPECT_EQ(Messages(CopyDir + "/unit1.pas(12,3) Error: Identifier not found \"Foo\"\r\n"
                     "unit1.pas(20) Fatal: There were 1 errors compiling module, stopping\n"
                     "Compiling unit1.pas\n"
                     "Compiling " + CopyDir + "/Sub/tools.pas\n" +
                     CopyDir + "/Sub/tools.pas(3,9) Warning: Variable \"A\" does not seem to be initialized\n"
                     "Compiling resource " + Dir.File("fpc-build/lib/Project1.or") + "\n"
                     "Linking /somewhere/else/Project1"),
            "Unit1.pas(12,3) Error: Identifier not found \"Foo\"\n"
            "Korvax: Unit1 uses Windows, which Free Pascal offers on this system only as empty units: \"Foo\" may be "
            "one of their Windows-only declarations.\n"
            "Unit1.pas(20) Fatal: There were 1 errors compiling module, stopping\n"
            "Compiling Unit1.pas\n"
            "Compiling " + Dir.File("Sub/TOOLS.PAS") + "\n" +
            Dir.File("Sub/TOOLS.PAS") + "(3,9) Warning: Variable \"A\" does not seem to be initialized\n"
            "Compiling resource " + Dir.File("fpc-build/lib/Project1.or") + "\n"
            "Linking /somewhere/else/Project1\n");
}

TEST_F(BuildMessages, AMissingUnitIsExplainedByWhereItComesFrom) {
  const std::string messages =
      Messages(CopyDir + "/unit1.pas(3,20) Fatal: Can't find unit DBTables used by Unit1\n"
               "Tools.pas(3,9) Fatal: Can't find unit Gauges used by Tools\n"
               "Fatal: Can't find unit Extras used by Tools\n");
  EXPECT_NE(messages.find("Unit1.pas(3,20) Fatal: Can't find unit DBTables used by Unit1\n"
                          "Korvax: Unit1 needs the unit DBTables, which exists only on Windows"),
            std::string::npos)
      << messages;
  EXPECT_NE(messages.find("Korvax: Tools needs the unit Gauges of Delphi's component library, which the LCL does "
                          "not have"),
            std::string::npos)
      << messages;
  EXPECT_NE(messages.find("Korvax: Tools needs the unit Extras, which is neither in the project's folders"),
            std::string::npos)
      << messages;
}

TEST_F(BuildMessages, TheEmptyUnitsAreNamedOnceAUnitAndOnlyForUnitsThatUseThem) {
  const std::string messages =
      Messages(CopyDir + "/Unit1.pas(7,3) Error: Identifier not found \"RGB\"\n" + CopyDir +
               "/Unit1.pas(8,3) Error: Identifier not found \"PostMessage\"\n" + CopyDir +
               "/Sub/tools.pas(9,3) Error: Identifier not found \"Bar\"\n");
  EXPECT_EQ(messages.find("Korvax:"), messages.rfind("Korvax:")) << messages;
  EXPECT_NE(messages.find("\"RGB\" may be"), std::string::npos) << messages;
}

}  // namespace
}  // namespace korvax::fpcbuild
