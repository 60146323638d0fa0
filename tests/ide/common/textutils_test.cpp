#include "ide/common/textutils.h"

#include <gtest/gtest.h>

using namespace korvax;

TEST(ExtractBaseName, DropsDirectoryAndFourCharactersWheneverThePathHasADot) {
  EXPECT_EQ(ExtractBaseName("C:\\a\\Unit1.pas"), "Unit1");
  EXPECT_EQ(ExtractBaseName("/home/me/Form2.dfm"), "Form2");
  EXPECT_EQ(ExtractBaseName("Form1"), "Form1");
  EXPECT_EQ(ExtractBaseName("C:\\my.dir\\Unit1"), "U");
  EXPECT_EQ(ExtractBaseName("Unit1.dpr~"), "Unit1.");
  // Names shorter than four characters become empty.
  for (const char* path : {"", ".", "a.b", "C:\\x.y\\ab", "C:\\a.b\\"}) EXPECT_EQ(ExtractBaseName(path), "") << path;
}
