#include "kcl/platform/batchline.h"

#include <gtest/gtest.h>

namespace kcl {
namespace {

using Words = std::vector<std::string>;
const std::vector<std::string> Params{"execute.bat", "-B", "C:\\My Projects\\Proj1.dpr"};

TBatchCommand Parsed(std::string_view line, const std::vector<std::string>& params = Params) {
  const std::optional<TBatchCommand> command = ParseBatchLine(line, params);
  EXPECT_TRUE(command) << line;
  return command.value_or(TBatchCommand());
}

TEST(BatchLine, LinesThatRunNothing) {
  for (const char* line : {"", "   \t", "@echo off", "ECHO OFF", "echo on", "rem compile", "REM", "@Rem x", ":label",
                           ":: comment", "prog >", "prog > 2>x", "prog 2>"})
    EXPECT_FALSE(ParseBatchLine(line, Params)) << line;
  EXPECT_EQ(Parsed("remark.exe x").Words, (Words{"remark.exe", "x"}));
  EXPECT_EQ(Parsed("@prog").Words, Words{"prog"});
}

TEST(BatchLine, ParametersAreSubstitutedAsWholeWords) {
  EXPECT_EQ(Parsed("prog %1 %2 %3 x%%y %0 %~1 50% \"%2\"").Words,
            (Words{"prog", "-B", "C:\\My Projects\\Proj1.dpr", "x%y", "execute.bat", "-B", "50%",
                   "C:\\My Projects\\Proj1.dpr"}));
  EXPECT_EQ(Parsed("prog pre%1post %9").Words, (Words{"prog", "pre-Bpost"}));
  // A parameter's text never becomes syntax: no redirection, no quotes, no split.
  const TBatchCommand hostile = Parsed("prog %1 %2", {"x.bat", ">out", "a\" \"b 2>&1"});
  EXPECT_EQ(hostile.Words, (Words{"prog", ">out", "a\" \"b 2>&1"}));
  EXPECT_TRUE(hostile.Redirections.empty());
}

TEST(BatchLine, QuotesGroupWords) {
  EXPECT_EQ(Parsed("\"C:\\My Dir\\prog\" \"\" a\"b c\"d \"x > y\"").Words,
            (Words{"C:\\My Dir\\prog", "", "ab cd", "x > y"}));
}

TEST(BatchLine, Redirections) {
  const TBatchCommand command = Parsed("C:\\BIN\\DCC32.exe %1 >C:\\KX\\compile.~tx 2> \"e r\" x>>app <in 2>&1 1>&2");
  EXPECT_EQ(command.Words, (Words{"C:\\BIN\\DCC32.exe", "-B", "x"}));
  ASSERT_EQ(command.Redirections.size(), 6u);
  const auto expect = [&](size_t i, int fd, TRedirectionKind kind, const std::string& file, int copyOf = -1) {
    EXPECT_EQ(command.Redirections[i].Fd, fd) << i;
    EXPECT_EQ(command.Redirections[i].Kind, kind) << i;
    EXPECT_EQ(command.Redirections[i].File, file) << i;
    EXPECT_EQ(command.Redirections[i].CopyOf, copyOf) << i;
  };
  expect(0, 1, rkWrite, "C:\\KX\\compile.~tx");
  expect(1, 2, rkWrite, "e r");
  expect(2, 1, rkAppend, "app");
  expect(3, 0, rkRead, "in");
  expect(4, 2, rkCopy, "", 1);
  expect(5, 1, rkCopy, "", 2);
  // Only a bare 1 or 2 names a descriptor; a file may come from a parameter.
  const TBatchCommand named = Parsed("prog 12>a \"2\">b >%2");
  EXPECT_EQ(named.Words, (Words{"prog", "12", "2"}));
  ASSERT_EQ(named.Redirections.size(), 3u);
  EXPECT_EQ(named.Redirections[2].File, "C:\\My Projects\\Proj1.dpr");
}

}  // namespace
}  // namespace kcl
