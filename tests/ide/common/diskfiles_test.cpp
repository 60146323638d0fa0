#include "ide/common/diskfiles.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/testfiles.h"

namespace korvax {
namespace {

// A project written on Windows names its files in any letter case.
TEST(DiskFileName, FindsTheFileWhoseNameDiffersOnlyInLetterCase) {
  test::TempDir dir;
  test::WriteFileBytes(dir.File("XCHARTF.PAS"), "unit XChartF;");
  EXPECT_EQ(DiskFileName(dir.File("XChartF.pas")), dir.File("XCHARTF.PAS"));
  EXPECT_EQ(DiskFileName(dir.File("XCHARTF.PAS")), dir.File("XCHARTF.PAS"));
  EXPECT_TRUE(DiskFileExists(dir.File("xchartf.pas")));
  // No such file in any case: the name as it was.
  EXPECT_EQ(DiskFileName(dir.File("XChartF.dfm")), dir.File("XChartF.dfm"));
  EXPECT_FALSE(DiskFileExists(dir.File("XChartF.dfm")));
  EXPECT_EQ(DiskFileName(dir.File("missing/XChartF.pas")), dir.File("missing/XChartF.pas"));
  EXPECT_EQ(DiskFileName(""), "");

  // The exact name wins; of several others, the first in name order.
  test::WriteFileBytes(dir.File("Main.pas"), "");
  test::WriteFileBytes(dir.File("MAIN.pas"), "");
  EXPECT_EQ(DiskFileName(dir.File("Main.pas")), dir.File("Main.pas"));
  EXPECT_EQ(DiskFileName(dir.File("main.PAS")), dir.File("MAIN.pas"));
  // A directory is no file.
  std::filesystem::create_directory(dir.File("UNIT1.PAS"));
  EXPECT_FALSE(DiskFileExists(dir.File("Unit1.pas")));
}

TEST(DiskFileName, TellsNamesOfOneFileAndOfOneUnit) {
  test::TempDir dir;
  test::WriteFileBytes(dir.File("UNIT2.PAS"), "");
  EXPECT_TRUE(SameDiskFile(dir.File("Unit2.pas"), dir.File("UNIT2.PAS")));
  EXPECT_TRUE(SameDiskFile(dir.File("Unit2.pas"), dir.Path() + "/./unit2.pas"));
  EXPECT_FALSE(SameDiskFile(dir.File("Unit2.pas"), dir.File("Unit3.pas")));
  // Files that are not there are the same by name alone.
  EXPECT_TRUE(SameDiskFile(dir.File("New.pas"), dir.File("New.pas")));
  EXPECT_FALSE(SameDiskFile("Unit1.pas", dir.File("Unit1.pas")));

  EXPECT_TRUE(SameUnitName("XChartF", "/p/XCHARTF.PAS"));
  EXPECT_TRUE(SameUnitName("C:\\p\\Main.dfm", "main.pas"));
  EXPECT_FALSE(SameUnitName("Unit1.pas", "Unit10.pas"));
  EXPECT_FALSE(SameUnitName("Main.pas", "/Main/About.pas"));
}

}  // namespace
}  // namespace korvax
