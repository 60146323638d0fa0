// Pascal text to RTF: whole documents compared byte for byte.
#include "ide/editor/pas_to_rtf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "ide/editor/pas_words.h"
#include "support/testfiles.h"

using namespace korvax::editor;
using namespace std::string_literals;
using korvax::test::TempDir;
using korvax::test::WriteFileBytes;

namespace {

const std::string FontTable =
    R"({\rtf1\ansi\deff0\deftab720{\fonttbl{\f0\fswiss MS SansSerif;}{\f1\froman\fcharset2 Symbol;}{\f2\fmodern Courier New;}})"
    "\r\n";
const std::string BodyStart = R"(\deflang1033\pard\plain\f2\fs20 )";
const std::string Trailer = "\r\n\\par }{\r";

std::string Header(const std::string& colorTable) {
  return FontTable + R"({\colortbl)" + colorTable + "}\r\n" + BodyStart;
}

std::string DefaultHeader() {
  std::string colors;
  for (int i = 0; i < 11; ++i) colors += R"(\red0\green0\blue0;)";
  return Header(colors);
}

std::string Document(const std::string& body) { return DefaultHeader() + body + Trailer; }

// Converts text with the settings of hiveFile; "" gives the defaults.
std::string Convert(const std::string& text, const std::string& hiveFile = "", int version = 3) {
  TPasConversion conversion;
  conversion.ReadHighlightSettings(version, hiveFile);
  conversion.WriteString(text);
  conversion.ConvertToRtf();
  EXPECT_EQ(conversion.Position(), 0);
  return std::string(conversion.View());
}

}  // namespace

TEST(PasToRtf, EmptyTextGivesTheHeaderAlone) {
  TPasConversion conversion;
  conversion.ReadHighlightSettings(3, "");
  EXPECT_EQ(conversion.ConvertToRtf(), 0);
  EXPECT_EQ(std::string(conversion.View()),
            "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS SansSerif;}{\\f1\\froman\\fcharset2 "
            "Symbol;}{\\f2\\fmodern Courier New;}}\r\n{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue0;"
            "\\red0\\green0\\blue0;\\red0\\green0\\blue0;\\red0\\green0\\blue0;\\red0\\green0\\blue0;\\red0\\green0"
            "\\blue0;\\red0\\green0\\blue0;\\red0\\green0\\blue0;\\red0\\green0\\blue0;\\red0\\green0\\blue0;}\r\n"
            "\\deflang1033\\pard\\plain\\f2\\fs20");
}

TEST(PasToRtf, WithoutSettingsEveryKindIsBareButLineBreaksStillEndParagraphs) {
  TPasConversion conversion;
  conversion.WriteString("a := 1;\r\n");
  EXPECT_EQ(conversion.ConvertToRtf(), 9);
  EXPECT_EQ(std::string(conversion.View()), Header("") + "a := 1;\r\n\\par " + Trailer);
}

TEST(PasToRtf, NumbersRangesAndCharacterConstants) {
  EXPECT_EQ(Convert("1..10"), Document(R"({\cf6 1..10})"));
  EXPECT_EQ(Convert("1.5e10"), Document(R"({\cf6 1.5e10})"));
  EXPECT_EQ(Convert("1E-5"), Document(R"({\cf6 1E}{\cf9 -}{\cf6 5})"));
  EXPECT_EQ(Convert("#13#10"), Document(R"({\cf8 #13#10})"));
  EXPECT_EQ(Convert("$FF00+$ab"), Document(R"({\cf6 $FF00}{\cf9 +}{\cf6 $ab})"));
  EXPECT_EQ(Convert("x1_ 2x"), Document(R"({\cf4 x1_}{\cf7  }{\cf6 2}{\cf4 x})"));
}

TEST(PasToRtf, CommentsStartInsideSymbolRuns) {
  EXPECT_EQ(Convert(":=(* c *)"), Document(R"({\cf9 :=}{\cf1 (* c *)})"));
  EXPECT_EQ(Convert("x//c"), Document(R"({\cf4 x}{\cf1 //c})"));
  EXPECT_EQ(Convert("(*)a"), Document(R"({\cf1 (*)}{\cf4 a})"));
  EXPECT_EQ(Convert("(**)"), Document(R"({\cf1 (**)})"));
  EXPECT_EQ(Convert("a:={b}c"), Document(R"({\cf4 a}{\cf9 :=}{\cf1 \{b\}}{\cf4 c})"));
  EXPECT_EQ(Convert("// to the end\r\nx"), Document("{\\cf1 // to the end}\r\n\\par {\\cf4 x}"));
  // Unterminated comments run to the end of the text.
  EXPECT_EQ(Convert("{ open"), Document(R"({\cf1 \{ open})"));
  EXPECT_EQ(Convert("(* open *"), Document(R"({\cf1 (* open *})"));
  EXPECT_EQ(Convert("(*"), Document(R"({\cf1 (*})"));
  EXPECT_EQ(Convert("/"), Document(R"({\cf9 /})"));
}

TEST(PasToRtf, BracesAndBackslashesAreEscapedWhereverTheyAppear) {
  EXPECT_EQ(Convert(R"('a{b}\c')"), Document(R"({\cf8 'a\{b\}\\c'})"));
  EXPECT_EQ(Convert(R"({ \ { })"), Document(R"({\cf1 \{ \\ \{ \}})"));
  EXPECT_EQ(Convert(R"((* } \ *))"), Document(R"({\cf1 (* \} \\ *)})"));
  EXPECT_EQ(Convert(R"(// {\})"), Document(R"({\cf1 // \{\\\}})"));
  // A stray "}" or "\" in code would otherwise end a group or start a control word.
  EXPECT_EQ(Convert(R"(a\b})"), Document(R"({\cf4 a}{\cf9 \\}{\cf4 b}{\cf10 \}})"));
}

TEST(PasToRtf, StringsEndAtTheNextQuote) {
  EXPECT_EQ(Convert("'it''s'"), Document(R"({\cf8 'it'}{\cf8 's'})"));
  EXPECT_EQ(Convert("''"), Document(R"({\cf8 ''})"));
  EXPECT_EQ(Convert("'(* not a comment *)'"), Document(R"({\cf8 '(* not a comment *)'})"));
}

TEST(PasToRtf, UnterminatedStringIsAnErrorAndKeepsTheText) {
  for (const std::string& text : {"x := 'abc"s, "'ab\r\ncd'"s, "'ab\ncd'"s, "'"s, "'ab\0cd'"s}) {
    TPasConversion conversion;
    conversion.ReadHighlightSettings(3, "");
    conversion.WriteString(text);
    try {
      conversion.ConvertToRtf();
      ADD_FAILURE() << "no error for " << text;
    } catch (const EPasConversionError& e) {
      EXPECT_STREQ(e.what(), "Invalid string");
    }
    EXPECT_EQ(conversion.View(), text);
  }
}

TEST(PasToRtf, ReservedWordsInAnyCaseAreEmittedAsWritten) {
  EXPECT_EQ(Convert("begin Begin BEGIN beginx"),
            Document(R"({\cf5 begin}{\cf7  }{\cf5 Begin}{\cf7  }{\cf5 BEGIN}{\cf7  }{\cf4 beginx})"));
  for (const std::string_view word : ReservedWords) {
    std::string lower(word);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(IsReservedWord(word)) << word;
    EXPECT_TRUE(IsReservedWord(lower)) << lower;
    EXPECT_FALSE(IsReservedWord(lower + "_")) << lower;
  }
  EXPECT_FALSE(IsReservedWord("Integer"));
  EXPECT_FALSE(IsReservedWord("INITIALIZATIONS"));
  EXPECT_FALSE(IsReservedWord(""));
  EXPECT_FALSE(IsReservedWord("and\0"s));
}

TEST(PasToRtf, DirectivesAreReservedOnlyInsidePropertyDeclarations) {
  EXPECT_EQ(Convert("property Count: Integer read GetCount;"),
            Document(R"({\cf5 property}{\cf7  }{\cf4 Count}{\cf9 :}{\cf7  }{\cf4 Integer}{\cf7  })"
                     R"({\cf5 read}{\cf7  }{\cf4 GetCount}{\cf9 ;})"));
  EXPECT_EQ(Convert("Read(F, X)"), Document(R"(Read{\cf9 (}{\cf4 F}{\cf9 ,}{\cf7  }{\cf4 X}{\cf9 )})"));
  // The declaration stays open across lines until an end word; NAME is never reserved.
  EXPECT_EQ(Convert("property P\r\nwrite name; end; stored"),
            Document("{\\cf5 property}{\\cf7  }{\\cf4 P}\r\n\\par {\\cf5 write}{\\cf7  }name{\\cf9 ;}"
                     "{\\cf7  }{\\cf5 end}{\\cf9 ;}{\\cf7  }stored"));
  EXPECT_EQ(Convert("property X index 1 published Default"),
            Document(R"({\cf5 property}{\cf7  }{\cf4 X}{\cf7  }{\cf5 index}{\cf7  }{\cf6 1}{\cf7  })"
                     R"({\cf5 published}{\cf7  }{\cf5 Default})"));
}

TEST(PasToRtf, PropertyStateCarriesOverToTheNextConversion) {
  TPasConversion conversion;
  conversion.ReadHighlightSettings(3, "");
  conversion.WriteString("property");
  conversion.ConvertToRtf();
  conversion.Clear();
  conversion.WriteString("read");
  conversion.ConvertToRtf();
  EXPECT_EQ(conversion.View(), Document(R"({\cf5 read})"));
}

TEST(PasToRtf, EachLineOfAMultiLineCommentIsAGroupOfItsOwn) {
  EXPECT_EQ(Convert("{ one\r\ntwo\r\nthree }x"),
            Document("{\\cf1 \\{ one}\r\n\\par {\\cf1 two}\r\n\\par {\\cf1 three \\}}{\\cf4 x}"));
  // An empty line inside a comment gives no empty group.
  EXPECT_EQ(Convert("(* a\r\n\r\n*)"), Document("{\\cf1 (* a}\r\n\\par \r\n\\par {\\cf1 *)}"));
  EXPECT_EQ(Convert("{\r\n}"), Document("{\\cf1 \\{}\r\n\\par {\\cf1 \\}}"));
  EXPECT_EQ(Convert("{ a\r\n"), Document("{\\cf1 \\{ a}\r\n\\par "));
}

TEST(PasToRtf, ACarriageReturnAloneIsALineBreakOfOneCharacter) {
  EXPECT_EQ(Convert("a\rb"), Document("{\\cf4 a}\r\\par {\\cf4 b}"));
  EXPECT_EQ(Convert("a\r"), Document("{\\cf4 a}\r\\par "));
  EXPECT_EQ(Convert("\r\r\n"), Document("\r\\par \r\n\\par "));
  EXPECT_EQ(Convert("{a\rb}"), Document("{\\cf1 \\{a}\r\\par {\\cf1 b\\}}"));
}

TEST(PasToRtf, ALineFeedAloneIsALineBreakToo) {
  EXPECT_EQ(Convert("a\nb\n"), Document("{\\cf4 a}\n\\par {\\cf4 b}\n\\par "));
  EXPECT_EQ(Convert("\n\r"), Document("\n\\par \r\\par "));
  EXPECT_EQ(Convert("x//c\ny"), Document("{\\cf4 x}{\\cf1 //c}\n\\par {\\cf4 y}"));
  EXPECT_EQ(Convert("{a\nb}"), Document("{\\cf1 \\{a}\n\\par {\\cf1 b\\}}"));
  EXPECT_EQ(Convert("(*a\n*)"), Document("{\\cf1 (*a}\n\\par {\\cf1 *)}"));
}

TEST(PasToRtf, WhitespaceControlAndHighCharacters) {
  EXPECT_EQ(Convert(" \t\x01\x1f x"), Document("{\\cf7  \t\x01\x1f }{\\cf4 x}"));
  EXPECT_EQ(Convert("\x80\xE9\xFF|"), Document("{\\cf10 \x80}{\\cf10 \xE9}{\\cf10 \xFF}{\\cf10 |}"));
  EXPECT_EQ(Convert("\x7f"), Document("{\\cf10 \x7f}"));
}

TEST(PasToRtf, ANulCharacterEndsTheConversion) {
  TPasConversion conversion;
  conversion.ReadHighlightSettings(3, "");
  conversion.WriteString("ab\0{ never"s);
  EXPECT_EQ(conversion.ConvertToRtf(), 2);
  EXPECT_EQ(conversion.View(), Document(R"({\cf4 ab})"));
  EXPECT_EQ(Convert("\0x"s), Document(""));
}

TEST(PasToRtf, LongCommentsAndLinesSurviveTheBufferGrowing) {
  // Compared with == so that a failure does not print megabytes.
  const std::string backslashes(100000, '\\');
  EXPECT_TRUE(Convert("{" + backslashes + "}") ==
              Document("{\\cf1 \\{" + backslashes + backslashes + "\\}}"));

  std::string line, expected;
  for (int i = 0; i < 50000; ++i) {
    line += "a:=1;";
    expected += R"({\cf4 a}{\cf9 :=}{\cf6 1}{\cf9 ;})";
  }
  EXPECT_TRUE(Convert(line) == Document(expected));
}

// --- Documents written in chunks

namespace {

// A memory stream that notes the sizes of the writes it is given.
class TRecordingStream : public kcl::TMemoryStream {
public:
  int64_t Write(const void* buffer, int64_t count) override {
    Largest = std::max(Largest, count);
    ++Writes;
    return TMemoryStream::Write(buffer, count);
  }
  int64_t Largest = 0;
  int64_t Writes = 0;
};

// Many chunks' worth of text, with tokens of every length class, escapes and one
// comment longer than a chunk, and the document body it gives.
struct TLongText {
  std::string Text;
  std::string Body;
};

TLongText LongText() {
  TLongText t;
  const auto add = [&t](std::string_view text, std::string_view body) {
    t.Text += text;
    t.Body += body;
  };
  for (int line = 0; line < 4000; ++line) {
    for (int i = 0; i < 4; ++i) {
      add("a:=1;", R"({\cf4 a}{\cf9 :=}{\cf6 1}{\cf9 ;})");
      add(" ", R"({\cf7  })");
      add("begin", R"({\cf5 begin})");
      add("{ \\ }", R"({\cf1 \{ \\ \}})");
      add("AnIdentifierOfMoreThanSixteen", R"({\cf4 AnIdentifierOfMoreThanSixteen})");
      add("'s{'", R"({\cf8 's\{'})");
    }
    add("\r\n", "\r\n\\par ");
    if (line == 2000) {
      const std::string braces(150000, '}');
      std::string escaped;
      for (const char c : braces) escaped.append({'\\', c});
      add("(*" + braces + "*)\r\n", "{\\cf1 (*" + escaped + "*)}\r\n\\par ");
    }
  }
  return t;
}

}  // namespace

TEST(PasRtfWriter, WritesInChunksTheDocumentThatMemoryHolds) {
  const TLongText text = LongText();
  ASSERT_GT(text.Text.size(), 8 * TPasRtfWriter::ChunkSize);

  TPasRtfWriter writer;
  writer.ReadHighlightSettings(3, "");
  TRecordingStream chunks;
  EXPECT_EQ(writer.Write(text.Text, chunks), text.Text.size());
  EXPECT_TRUE(chunks.View() == Document(text.Body));
  EXPECT_LE(chunks.Largest, static_cast<int64_t>(TPasRtfWriter::ChunkSize));
  EXPECT_GE(chunks.Writes, chunks.Size() / static_cast<int64_t>(TPasRtfWriter::ChunkSize));

  TempDir dir;
  {
    kcl::TFileStream file(dir.File("unit.rtf"), kcl::fmCreate);
    writer.Write(text.Text, file);
  }
  EXPECT_TRUE(korvax::test::ReadFileBytes(dir.File("unit.rtf")) == chunks.View());
  EXPECT_TRUE(Convert(text.Text) == chunks.View());
}

// --- Settings from the registry

namespace {

const char* const SampleHive =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n"
    "\n"
    "#arch=win32\n"
    "\n"
    "[Software\\\\Borland\\\\Delphi\\\\2.0\\\\Highlight] 1700000000\n"
    "#time=1d9a0b0c0d0e0f0\n"
    "\"Comment\"=\"255,0,B,0,0,0,0\"\n"
    "\n"
    "[Software\\\\Borland\\\\Delphi\\\\3.0\\\\HighLight] 1700000000\n"
    "#time=1d9a0b0c0d0e0f0\n"
    "\"Assembler\"=\"$0100FF00,0,,0,0,0,0\"\n"
    "\"Comment\"=\"8388608,-16777211,IU,0,0,0,0\"\n"
    "\"identifier\"=\"-2147483624,-16777211,,0,0,0,0\"\n"
    "\"Reserved_Word\"=\"-16777203,-16777211,B,0,0,0,0\"\n"
    "\"Number\"=\"$0000FF\"\n"
    "\"Whitespace\"=\"\"\n"
    "\"String\"=\"16711680,0,bi\"\n"
    "\"Symbol\"=\"blue,0,BIU,0,0,0,0\"\n";

// Colour-table entries for kinds 0..10 of SampleHive's Delphi 3 settings; kind 10
// (Plain_Text) is missing and gets the default.
const std::string SampleColors =
    R"(\red0\green255\blue0;\red0\green0\blue128;\red0\green0\blue0;\red0\green0\blue0;)"
    R"(\red255\green255\blue225;\red0\green0\blue128;\red255\green0\blue0;\red0\green0\blue0;)"
    R"(\red0\green0\blue255;\red0\green0\blue0;\red0\green0\blue0;)";

}  // namespace

TEST(PasHighlightSettings, ColoursAndStylesComeFromTheCompilersKey) {
  TempDir dir;
  WriteFileBytes(dir.File("user.reg"), SampleHive);
  EXPECT_EQ(Convert("if{c}x:=1 ' ';\r\n|", dir.File("user.reg")),
            Header(SampleColors) +
                R"({\b \cf5 if}{\i \u \cf1 \{c\}}{\cf4 x}{\b \i \u \cf9 :=}{\cf6 1}{\cf7  }{\cf8 ' '})"
                R"({\b \i \u \cf9 ;})" "\r\n\\par " R"({\cf10 |})" + Trailer);

  const auto settings = ReadPasHighlightSettings(3, dir.File("user.reg"));
  EXPECT_EQ(settings[ptIdentifier].Color, 0xE1FFFF);    // the system colour clInfoBk
  EXPECT_EQ(settings[ptReservedWord].Color, 0x800000);  // clHighlight
  EXPECT_EQ(settings[ptAssembler].Color, 0x00FF00);     // without its palette byte
  EXPECT_FALSE(settings[ptLineBreak].HasStyle);
  EXPECT_TRUE(settings[ptPlainText].HasStyle);
}

TEST(PasHighlightSettings, Version2ReadsItsOwnKey) {
  TempDir dir;
  WriteFileBytes(dir.File("user.reg"), SampleHive);
  std::string colors = R"(\red0\green0\blue0;\red255\green0\blue0;)";
  for (int i = 2; i < 11; ++i) colors += R"(\red0\green0\blue0;)";
  EXPECT_EQ(Convert("{c}", dir.File("user.reg"), 2), Header(colors) + R"({\b \cf1 \{c\}})" + Trailer);
}

TEST(PasHighlightSettings, OnlyVersions2And3AreSupported) {
  TPasConversion conversion;
  conversion.ReadHighlightSettings(3, "");
  for (const int version : {0, 1, 4, 30}) {
    try {
      conversion.ReadHighlightSettings(version, "");
      ADD_FAILURE() << "no error for version " << version;
    } catch (const EPasConversionError& e) {
      EXPECT_STREQ(e.what(), "Only syntax highlighting from Delphi 2 and 3 are supported");
    }
  }
  // The colour table is gone; the rest waits for settings that can be read.
  conversion.WriteString("x");
  conversion.ConvertToRtf();
  EXPECT_NE(conversion.View().find(R"({\colortbl})"), std::string_view::npos);
}
