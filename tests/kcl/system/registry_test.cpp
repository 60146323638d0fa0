// TRegIniFile over Wine's user.reg files.
#include "kcl/system/registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/testfiles.h"

using kcl::TRegIniFile;
using korvax::test::TempDir;
using korvax::test::WriteFileBytes;
using namespace std::string_literals;

namespace {

const std::string SampleHive =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n"
    "\n"
    "#arch=win32\n"
    "\n"
    "[Software\\\\Borland\\\\Delphi\\\\3.0] 1700000000\n"
    "#time=1d9a0b0c0d0e0f0\n"
    "@=\"the default\"\n"
    "\"RootDir\"=\"C:\\\\Program Files\\\\Borland\\\\Delphi 3\"\n"
    "\n"
    "[Software\\\\Borland\\\\Delphi\\\\3.0\\\\HighLight] 1700000000\n"
    "#time=1d9a0b0c0d0e0f0\n"
    "\"Comment\"=\"8388608,-16777211,I,0,0,0,0\"\n"
    "\"Binary\"=hex:01,02,03,\\\n"
    "  04,05,\\\n"
    "  06\n"
    "\"After\"=\"after the hex value\"\n"
    "\"Count\"=dword:0000000a\n"
    "\"Negative\"=dword:ff000008\n"
    "\"Expand\"=str(2):\"%PATH%\"\n"
    "\"Multi\"=str(7):\"a\\0b\\0\"\n"
    "\"Escapes\"=\"q\\\"b\\\\n\\nt\\tx\\x00e9\\x263a!\"\n"
    "\"CrLf\"=\"crlf\"\r\n"
    "\n"
    "[Software\\\\Borland\\\\Delphi\\\\3.01\\\\HighLight] 1700000000\n"
    "\"Comment\"=\"other version\"\n";

class Registry : public testing::Test {
protected:
  std::string Hive(const std::string& content) {
    WriteFileBytes(FDir.File("user.reg"), content);
    return FDir.File("user.reg");
  }
  TempDir FDir;
};

}  // namespace

TEST_F(Registry, ReadsStringAndDwordValuesOfTheOpenKeyAndItsSubKeys) {
  TRegIniFile registry(Hive(SampleHive));
  ASSERT_TRUE(registry.OpenKey("Software\\Borland\\Delphi\\3.0"));
  EXPECT_EQ(registry.ReadString("HighLight", "Comment", "-"), "8388608,-16777211,I,0,0,0,0");
  EXPECT_EQ(registry.ReadString("", "RootDir", "-"), "C:\\Program Files\\Borland\\Delphi 3");
  EXPECT_EQ(registry.ReadString("", "", "-"), "the default");
  EXPECT_EQ(registry.ReadString("HighLight", "Count", "-"), "10");
  EXPECT_EQ(registry.ReadString("HighLight", "Negative", "-"), "-16777208");
  EXPECT_EQ(registry.ReadString("HighLight", "Expand", "-"), "%PATH%");
  EXPECT_EQ(registry.ReadString("HighLight", "Escapes", "-"), "q\"b\\n\nt\tx\xE9?!");
  EXPECT_EQ(registry.ReadString("HighLight", "CrLf", "-"), "crlf");
  // Hex values and their continuation lines are skipped, the next value is read.
  EXPECT_EQ(registry.ReadString("HighLight", "Binary", "-"), "-");
  EXPECT_EQ(registry.ReadString("HighLight", "After", "-"), "after the hex value");
  EXPECT_EQ(registry.ReadString("HighLight", "Multi", "-"), "-");

  registry.CloseKey();
  EXPECT_EQ(registry.ReadString("HighLight", "Comment", "closed"), "closed");
}

TEST_F(Registry, NamesCompareWithoutCaseAndKeysMatchWhole) {
  TRegIniFile registry(Hive(SampleHive));
  ASSERT_TRUE(registry.OpenKey("\\software\\BORLAND\\delphi\\3.0\\"));
  EXPECT_EQ(registry.ReadString("highlight", "COMMENT", "-"), "8388608,-16777211,I,0,0,0,0");
  ASSERT_TRUE(registry.OpenKey("Software\\Borland\\Delphi\\3.01"));
  EXPECT_EQ(registry.ReadString("HighLight", "Comment", "-"), "other version");
  ASSERT_TRUE(registry.OpenKey("Software\\Borland"));
  EXPECT_EQ(registry.ReadString("Delphi\\3.0\\HighLight", "Comment", "-"), "8388608,-16777211,I,0,0,0,0");

  EXPECT_FALSE(registry.OpenKey("Software\\Borland\\Delphi\\2.0"));
  EXPECT_EQ(registry.ReadString("HighLight", "Comment", "default"), "default");
  EXPECT_FALSE(registry.OpenKey("Software\\Borland\\Delphi\\3"));
  EXPECT_EQ(registry.ReadString("", "RootDir", "default"), "default");
}

TEST_F(Registry, MissingOrForeignFilesGiveDefaults) {
  for (const std::string& file : {FDir.File("missing.reg"), ""s, FDir.Path(),
                                  Hive("REGEDIT4\n[Software\\\\A] 1\n\"V\"=\"x\"\n")}) {
    TRegIniFile registry(file);
    EXPECT_FALSE(registry.OpenKey("Software\\A")) << file;
    EXPECT_EQ(registry.ReadString("", "V", "default"), "default");
  }
}

TEST_F(Registry, MalformedLinesAreSkipped) {
  const std::string hive = Hive(
      "WINE REGISTRY Version 2\n"
      "\"Orphan\"=\"before any key\"\n"
      "[Software\\\\A] 1\n"
      "\"Unterminated\"=\"abc\n"
      "\"NoEquals\" \"x\"\n"
      "\"Dword\"=dword:zz\n"
      "\"Unknown\"=whatever\n"
      "\"Escape at end\\\n"
      "\"Good\"=\"yes\"\n"
      "\"Nul\"=\"a\0b\"\n"s
      "[Software\\\\Broken\n"
      "\"AfterBrokenKey\"=\"no\"\n"
      "[Software\\\\B] 1\n"
      "\"Hex\"=hex(2):41,00,\\\n"
      "  42,00\n"
      "\"V\"=\"b\"\n");
  TRegIniFile registry(hive);
  ASSERT_TRUE(registry.OpenKey("Software"));
  EXPECT_EQ(registry.ReadString("A", "Good", "-"), "yes");
  EXPECT_EQ(registry.ReadString("A", "Nul", "-"), "a\0b"s);
  for (const char* name : {"Orphan", "Unterminated", "NoEquals", "Dword", "Unknown", "AfterBrokenKey"})
    EXPECT_EQ(registry.ReadString("A", name, "-"), "-") << name;
  EXPECT_EQ(registry.ReadString("Broken", "AfterBrokenKey", "-"), "-");
  EXPECT_EQ(registry.ReadString("B", "Hex", "-"), "-");
  EXPECT_EQ(registry.ReadString("B", "V", "-"), "b");
}

TEST_F(Registry, HugeValuesAndBinaryBytesDoNotUpsetTheReader) {
  std::string content = "WINE REGISTRY Version 2\n[K] 1\n\"Big\"=\"" + std::string(4 << 20, 'x') + "\"\n";
  for (int c = 0; c < 256; ++c) content += static_cast<char>(c);
  content += "\n\"Last\"=\"\\x\\777\\\\\"\n";
  TRegIniFile registry(Hive(content));
  ASSERT_TRUE(registry.OpenKey("K"));
  EXPECT_EQ(registry.ReadString("", "Big", "-").size(), size_t{4} << 20);
  EXPECT_EQ(registry.ReadString("", "Last", "-"), "x?\\");
}

TEST_F(Registry, TheHiveIsWinesUserRegOfTheCurrentPrefix) {
  const char* oldPrefix = std::getenv("WINEPREFIX");
  const std::string savedPrefix = oldPrefix ? oldPrefix : "";
  setenv("WINEPREFIX", "/opt/prefix", 1);
  EXPECT_EQ(kcl::WineUserRegistryFile(), "/opt/prefix/user.reg");
  setenv("WINEPREFIX", "", 1);
  const char* home = std::getenv("HOME");
  if (home && *home) {
    EXPECT_EQ(kcl::WineUserRegistryFile(), std::string(home) + "/.wine/user.reg");
  }
  if (oldPrefix) {
    setenv("WINEPREFIX", savedPrefix.c_str(), 1);
  } else {
    unsetenv("WINEPREFIX");
  }
}
