#include "kcl/rtl/sysutils.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "kcl/rtl/exceptions.h"
#include "support/testfiles.h"

namespace kcl {
namespace {

std::string ConvertErrorOf(std::string_view format, std::initializer_list<FormatArg> args) {
  try {
    Format(format, args);
  } catch (const EConvertError& e) {
    return e.Message();
  }
  return "no error";
}

TEST(FormatTest, DirectivesWidthAndPrecision) {
  EXPECT_EQ(Format("%s=%d", {"Left", 12}), "Left=12");
  EXPECT_EQ(Format("[%-6s][%6s]", {"ab", "cd"}), "[ab    ][    cd]");
  EXPECT_EQ(Format("[%.3s][%5.2s]", {"abcdef", "xyz"}), "[abc][   xy]");
  EXPECT_EQ(Format("%.8x", {255}), "000000FF");
  EXPECT_EQ(Format("%x %X", {48879, 10}), "BEEF A");
  EXPECT_EQ(Format("%.5d|%5d|%-5d|", {-12, -12, 7}), "-00012|  -12|7    |");
  EXPECT_EQ(Format("%u %x", {-1, -1}), "4294967295 FFFFFFFF");
  EXPECT_EQ(Format("%d", {static_cast<long long>(INT64_MIN)}), "-9223372036854775808");
  EXPECT_EQ(Format("100%% %s%%", {"sure"}), "100% sure%");
  EXPECT_EQ(Format("  %-18s%-s", {"Name", "Value"}), "  Name              Value");
  EXPECT_EQ(Format("no directives", {1}), "no directives");
}

TEST(FormatTest, BadDirectivesRaiseConvertError) {
  const std::string expected = "Format '%d' invalid or incompatible with argument";
  EXPECT_EQ(ConvertErrorOf("%d", {"text"}), expected);
  EXPECT_EQ(ConvertErrorOf("%s", {5}), "Format '%s' invalid or incompatible with argument");
  EXPECT_EQ(ConvertErrorOf("%d %d", {1}), "Format '%d %d' invalid or incompatible with argument");
  EXPECT_EQ(ConvertErrorOf("%q", {1}), "Format '%q' invalid or incompatible with argument");
  EXPECT_EQ(ConvertErrorOf("50%", {1}), "Format '50%' invalid or incompatible with argument");
  EXPECT_EQ(ConvertErrorOf("%99999999999s", {"x"}), "Format '%99999999999s' invalid or incompatible with argument");
}

TEST(IntegerTextTest, IntToStrAndHex) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-2147483648LL), "-2147483648");
  EXPECT_EQ(IntToStr(1234567890123LL), "1234567890123");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(0x12345, 2), "12345");
  EXPECT_EQ(IntToHex(-1, 1), "FFFFFFFF");
}

TEST(IntegerTextTest, StrToIntAcceptsFrameworkForms) {
  EXPECT_EQ(StrToInt("42"), 42);
  EXPECT_EQ(StrToInt("   -17"), -17);
  EXPECT_EQ(StrToInt("+8"), 8);
  EXPECT_EQ(StrToInt("$1F"), 31);
  EXPECT_EQ(StrToInt("-$10"), -16);
  EXPECT_EQ(StrToInt("0x7fffffff"), 2147483647);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(StrToInt("2147483647"), INT32_MAX);
}

TEST(IntegerTextTest, StrToIntRejectsEverythingElse) {
  for (const char* bad : {"", " ", "-", "$", "0x", "12 ", "1.5", "abc", "2147483648", "-2147483649", "$100000000",
                          "99999999999999999999", "\t5", "0x-1"}) {
    SCOPED_TRACE(bad);
    int32_t value = 99;
    EXPECT_FALSE(TryStrToInt(bad, value));
    EXPECT_EQ(value, 99);
    EXPECT_EQ(StrToIntDef(bad, -3), -3);
  }
  try {
    StrToInt("12abc");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'12abc' is not a valid integer value");
  }
}

TEST(StringTest, TrimTouchesOnlyControlAndBlankBytes) {
  EXPECT_EQ(Trim(" \t\r\n\x01 ab c \0"), "ab c");
  EXPECT_EQ(Trim(std::string_view("\0x\0", 3)), "x");
  EXPECT_EQ(TrimLeft("  a  "), "a  ");
  EXPECT_EQ(TrimRight("  a  "), "  a");
  EXPECT_EQ(Trim("\xA0word\xA0"), "\xA0word\xA0");
  EXPECT_EQ(Trim("   "), "");
}

TEST(StringTest, CaseMappingAndComparisonAreAscii) {
  EXPECT_EQ(UpperCase("abc\xE9z1"), "ABC\xE9Z1");
  EXPECT_EQ(LowerCase("ABC\xC9Z1"), "abc\xC9z1");
  EXPECT_EQ(CompareText("Button1", "BUTTON1"), 0);
  EXPECT_LT(CompareText("abc", "ABD"), 0);
  EXPECT_GT(CompareText("abcd", "ABC"), 0);
  EXPECT_LT(CompareText("a", "_"), 0);  // compared upper-cased, as the framework does
  EXPECT_GT(CompareText("\xE9", "z"), 0);
  EXPECT_TRUE(SameText("Form1", "fORM1"));
  EXPECT_FALSE(SameText("\xE9", "\xC9"));
  EXPECT_LT(CompareStr("B", "a"), 0);
  EXPECT_GT(CompareStr("\x80", "a"), 0);
  EXPECT_EQ(CompareStr("x", "x"), 0);
}

TEST(StringTest, QuotedStrAndIdentifiers) {
  EXPECT_EQ(QuotedStr("it's"), "'it''s'");
  EXPECT_EQ(QuotedStr(""), "''");
  EXPECT_TRUE(IsValidIdent("_Form1"));
  EXPECT_TRUE(IsValidIdent("x"));
  EXPECT_FALSE(IsValidIdent(""));
  EXPECT_FALSE(IsValidIdent("1abc"));
  EXPECT_FALSE(IsValidIdent("a b"));
  EXPECT_FALSE(IsValidIdent("caf\xE9"));
}

TEST(FileNameTest, PartsWithBothSeparators) {
  EXPECT_EQ(ExtractFilePath("C:\\Delphi\\Bin\\dcc32.exe"), "C:\\Delphi\\Bin\\");
  EXPECT_EQ(ExtractFilePath("/home/me/unit1.pas"), "/home/me/");
  EXPECT_EQ(ExtractFilePath("unit1.pas"), "");
  EXPECT_EQ(ExtractFileDir("/home/me/unit1.pas"), "/home/me");
  EXPECT_EQ(ExtractFileDir("/unit1.pas"), "/");
  EXPECT_EQ(ExtractFileDir("C:\\unit1.pas"), "C:\\");
  EXPECT_EQ(ExtractFileName("a/b\\c.dfm"), "c.dfm");
  EXPECT_EQ(ExtractFileName("dir/"), "");
  EXPECT_EQ(ExtractFileExt("Project1.DPR"), ".DPR");
  EXPECT_EQ(ExtractFileExt("my.dir/readme"), "");
  EXPECT_EQ(ExtractFileExt("my.dir\\readme"), "");
  EXPECT_EQ(ExtractFileExt("a.tar.gz"), ".gz");
  EXPECT_EQ(ChangeFileExt("unit1.pas", ".dfm"), "unit1.dfm");
  EXPECT_EQ(ChangeFileExt("my.dir/unit1", ".pas"), "my.dir/unit1.pas");
  EXPECT_EQ(ChangeFileExt("unit1.pas", ""), "unit1");
  EXPECT_EQ(NativePath("a\\b/c"), "a/b/c");
}

TEST(FileNameTest, ExpandFileNameIsAbsoluteAndNormal) {
  const std::string cwd = std::filesystem::current_path().string();
  EXPECT_EQ(ExpandFileName("x.pas"), cwd + "/x.pas");
  EXPECT_EQ(ExpandFileName("sub\\..\\y.pas"), cwd + "/y.pas");
  EXPECT_EQ(ExpandFileName("/a/b/../c/./d.pas"), "/a/c/d.pas");
  EXPECT_EQ(ExpandFileName("/a/b/.."), "/a");
  EXPECT_EQ(ExpandFileName("/a/b/"), "/a/b/");
  EXPECT_EQ(ExpandFileName(""), "");
}

class FileSystemTest : public testing::Test {
protected:
  void SetUp() override {
    std::filesystem::create_directory(FDir.File("sub"));
    korvax::test::WriteFileBytes(At("file.txt"), "data");
  }
  std::string At(const std::string& name) const { return FDir.File(name); }

  korvax::test::TempDir FDir;
};

TEST_F(FileSystemTest, ExistenceTellsFilesFromDirectories) {
  EXPECT_TRUE(FileExists(At("file.txt")));
  EXPECT_FALSE(FileExists(At("sub")));
  EXPECT_FALSE(FileExists(At("missing")));
  EXPECT_TRUE(DirectoryExists(At("sub")));
  EXPECT_FALSE(DirectoryExists(At("file.txt")));
  std::string windowsStyle = At("sub");
  windowsStyle.replace(windowsStyle.rfind('/'), 1, "\\");
  EXPECT_TRUE(DirectoryExists(windowsStyle));
}

TEST_F(FileSystemTest, DeleteAndRenameNeverTouchOtherThings) {
  EXPECT_FALSE(DeleteFile(At("sub")));
  EXPECT_TRUE(DirectoryExists(At("sub")));
  korvax::test::WriteFileBytes(At("other.txt"), "keep");
  EXPECT_FALSE(RenameFile(At("file.txt"), At("other.txt")));
  EXPECT_TRUE(FileExists(At("file.txt")));
  EXPECT_TRUE(RenameFile(At("file.txt"), At("moved.txt")));
  EXPECT_FALSE(FileExists(At("file.txt")));
  EXPECT_FALSE(RenameFile(At("file.txt"), At("again.txt")));
  EXPECT_TRUE(DeleteFile(At("moved.txt")));
  EXPECT_FALSE(DeleteFile(At("moved.txt")));
  EXPECT_EQ(korvax::test::ReadFileBytes(At("other.txt")), "keep");
}

}  // namespace
}  // namespace kcl
