#include "kcl/platform/process.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "support/testfiles.h"

namespace kcl {
namespace {

using korvax::test::ReadFileBytes;
using korvax::test::WriteFileBytes;
using korvax::test::WrittenLine;
namespace fs = std::filesystem;

// PATH for one test.
class TPathGuard {
public:
  explicit TPathGuard(const std::string& path) : FOld(std::getenv("PATH") ? std::getenv("PATH") : "") {
    setenv("PATH", path.c_str(), 1);
  }
  ~TPathGuard() { setenv("PATH", FOld.c_str(), 1); }

private:
  std::string FOld;
};

class ProcessTest : public testing::Test {
protected:
  ProcessTest() {
    fs::create_directories(Dir("Delphi/Bin"));
    fs::create_directories(Dir("bin"));
    // A compiler that shows its arguments, writes to standard error and takes a
    // moment before its last line.
    Script("Delphi/Bin/dcc32",
           "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done\n"
           "echo to stderr >&2\n"
           "sleep 0.3\n"
           "echo finished\n");
  }

  std::string Dir(std::string_view name = {}) const { return name.empty() ? FDir.Path() : FDir.File(name); }
  std::string Script(std::string_view name, std::string_view body, fs::perms perms = fs::perms(0755)) const {
    WriteFileBytes(Dir(name), "#!/bin/sh\n" + std::string(body));
    fs::permissions(Dir(name), perms);
    return Dir(name);
  }

  korvax::test::TempDir FDir;
};

TEST_F(ProcessTest, ExecAndWaitRunsTheBatchFileOfTheEnvironment) {
  // The compiler named as Windows names it: other letter case, '\' separators.
  WriteFileBytes(Dir("execute.bat"),
                 "@echo off\r\n"
                 "REM written by Korvax\r\n"
                 "\r\n" +
                     Dir() + "\\DELPHI\\BIN\\DCC32 %1 %2 \"two words\" >" + Dir("compile.~tx") + " 2>&1\r\n" +
                     Dir() + "/delphi/bin\\Dcc32 again >> " + Dir("Compile.~TX") + " 2>" + Dir("errors.txt") + "\n");
  ExecAndWait(Dir("execute.bat") + " -B \"" + Dir("My Project/Proj1.dpr") + "\"");
  EXPECT_EQ(ReadFileBytes(Dir("compile.~tx")), "[-B]\n[" + Dir("My Project/Proj1.dpr") +
                                                   "]\n[two words]\nto stderr\nfinished\n[again]\nfinished\n");
  EXPECT_EQ(ReadFileBytes(Dir("errors.txt")), "to stderr\n");
}

TEST_F(ProcessTest, ArgumentsAreNeverReadAsShellSyntax) {
  WriteFileBytes(Dir("execute.bat"), Dir("Delphi/Bin/dcc32") + " %1 %2 >" + Dir("out.txt") + " 2>&1\r\n");
  const std::string redirect = "a>" + Dir("b");
  const std::string command = "$(touch " + Dir("pwned") + ");x`touch " + Dir("pwned") + "`";
  ExecAndWait(Dir("execute.bat") + " \"" + redirect + "\" \"" + command + "\"");
  EXPECT_EQ(ReadFileBytes(Dir("out.txt")), "[" + redirect + "]\n[" + command + "]\nto stderr\nfinished\n");
  EXPECT_FALSE(fs::exists(Dir("b")));
  EXPECT_FALSE(fs::exists(Dir("pwned")));
}

TEST_F(ProcessTest, WhatCannotStartIsPassedOverQuietly) {
  ExecAndWait(Dir("missing/prog") + " x");
  ExecAndWait("");
  WriteFileBytes(Dir("execute.bat"), "nothere %1 >" + Dir("first.txt") + "\r\n" + Dir("Delphi/Bin/dcc32") + " %1 >" +
                                         Dir("missing/x.txt") + "\r\n" + Dir("Delphi/Bin/dcc32") + " %1 >" +
                                         Dir("last.txt") + " 2>NUL\r\n");
  ExecAndWait(Dir("execute.bat") + " ok");
  EXPECT_EQ(ReadFileBytes(Dir("last.txt")), "[ok]\nfinished\n");
  EXPECT_FALSE(fs::exists("NUL"));
}

TEST_F(ProcessTest, AnUnquotedProgramNameMayContainBlanks) {
  fs::create_directories(Dir("My Tools"));
  Script("My Tools/run", "printf '[%s]\\n' \"$@\" >" + Dir("out.txt") + "\n");
  ExecAndWait(Dir("My Tools/run") + " x \"y z\"");
  EXPECT_EQ(ReadFileBytes(Dir("out.txt")), "[x]\n[y z]\n");
}

TEST_F(ProcessTest, WindowsExecutablesRunThroughWine) {
  Script("bin/wine", "printf '[%s]\\n' \"$@\" >" + Dir("wine.log") + "\n");
  WriteFileBytes(Dir("TOOL.EXE"), "");
  WriteFileBytes(Dir("tool"), std::string("MZ\x90\0", 4));
  {
    const TPathGuard path(Dir("bin"));
    ExecAndWait(Dir("tool.exe") + " arg");
    EXPECT_EQ(ReadFileBytes(Dir("wine.log")), "[" + Dir("TOOL.EXE") + "]\n[arg]\n");
    ExecAndWait(Dir("tool"));
    EXPECT_EQ(ReadFileBytes(Dir("wine.log")), "[" + Dir("tool") + "]\n");
  }
  const TPathGuard noWine(Dir("Delphi"));
  EXPECT_EQ(WinExec(Dir("TOOL.EXE"), SW_SHOWNORMAL), ERROR_FILE_NOT_FOUND);
}

TEST_F(ProcessTest, ProgramsOfThisSystemWithWindowsNamesRunDirectly) {
  // A wine that would show it was asked.
  Script("bin/wine", "echo wine >" + Dir("wine.log") + "\n");
  Script("Delphi/Bin/DCC32.exe", "printf '[%s]\\n' \"$@\"\n");
  fs::copy_file("/bin/echo", Dir("echo.EXE"));
  const TPathGuard path(Dir("bin"));
  WriteFileBytes(Dir("execute.bat"), Dir("Delphi/Bin/DCC32.exe") + " %1 >" + Dir("out.txt") + "\r\n" +
                                         Dir("echo.EXE") + " elf >>" + Dir("out.txt") + "\r\n");
  ExecAndWait(Dir("execute.bat") + " /M");
  EXPECT_EQ(ReadFileBytes(Dir("out.txt")), "[/M]\nelf\n");
  EXPECT_FALSE(fs::exists(Dir("wine.log")));
}

TEST_F(ProcessTest, QuotedPathsWithBlanksInTheBatchLine) {
  fs::create_directories(Dir("My Delphi/Bin"));
  fs::create_directories(Dir("My Settings"));
  Script("My Delphi/Bin/DCC32.exe", "printf '[%s]\\n' \"$@\"\n");
  WriteFileBytes(Dir("My Settings/execute.bat"), "\"" + Dir("My Delphi/Bin/DCC32.exe") + "\" %1 %2 >\"" +
                                                     Dir("My Settings/compile.~tx") + "\"\r\n");
  ExecAndWait("\"" + Dir("My Settings/execute.bat") + "\" /B \"" + Dir("My Project/Demo.dpr") + "\"");
  EXPECT_EQ(ReadFileBytes(Dir("My Settings/compile.~tx")), "[/B]\n[" + Dir("My Project/Demo.dpr") + "]\n");
}

TEST_F(ProcessTest, AWaitThatKeepsTheCallerBusyReturnsWhenTheCommandHasEnded) {
  WriteFileBytes(Dir("execute.bat"), Dir("Delphi/Bin/dcc32") + " %1 >" + Dir("out.txt") + " 2>NUL\r\n");
  int calls = 0;
  std::string seenWhileRunning;
  ExecAndWait(Dir("execute.bat") + " x", [&] {
    if (calls++ == 0) seenWhileRunning = ReadFileBytes(Dir("out.txt"));
  });
  // The compiler takes a moment before its last line: the caller was called meanwhile.
  EXPECT_GT(calls, 0);
  EXPECT_EQ(seenWhileRunning.find("finished"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(Dir("out.txt")), "[x]\nfinished\n");
  calls = 0;
  ExecAndWait(Dir("missing") + " x", [&] { ++calls; });
  EXPECT_EQ(calls, 0);
}

TEST_F(ProcessTest, WinExecInADirectory) {
  fs::create_directories(Dir("My Project"));
  Script("My Project/Demo.exe", "pwd >" + Dir("cwd.txt") + "\n");
  EXPECT_GT(WinExec("\"" + Dir("My Project/Demo.exe") + "\"", SW_SHOWNORMAL, Dir("My Project")), 31u);
  EXPECT_EQ(WrittenLine(Dir("cwd.txt")), fs::canonical(Dir("My Project")).string() + "\n");
  WriteFileBytes(Dir("run.bat"), "\"" + Dir("My Project/Demo.exe") + "\"\r\n");
  fs::remove(Dir("cwd.txt"));
  EXPECT_GT(WinExec(Dir("run.bat"), SW_SHOWNORMAL, Dir("Delphi")), 31u);
  EXPECT_EQ(WrittenLine(Dir("cwd.txt")), fs::canonical(Dir("Delphi")).string() + "\n");
  EXPECT_EQ(WinExec(Dir("My Project/Demo.exe"), SW_SHOWNORMAL, Dir("gone")), ERROR_FILE_NOT_FOUND);
}

TEST_F(ProcessTest, WinExecResults) {
  Script("started", "echo \"$1\" >" + Dir("started.txt") + "\n");
  EXPECT_GT(WinExec(Dir("STARTED") + " yes", SW_SHOWNORMAL), 31u);
  EXPECT_EQ(WrittenLine(Dir("started.txt")), "yes\n");

  WriteFileBytes(Dir("run.bat"), Dir("started") + " %1\r\n");
  fs::remove(Dir("started.txt"));
  EXPECT_GT(WinExec(Dir("run.bat") + " batch", SW_HIDE), 31u);
  EXPECT_EQ(WrittenLine(Dir("started.txt")), "batch\n");

  Script("plain", "exit 0\n", fs::perms(0644));
  WriteFileBytes(Dir("garbage"), "not a program\n");
  fs::permissions(Dir("garbage"), fs::perms(0755));
  EXPECT_EQ(WinExec(Dir("missing"), SW_SHOWNORMAL), 2u);
  EXPECT_EQ(WinExec(Dir("no/such/dir/prog"), SW_SHOWNORMAL), 3u);
  EXPECT_EQ(WinExec(Dir("plain"), SW_SHOWNORMAL), 2u);
  EXPECT_EQ(WinExec(Dir("garbage"), SW_SHOWNORMAL), 11u);
  EXPECT_EQ(WinExec(Dir("Delphi"), SW_SHOWNORMAL), 2u);
}

TEST_F(ProcessTest, ShortPathNames) {
  EXPECT_EQ(GetShortPathName(Dir("Delphi/Bin/dcc32")), Dir("Delphi/Bin/dcc32"));
  EXPECT_EQ(GetShortPathName(Dir("Delphi/Bin/")), Dir("Delphi/Bin/"));
  EXPECT_EQ(GetShortPathName(Dir() + "\\DELPHI\\bin\\"), Dir("Delphi/Bin/"));
  EXPECT_EQ(GetShortPathName(Dir() + "\\DELPHI\\BIN\\DCC32"), Dir("Delphi/Bin/dcc32"));
  EXPECT_EQ(GetShortPathName(Dir("Delphi/Bin/dcc33")), "");
  EXPECT_EQ(GetShortPathName(""), "");
}

TEST_F(ProcessTest, CopyFileAsWindowsDoes) {
  const std::string bytes("TPF0\0\xff\r\n", 8);
  WriteFileBytes(Dir("source.dfm"), bytes);
  fs::permissions(Dir("source.dfm"), fs::perms(0640));
  const timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, Dir("source.dfm").c_str(), times, 0), 0);

  EXPECT_TRUE(CopyFile(Dir("SOURCE.DFM"), Dir("copy.dfm"), true));
  EXPECT_EQ(ReadFileBytes(Dir("copy.dfm")), bytes);
  struct stat copied;
  ASSERT_EQ(stat(Dir("copy.dfm").c_str(), &copied), 0);
  EXPECT_EQ(copied.st_mode & 0777, 0640u);
  EXPECT_EQ(copied.st_mtim.tv_sec, 1000000000);

  WriteFileBytes(Dir("target.dfm"), "old");
  EXPECT_FALSE(CopyFile(Dir("source.dfm"), Dir("target.dfm"), true));
  EXPECT_EQ(ReadFileBytes(Dir("target.dfm")), "old");
  EXPECT_TRUE(CopyFile(Dir("source.dfm"), Dir("target.dfm"), false));
  EXPECT_EQ(ReadFileBytes(Dir("target.dfm")), bytes);

  EXPECT_FALSE(CopyFile(Dir("source.dfm"), Dir("Source.dfm"), false));
  EXPECT_EQ(ReadFileBytes(Dir("source.dfm")), bytes);
  EXPECT_FALSE(CopyFile(Dir("missing.dfm"), Dir("new.dfm"), false));
  EXPECT_FALSE(CopyFile(Dir("source.dfm"), Dir("missing/new.dfm"), false));
  EXPECT_FALSE(CopyFile(Dir("source.dfm"), Dir("Delphi"), false));
  EXPECT_FALSE(fs::exists(Dir("new.dfm")));

  size_t files = 0;
  for (const auto& entry : fs::directory_iterator(Dir())) files += entry.is_regular_file();
  EXPECT_EQ(files, 3u) << "no temporary file is left behind";
}

}  // namespace
}  // namespace kcl
