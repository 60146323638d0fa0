#include "ide/common/linebreaks.h"

#include <gtest/gtest.h>

#include "kcl/classes/stringlist.h"

namespace korvax {
namespace {

// What a list of lines read from a text writes back, the text's line ends kept.
std::string RoundTrip(const std::string& text) {
  kcl::TStringList lines;
  lines.SetText(text);
  return JoinLines(lines, LineBreaksOf(text));
}

TEST(LineBreaks, TextReadIntoLinesIsWrittenBackByteForByte) {
  for (const std::string text : {"unit A;\ninterface\n", "unit A;\r\nend.\r\n", "unit A;\rend.\r", "unit A;\nend.",
                                 "end.", "", "\n", "a\n\n\nb\n", "a\r\n\r\n", "  \tx  \n"})
    EXPECT_EQ(RoundTrip(text), text) << text;
}

TEST(LineBreaks, TheFirstBreakDecidesAndNewTextEndsInCrLf) {
  EXPECT_EQ(LineBreaksOf("a\nb\r\nc").Break, "\n");
  EXPECT_EQ(LineBreaksOf("a\r\nb\nc").Break, "\r\n");
  EXPECT_EQ(LineBreaksOf("a\rb").Break, "\r");
  EXPECT_FALSE(LineBreaksOf("a\rb").Final);
  EXPECT_EQ(LineBreaksOf("one line").Break, "\r\n");
  EXPECT_TRUE(LineBreaksOf("").Final);
  kcl::TStringList lines;
  lines.Add("unit Unit1;");
  lines.Add("");
  EXPECT_EQ(JoinLines(lines, {}), "unit Unit1;\r\n\r\n");
  EXPECT_EQ(JoinLines(lines, {"\n", false}), "unit Unit1;\n");
  // Mixed ends come back in the first one's kind.
  EXPECT_EQ(RoundTrip("a\nb\r\nc\n"), "a\nb\nc\n");
}

}  // namespace
}  // namespace korvax
