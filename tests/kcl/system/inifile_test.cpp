#include "kcl/system/inifile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/time.h>

#include <filesystem>

#include "kcl/classes/stringlist.h"
#include "support/testfiles.h"

namespace kcl {
namespace {

using korvax::test::ReadFileBytes;
using korvax::test::WriteFileBytes;
using V = std::vector<std::string>;

std::vector<std::string> Lines(const TStrings& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Strings(i));
  return lines;
}

class IniFileTest : public testing::Test {
protected:
  std::string Name() const { return FDir.File("Korvax.ini"); }
  // A file written now, with the given bytes.
  std::string WithFile(std::string_view bytes) {
    WriteFileBytes(Name(), bytes);
    return Name();
  }

  korvax::test::TempDir FDir;
};

TEST_F(IniFileTest, ReadsValuesAsWindowsDoes) {
  TIniFile ini(WithFile("; settings\r\n"
                        "orphan=ignored\r\n"
                        "[System]\r\n"
                        "  DelphiDir =  C:\\Delphi 3  \r\n"
                        "Quoted=\"  padded  \"\r\n"
                        "Half=\"open\r\n"
                        "no equals sign here\r\n"
                        ";Commented=1\r\n"
                        "Empty=\r\n"
                        "[ Editor ] trailing text\n"
                        "FontSize=10\rGrid=1\n"
                        "FontSize=12\n"
                        "[system]\r\n"
                        "DelphiDir=second section\r\n"));
  EXPECT_EQ(ini.ReadString("SYSTEM", "delphidir", "x"), "C:\\Delphi 3");
  EXPECT_EQ(ini.ReadString("System", "Quoted", "x"), "  padded  ");
  EXPECT_EQ(ini.ReadString("System", "Half", "x"), "\"open");
  EXPECT_EQ(ini.ReadString("System", "Empty", "x"), "");
  EXPECT_EQ(ini.ReadString("System", ";Commented", "x"), "x");
  EXPECT_EQ(ini.ReadString("System", "no equals sign here", "x"), "x");
  EXPECT_EQ(ini.ReadString("", "orphan", "x"), "x");
  EXPECT_EQ(ini.ReadString("Editor", "FontSize", "x"), "10");
  EXPECT_EQ(ini.ReadString("Editor", "Grid", "x"), "1");
  EXPECT_EQ(ini.ReadString("Missing", "Grid", "default"), "default");
  EXPECT_TRUE(ini.SectionExists("editor"));
  EXPECT_FALSE(ini.SectionExists("Edit"));
  EXPECT_TRUE(ini.ValueExists("System", "EMPTY"));
  EXPECT_FALSE(ini.ValueExists("System", "Commented"));
  EXPECT_EQ(ini.FileName(), Name());
}

TEST_F(IniFileTest, NumbersAndBooleans) {
  TIniFile ini(WithFile("[N]\nDec=-42\nDollar=$1F\nHex=0x10\nText=abc\nBig=99999999999\nOne=1\nZero=0\nTwo=2\n"));
  EXPECT_EQ(ini.ReadInteger("N", "Dec", 0), -42);
  EXPECT_EQ(ini.ReadInteger("N", "Dollar", 0), 31);
  EXPECT_EQ(ini.ReadInteger("N", "Hex", 0), 16);
  EXPECT_EQ(ini.ReadInteger("N", "Text", 7), 7);
  EXPECT_EQ(ini.ReadInteger("N", "Big", 7), 7);
  EXPECT_EQ(ini.ReadInteger("N", "Missing", 8), 8);
  EXPECT_TRUE(ini.ReadBool("N", "One", false));
  EXPECT_TRUE(ini.ReadBool("N", "Two", false));
  EXPECT_FALSE(ini.ReadBool("N", "Zero", true));
  EXPECT_TRUE(ini.ReadBool("N", "Text", true));
  EXPECT_FALSE(ini.ReadBool("N", "Missing", false));

  ini.WriteInteger("N", "Dec", -7);
  ini.WriteBool("N", "One", false);
  ini.WriteBool("N", "Flag", true);
  EXPECT_EQ(ini.ReadString("N", "Dec", ""), "-7");
  EXPECT_EQ(ini.ReadString("N", "One", ""), "0");
  EXPECT_EQ(ini.ReadString("N", "Flag", ""), "1");
}

TEST_F(IniFileTest, ListsSectionsKeysAndValuesInFileOrder) {
  TIniFile ini(WithFile("[B]\r\nz=1\r\ny = \"2\" \r\nZ=3\r\n[A]\r\n[b]\r\nw=4\r\n[]\r\nk=v\r\n"));
  TStringList list;
  ini.ReadSections(list);
  EXPECT_EQ(Lines(list), (V{"B", "A", ""}));
  ini.ReadSection("b", list);
  EXPECT_EQ(Lines(list), (V{"z", "y"}));
  ini.ReadSectionValues("B", list);
  EXPECT_EQ(Lines(list), (V{"z=1", "y=2"}));
  ini.ReadSection("A", list);
  EXPECT_EQ(list.Count(), 0);
  ini.ReadSectionValues("", list);
  EXPECT_EQ(Lines(list), V{"k=v"});
}

TEST_F(IniFileTest, MissingOrUnreadableFilesGiveDefaults) {
  TIniFile missing(FDir.File("none.ini"));
  EXPECT_EQ(missing.ReadString("S", "K", "d"), "d");
  EXPECT_FALSE(missing.SectionExists("S"));
  missing.DeleteKey("S", "K");
  missing.EraseSection("S");
  EXPECT_FALSE(std::filesystem::exists(FDir.File("none.ini")));  // nothing to change, nothing written

  std::filesystem::create_directory(FDir.File("dir.ini"));
  TIniFile directory(FDir.File("dir.ini"));
  EXPECT_EQ(directory.ReadInteger("S", "K", 5), 5);
  TStringList list;
  directory.ReadSections(list);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_THROW(directory.WriteString("S", "K", "v"), EFCreateError);

  ASSERT_EQ(::mkfifo(FDir.File("fifo.ini").c_str(), 0600), 0);
  TIniFile fifo(FDir.File("fifo.ini"));
  EXPECT_EQ(fifo.ReadString("S", "K", "no hang"), "no hang");
}

TEST_F(IniFileTest, WritesKeepEveryOtherLineByteForByte) {
  TIniFile ini(WithFile("; top comment\n"
                        "[Editor]\n"
                        "  FontName = Courier\t\n"
                        "; keep me\n"
                        "junk line\n"
                        "\n"
                        "\r\n"
                        "[Other]\r"
                        "a=1"));
  ini.WriteString("editor", "FONTNAME", "Fixedsys");
  ini.WriteString("EDITOR", "FontSize", "10");
  ini.WriteString("other", "b", "2");
  const std::string written = "; top comment\n"
                              "[Editor]\n"
                              "FontName=Fixedsys\n"
                              "; keep me\n"
                              "junk line\n"
                              "FontSize=10\r\n"
                              "\n"
                              "\r\n"
                              "[Other]\r"
                              "a=1\r\n"
                              "b=2\r\n";
  EXPECT_EQ(ReadFileBytes(Name()), written);
  ini.WriteString("Editor", "FontSize", "10");  // unchanged value: same bytes
  ini.WriteString("New", "Key", "x");
  EXPECT_EQ(ReadFileBytes(Name()), written + "\r\n[New]\r\nKey=x\r\n");
}

TEST_F(IniFileTest, NewSectionsAndFiles) {
  TIniFile ini(Name());
  ini.WriteString("First", "a", "1");
  EXPECT_EQ(ReadFileBytes(Name()), "[First]\r\na=1\r\n");
  ini.WriteString("Second", "b", "2");
  EXPECT_EQ(ReadFileBytes(Name()), "[First]\r\na=1\r\n\r\n[Second]\r\nb=2\r\n");

  WithFile("x=1\n\n");
  ini.WriteString("S", "k", "v");
  EXPECT_EQ(ReadFileBytes(Name()), "x=1\n\n[S]\r\nk=v\r\n");
  WithFile("[S]");
  ini.WriteString("S", "k", "v");
  EXPECT_EQ(ReadFileBytes(Name()), "[S]\r\nk=v\r\n");
}

TEST_F(IniFileTest, ValuesReadBackAsWritten) {
  TIniFile ini(Name());
  for (const std::string& value : V{"  lead", "trail\t", "\"quoted\"", "\"", "", "a=b;c", "caf\xE9",
                                     std::string("nul\0inside", 10), std::string("\0", 1)}) {
    SCOPED_TRACE(value);
    ini.WriteString("S", "K", value);
    EXPECT_EQ(ini.ReadString("S", "K", "x"), value);
    EXPECT_EQ(TIniFile(Name()).ReadString("S", "K", "x"), value);
  }
}

TEST_F(IniFileTest, RefusesWhatTheFileCannotHold) {
  TIniFile ini(Name());
  EXPECT_THROW(ini.WriteString("S", "K", "two\nlines"), EIniFileException);
  EXPECT_THROW(ini.WriteString("S", "K", "cr\r"), EIniFileException);
  EXPECT_THROW(ini.WriteString("S]", "K", "v"), EIniFileException);
  EXPECT_THROW(ini.WriteString("S", "K=", "v"), EIniFileException);
  EXPECT_THROW(ini.WriteString("S", " ", "v"), EIniFileException);
  EXPECT_THROW(ini.WriteString("S", ";K", "v"), EIniFileException);
  EXPECT_THROW(ini.WriteString("S", "[K", "v"), EIniFileException);
  EXPECT_FALSE(std::filesystem::exists(Name()));
  EXPECT_THROW(ini.WriteString("S", "K", std::string(17 << 20, 'x')), EIniFileException);
  ini.WriteString("  S ", " K\t", "trimmed names");
  EXPECT_EQ(ini.ReadString("S", "K", ""), "trimmed names");
}

TEST_F(IniFileTest, FailedWritesRaiseAndLoseNothing) {
  TIniFile nowhere(FDir.File("no/such/dir/x.ini"));
  try {
    nowhere.WriteString("S", "K", "v");
    FAIL() << "no exception";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message(), "Cannot create file " + FDir.File("no/such/dir/x.ini"));
  }
  WithFile("[S]\r\nK=old\r\n");
  const std::string bigger(17 << 20, 'x');
  TIniFile ini(Name());
  EXPECT_THROW(ini.WriteString("S", "K", bigger), EIniFileException);
  EXPECT_EQ(ReadFileBytes(Name()), "[S]\r\nK=old\r\n");
  EXPECT_EQ(ini.ReadString("S", "K", ""), "old");
}

TEST_F(IniFileTest, DeleteKeyAndEraseSection) {
  TIniFile ini(WithFile("[A]\r\nk=1\r\nK=dup\r\nother=2\r\n\r\n[B]\r\nk=3\r\n[a]\r\nk=4\r\n[C]\r\nlast=5"));
  ini.DeleteKey("a", "K");
  EXPECT_EQ(ReadFileBytes(Name()), "[A]\r\nother=2\r\n\r\n[B]\r\nk=3\r\n[a]\r\nk=4\r\n[C]\r\nlast=5");
  EXPECT_FALSE(ini.ValueExists("A", "k"));
  EXPECT_EQ(ini.ReadString("B", "k", ""), "3");
  ini.EraseSection("A");
  EXPECT_EQ(ReadFileBytes(Name()), "[B]\r\nk=3\r\n[C]\r\nlast=5");
  EXPECT_FALSE(ini.SectionExists("a"));
  ini.DeleteKey("C", "last");
  EXPECT_EQ(ReadFileBytes(Name()), "[B]\r\nk=3\r\n[C]\r\n");
}

// The section's keys in a given order, as one write.
TEST_F(IniFileTest, RewriteSectionRewritesTheKeysInPlace) {
  TIniFile ini(WithFile("[Other]\r\nb=0\r\n[Tools]\r\n; mine\r\n  a = 1 \r\nb=2\r\n\r\nc=3\r\n\r\n[Last]\r\nz=9"));
  ini.RewriteSection("tools", {{"a", "1"}, {"c", "3"}, {"b", "2"}});
  // The first line reads the same and keeps its bytes; comments and blank lines stay.
  EXPECT_EQ(ReadFileBytes(Name()), "[Other]\r\nb=0\r\n[Tools]\r\n; mine\r\n  a = 1 \r\nc=3\r\n\r\nb=2\r\n\r\n[Last]\r\nz=9");
  TStringList keys;
  ini.ReadSection("Tools", keys);
  EXPECT_EQ(Lines(keys), (V{"a", "c", "b"}));
  // A key renamed where it stands and one fewer, then more than there were.
  ini.RewriteSection("Tools", {{"a", "1"}, {" Renamed ", "x y = z"}});
  EXPECT_EQ(ReadFileBytes(Name()), "[Other]\r\nb=0\r\n[Tools]\r\n; mine\r\n  a = 1 \r\nRenamed=x y = z\r\n\r\n\r\n[Last]\r\nz=9");
  ini.RewriteSection("Tools", {{"a", "1"}, {"Renamed", "x y = z"}, {"d", " padded "}, {"e", ""}});
  ini.ReadSectionValues("Tools", keys);
  EXPECT_EQ(Lines(keys), (V{"a=1", "Renamed=x y = z", "d= padded ", "e="}));
  EXPECT_EQ(ini.ReadString("Other", "b", ""), "0");
  EXPECT_EQ(ini.ReadString("Last", "z", ""), "9");
  ini.RewriteSection("Tools", {});
  EXPECT_EQ(ReadFileBytes(Name()), "[Other]\r\nb=0\r\n[Tools]\r\n; mine\r\n\r\n\r\n[Last]\r\nz=9");
}

TEST_F(IniFileTest, RewriteSectionMakesNewSectionsAndRefusesBadKeys) {
  TIniFile ini(Name());
  ini.RewriteSection("Tools", {});
  EXPECT_FALSE(std::filesystem::exists(Name()));
  ini.RewriteSection("Tools", {{"b", "2"}, {"a", "1"}});
  EXPECT_EQ(ReadFileBytes(Name()), "[Tools]\r\nb=2\r\na=1\r\n");
  WithFile("[Tools]");  // a header without a line end
  ini.RewriteSection("Tools", {{"b", "2"}, {"a", "1"}});
  EXPECT_EQ(ReadFileBytes(Name()), "[Tools]\r\nb=2\r\na=1\r\n");
  const std::vector<TIniFile::TKeyValues> bad{
      {{"a", "1"}, {"A ", "2"}}, {{"k=v", "1"}}, {{"", "1"}}, {{";a", "1"}}, {{"a", "two\nlines"}}};
  for (const TIniFile::TKeyValues& keys : bad) EXPECT_THROW(ini.RewriteSection("Tools", keys), EIniFileException);
  EXPECT_EQ(ReadFileBytes(Name()), "[Tools]\r\nb=2\r\na=1\r\n");
}

TEST_F(IniFileTest, SeesChangesMadeByOthers) {
  TIniFile first(WithFile("[S]\r\nK=1\r\n"));
  TIniFile second(Name());
  EXPECT_EQ(first.ReadString("S", "K", ""), "1");
  for (const char* value : {"2", "3", "4"}) {  // same size, same second
    second.WriteString("S", "K", value);
    EXPECT_EQ(first.ReadString("S", "K", ""), value);
  }
  first.WriteString("S", "Other", "x");
  second.WriteString("S", "K", "5");
  EXPECT_EQ(first.ReadString("S", "Other", ""), "x");
  EXPECT_EQ(first.ReadString("S", "K", ""), "5");

  // Edits in place keep the inode and size; within one clock tick even the times.
  const auto overwriteValue = [&](char c) {
    std::FILE* f = std::fopen(Name().c_str(), "r+b");
    ASSERT_NE(f, nullptr);
    std::fseek(f, 7, SEEK_SET);  // "[S]\r\nK=" comes first
    std::fputc(c, f);
    std::fclose(f);
  };
  overwriteValue('6');
  EXPECT_EQ(first.ReadString("S", "K", ""), "6");
  overwriteValue('7');
  EXPECT_EQ(first.ReadString("S", "K", ""), "7");

  // An old file edited in place, its time stamp put back, is still noticed.
  const timeval past[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(::utimes(Name().c_str(), past), 0);
  EXPECT_EQ(first.ReadString("S", "K", ""), "7");
  overwriteValue('8');
  ASSERT_EQ(::utimes(Name().c_str(), past), 0);
  EXPECT_EQ(first.ReadString("S", "K", ""), "8");
  std::filesystem::remove(Name());
  EXPECT_EQ(first.ReadString("S", "K", "gone"), "gone");
}

TEST_F(IniFileTest, WritesThroughSymbolicLinks) {
  const std::string target = FDir.File("real.ini");
  WriteFileBytes(target, "[S]\r\nK=1\r\n");
  std::filesystem::create_symlink(target, Name());
  TIniFile ini(Name());
  ini.WriteString("S", "K", "2");
  EXPECT_TRUE(std::filesystem::is_symlink(Name()));
  EXPECT_EQ(ReadFileBytes(target), "[S]\r\nK=2\r\n");
}

TEST_F(IniFileTest, GarbageNeitherCrashesNorHangs) {
  std::string garbage;
  for (unsigned i = 0; garbage.size() < (4u << 20); ++i) {
    garbage += static_cast<char>(i * 7919 % 251);
    if (i % 3 == 0) garbage += "[\n";
    if (i % 5 == 0) garbage += "k=";
  }
  garbage += std::string(2 << 20, 'L');  // one long line
  garbage += "\n[Known]\nkey=value";
  TIniFile ini(WithFile(garbage));
  TStringList list;
  ini.ReadSections(list);
  EXPECT_GT(list.Count(), 0);
  EXPECT_EQ(ini.ReadString("Known", "key", ""), "value");
  ini.WriteString("Known", "added", "1");
  EXPECT_EQ(ReadFileBytes(Name()), garbage + "\r\nadded=1\r\n");

  TIniFile huge(WithFile(std::string(17 << 20, '\n') + "[S]\nK=1\n"));
  EXPECT_EQ(huge.ReadString("S", "K", "too large"), "too large");
  EXPECT_THROW(huge.WriteString("S", "K", "2"), EFCreateError);
}

}  // namespace
}  // namespace kcl
