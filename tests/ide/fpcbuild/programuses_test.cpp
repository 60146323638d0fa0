#include "ide/fpcbuild/programuses.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/testfiles.h"

namespace korvax::fpcbuild {
namespace {

const std::vector<std::string> Added{"Interfaces", "KorvaxForms"};

size_t Lines(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

TEST(ProgramUses, TheUnitsComeFirstOnTheUsesLineAndEveryLineKeepsItsNumber) {
  const std::string source =
      "program Project1;\r\n\r\nuses\r\n  Forms,\r\n  Unit1 in 'Unit1.pas' {Form1};\r\n\r\n{$R *.RES}\r\n";
  const std::string result = WithUnitsFirstInUses(source, Added);
  EXPECT_EQ(result,
            "program Project1;\r\n\r\nuses Interfaces, KorvaxForms,\r\n  Forms,\r\n  Unit1 in 'Unit1.pas' {Form1};"
            "\r\n\r\n{$R *.RES}\r\n");
  EXPECT_EQ(Lines(result), Lines(source));
}

TEST(ProgramUses, CommentsAndStringsThatSayUsesArePassedOver) {
  const std::string source =
      "program P; { uses nothing }\n(* uses\n Old *) // uses Old\nconst S = 'uses';\nUSES Forms;\nbegin end.\n";
  EXPECT_EQ(WithUnitsFirstInUses(source, Added),
            "program P; { uses nothing }\n(* uses\n Old *) // uses Old\nconst S = 'uses';\n"
            "USES Interfaces, KorvaxForms, Forms;\nbegin end.\n");
}

TEST(ProgramUses, AUnitTheClauseNamesIsNotNamedTwice) {
  EXPECT_EQ(WithUnitsFirstInUses("program P;\nuses\n  interfaces, Forms;\nbegin end.\n", Added),
            "program P;\nuses KorvaxForms,\n  interfaces, Forms;\nbegin end.\n");
}

TEST(ProgramUses, AProgramWithoutUsesGetsAClauseAfterItsHeading) {
  EXPECT_EQ(WithUnitsFirstInUses("program P;\nbegin\n  Halt(3);\nend.\n", Added),
            "program P; uses Interfaces, KorvaxForms;\nbegin\n  Halt(3);\nend.\n");
  // Text without a heading's ';' is left alone: the compiler reports it.
  EXPECT_EQ(WithUnitsFirstInUses("{ unfinished", Added), "{ unfinished");
}

TEST(ProgramUses, UnitFilesAreNamedAsOnDisk) {
  test::TempDir dir;
  std::filesystem::create_directories(dir.File("Sub"));
  test::WriteFileBytes(dir.File("Sub/TOOLS.PAS"), "unit Tools;");
  test::WriteFileBytes(dir.File("UNIT1.PAS"), "unit Unit1;");
  const std::string source =
      "uses\r\n  Unit1 in 'Unit1.pas' {Form1},\r\n  Tools in 'sub\\tools.pas',\r\n  Gone in 'Gone.pas';\r\n"
      "const S = 'Unit1.pas';\r\n";
  EXPECT_EQ(WithUnitPathsAsOnDisk(source, dir.Path()),
            "uses\r\n  Unit1 in 'UNIT1.PAS' {Form1},\r\n  Tools in 'Sub/TOOLS.PAS',\r\n  Gone in 'Gone.pas';\r\n"
            "const S = 'Unit1.pas';\r\n");
}

}  // namespace
}  // namespace korvax::fpcbuild
