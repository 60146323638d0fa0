// Where a project's members are.
#include "ide/project/projectpaths.h"

#include <gtest/gtest.h>

namespace korvax {
namespace {

TEST(ProjectPaths, AMemberBelowTheProjectIsNamedRelativeToIt) {
  EXPECT_EQ(ProjectRelativePath("/p/app/", "/p/app/Tools.pas"), "Tools.pas");
  EXPECT_EQ(ProjectRelativePath("/p/app/", "/p/app/sub/../lib/Tools.pas"), "lib/Tools.pas");
  EXPECT_EQ(ProjectRelativePath("/p/app/", "/p/other/Tools.pas"), "/p/other/Tools.pas");
  EXPECT_EQ(ProjectRelativePath("/p/app/", "/p/application/Tools.pas"), "/p/application/Tools.pas");
}

TEST(ProjectPaths, AUnitsEntryFindsItsFile) {
  EXPECT_EQ(UnitFileOfEntry("/p/", "Unit1"), "/p/Unit1.pas");
  EXPECT_EQ(UnitFileOfEntry("/p/", "Unit1.pas"), "/p/Unit1.pas");
  EXPECT_EQ(UnitFileOfEntry("/p/", "lib/Tools.pas"), "/p/lib/Tools.pas");
  EXPECT_EQ(UnitFileOfEntry("/p/", "/q/Unit2.pas"), "/q/Unit2.pas");
  EXPECT_EQ(UnitFileOfEntry("/p/", "C:\\Units\\Unit2.pas"), "C:\\Units\\Unit2.pas");
  EXPECT_EQ(UnitNameOfEntry("/q/Unit2.pas"), "Unit2");
  EXPECT_EQ(UnitNameOfEntry("Unit1"), "Unit1");
}

}  // namespace
}  // namespace korvax
