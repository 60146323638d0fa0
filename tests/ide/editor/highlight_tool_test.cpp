// korvax-highlight, run as a child process on real files.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ide/editor/pas_to_rtf.h"
#include "support/testfiles.h"

using namespace korvax::editor;
using korvax::test::ReadFileBytes;
using korvax::test::TempDir;
using korvax::test::WriteFileBytes;

namespace {

#ifdef KORVAX_HIGHLIGHT_EXE
const std::string ToolExe = KORVAX_HIGHLIGHT_EXE;
#else
const std::string ToolExe;
#endif

struct TToolRun {
  int ExitCode;
  std::string Out;
  std::string Err;
};

std::string Quote(const std::string& s) {
  std::string quoted = "'";
  for (const char c : s) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs the tool with Wine's prefix set to dir, so that dir/user.reg (if any) holds
// the colours; its output is captured in files of dir. Its standard input is the
// file piped, if any.
TToolRun Highlight(const TempDir& dir, const std::vector<std::string>& args, const std::string& piped = "") {
  std::string command = piped.empty() ? "" : "cat " + Quote(piped) + " | ";
  command += "WINEPREFIX=" + Quote(dir.Path()) + " " + Quote(ToolExe);
  for (const std::string& arg : args) command.append(" ").append(Quote(arg));
  command.append(" >").append(Quote(dir.File("stdout"))).append(" 2>").append(Quote(dir.File("stderr")));
  if (piped.empty()) command += " </dev/null";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFileBytes(dir.File("stdout")),
          ReadFileBytes(dir.File("stderr"))};
}

const char* const CommentsInRed =
    "WINE REGISTRY Version 2\n"
    "[Software\\\\Borland\\\\Delphi\\\\3.0\\\\HighLight] 1700000000\n"
    "\"Comment\"=\"$0000FF,0,I,0,0,0,0\"\n"
    "\"Reserved_Word\"=\"0,0,B,0,0,0,0\"\n";

class HighlightTool : public testing::Test {
protected:
  void SetUp() override {
    if (ToolExe.empty()) GTEST_SKIP() << "korvax-highlight is not built";
  }
  TempDir FDir;
};

}  // namespace

TEST_F(HighlightTool, WritesTheRtfDocumentWithTheColoursOfWinesRegistry) {
  WriteFileBytes(FDir.File("user.reg"), CommentsInRed);
  WriteFileBytes(FDir.File("unit1.pas"), "unit U; {x}\r\n");
  const TToolRun run = Highlight(FDir, {FDir.File("unit1.pas")});
  EXPECT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(run.Out,
            "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS SansSerif;}{\\f1\\froman\\fcharset2 "
            "Symbol;}{\\f2\\fmodern Courier New;}}\r\n{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;"
            "\\red0\\green0\\blue0;\\red0\\green0\\blue0;\\red0\\green0\\blue0;\\red0\\green0\\blue0;\\red0\\green0"
            "\\blue0;\\red0\\green0\\blue0;\\red0\\green0\\blue0;\\red0\\green0\\blue0;\\red0\\green0\\blue0;}\r\n"
            "\\deflang1033\\pard\\plain\\f2\\fs20 {\\b \\cf5 unit}{\\cf7  }{\\cf4 U}{\\cf9 ;}{\\cf7  }"
            "{\\i \\cf1 \\{x\\}}\r\n\\par \r\n\\par }{\r");
}

TEST_F(HighlightTool, WritesAnHtmlPageWithTheSameColoursAndStyles) {
  WriteFileBytes(FDir.File("user.reg"), CommentsInRed);
  WriteFileBytes(FDir.File("a&b.pas"), "if a<>b then s:='\"&\"'; {<x>}\r\nRead");
  const TToolRun run = Highlight(FDir, {"--html", FDir.File("a&b.pas")});
  EXPECT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(run.Out,
            "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"windows-1252\">\n<title>a&amp;b.pas</title>\n"
            "</head>\n<body>\n<pre style=\"font-family:'Courier New',monospace;font-size:10pt\">\n"
            "<span style=\"color:#000000;font-weight:bold\">if</span>"
            "<span style=\"color:#000000\"> </span><span style=\"color:#000000\">a</span>"
            "<span style=\"color:#000000\">&lt;&gt;</span><span style=\"color:#000000\">b</span>"
            "<span style=\"color:#000000\"> </span>"
            "<span style=\"color:#000000;font-weight:bold\">then</span>"
            "<span style=\"color:#000000\"> </span><span style=\"color:#000000\">s</span>"
            "<span style=\"color:#000000\">:=</span>"
            "<span style=\"color:#000000\">&#39;&quot;&amp;&quot;&#39;</span>"
            "<span style=\"color:#000000\">;</span><span style=\"color:#000000\"> </span>"
            "<span style=\"color:#FF0000;font-style:italic\">{&lt;x&gt;}</span>\r\nRead</pre>\n"
            "</body>\n</html>\n");
}

TEST_F(HighlightTool, UsesBlackWithoutARegistry) {
  WriteFileBytes(FDir.File("p.pas"), "begin");
  const TToolRun run = Highlight(FDir, {"--", FDir.File("p.pas")});
  EXPECT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_NE(run.Out.find("{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue0;"), std::string::npos);
  EXPECT_NE(run.Out.find("\\fs20 {\\cf5 begin}\r\n\\par }{\r"), std::string::npos);
}

TEST_F(HighlightTool, ReportsErrorsOnStandardErrorWithAFailingStatus) {
  WriteFileBytes(FDir.File("bad.pas"), "s := 'open;\r\n");
  TToolRun run = Highlight(FDir, {FDir.File("bad.pas")});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_EQ(run.Out, "");
  EXPECT_EQ(run.Err, "korvax-highlight: " + FDir.File("bad.pas") + ": Invalid string\n");

  run = Highlight(FDir, {"--html", FDir.File("missing.pas")});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_EQ(run.Out, "");
  EXPECT_EQ(run.Err, "korvax-highlight: Cannot open file " + FDir.File("missing.pas") + "\n");

  run = Highlight(FDir, {FDir.Path()});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_EQ(run.Err, "korvax-highlight: Cannot open file " + FDir.Path() + "\n");

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"--html"}, {"--rtf", "x.pas"}, {"a.pas", "b.pas"}}) {
    run = Highlight(FDir, args);
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "usage: korvax-highlight [--html] FILE\n");
  }
}

namespace {

// A unit of many of the tool's output chunks.
std::string LargeUnit() {
  std::string unit;
  for (int i = 0; unit.size() < 8 * TPasRtfWriter::ChunkSize; ++i)
    unit += "procedure P" + std::to_string(i) + "; { the " + std::to_string(i) + "th }\r\nbegin\r\n  S := 'x{}';\r\nend;\r\n";
  return unit;
}

std::string ConvertedInMemory(const std::string& text) {
  TPasConversion conversion;
  conversion.ReadHighlightSettings(3, "");
  conversion.WriteString(text);
  conversion.ConvertToRtf();
  return std::string(conversion.View());
}

}  // namespace

TEST_F(HighlightTool, StreamsALargeUnitFromAFileOrAPipeAsMemoryHoldsIt) {
  const std::string unit = LargeUnit();
  WriteFileBytes(FDir.File("large.pas"), unit);
  const std::string expected = ConvertedInMemory(unit);

  TToolRun run = Highlight(FDir, {FDir.File("large.pas")});
  EXPECT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_TRUE(run.Out == expected);

  // A pipe has no size: it is read to its end.
  run = Highlight(FDir, {"/dev/stdin"}, FDir.File("large.pas"));
  EXPECT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_TRUE(run.Out == expected);
}

TEST_F(HighlightTool, AnErrorAfterChunksWereWrittenLeavesNoPartOfTheDocument) {
  WriteFileBytes(FDir.File("late.pas"), LargeUnit() + "S := 'open;\r\n");
  const TToolRun run = Highlight(FDir, {FDir.File("late.pas")});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_EQ(run.Out, "");
  EXPECT_EQ(run.Err, "korvax-highlight: " + FDir.File("late.pas") + ": Invalid string\n");
}
