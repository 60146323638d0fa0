// The RTF reader on a bare QTextDocument: the highlighter's documents, escapes,
// groups, tables, and malformed input.
#include "kcl/components/rtfreader.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <string>

using namespace kcl;

namespace {

// Documents exactly as TPasConversion writes them (see pas_to_rtf_test.cpp).
const std::string FontTable =
    R"({\rtf1\ansi\deff0\deftab720{\fonttbl{\f0\fswiss MS SansSerif;}{\f1\froman\fcharset2 Symbol;}{\f2\fmodern Courier New;}})"
    "\r\n";
const std::string Trailer = "\r\n\\par }{\r";
std::string Header(const std::string& colorTable) {
  return FontTable + R"({\colortbl)" + colorTable + "}\r\n" + R"(\deflang1033\pard\plain\f2\fs20 )";
}
const std::string SampleColors =
    R"(\red0\green255\blue0;\red0\green0\blue128;\red0\green0\blue0;\red0\green0\blue0;)"
    R"(\red255\green255\blue225;\red0\green0\blue128;\red255\green0\blue0;\red0\green0\blue0;)"
    R"(\red0\green0\blue255;\red0\green0\blue0;\red0\green0\blue0;)";
const std::string HighlightedUnit = Header(SampleColors) +
                                    R"({\b \cf5 if}{\i \u \cf1 \{c\}}{\cf4 x}{\b \i \u \cf9 :=}{\cf6 1}{\cf7  }{\cf8 ' '})"
                                    R"({\b \i \u \cf9 ;})" "\r\n\\par " R"({\cf10 |})" + Trailer;

struct TReadDocument {
  QTextDocument Document;
  explicit TReadDocument(const std::string& rtf, const TRtfReadOptions& options = {}) {
    QTextCursor cursor(&Document);
    ReadRtf(rtf, cursor, options);
  }
  QString Text() const { return Document.toRawText(); }
  QTextCharFormat At(int position) const {
    QTextCursor cursor(const_cast<QTextDocument*>(&Document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
  }
  QRgb Color(int position) const { return At(position).foreground().color().rgb(); }
  bool HasColor(int position) const { return At(position).hasProperty(QTextFormat::ForegroundBrush); }
};

const QChar Par(QChar::ParagraphSeparator);

}  // namespace

TEST(RtfReader, HighlighterDocumentGivesTextColoursAndStyles) {
  TReadDocument doc(HighlightedUnit);
  EXPECT_EQ(doc.Text(), QStringLiteral("if{c}x:=1 ' ';") + Par + "|");
  EXPECT_EQ(doc.Document.blockCount(), 2);

  EXPECT_EQ(doc.Color(0), qRgb(0, 0, 128));  // "if": reserved word, \cf5
  EXPECT_TRUE(doc.At(1).fontWeight() >= QFont::Bold);
  EXPECT_FALSE(doc.At(1).fontItalic());
  // "{c}": comment, italic and underlined by the bare \u.
  EXPECT_EQ(doc.Color(2), qRgb(0, 0, 128));
  EXPECT_TRUE(doc.At(3).fontItalic());
  EXPECT_TRUE(doc.At(4).fontUnderline());
  EXPECT_FALSE(doc.At(4).fontWeight() >= QFont::Bold);
  // "x": identifier, plain in colour 4; ":=" bold italic underlined.
  EXPECT_EQ(doc.Color(5), qRgb(255, 255, 225));
  EXPECT_FALSE(doc.At(5).fontItalic() || doc.At(5).fontUnderline());
  EXPECT_TRUE(doc.At(6).fontWeight() >= QFont::Bold && doc.At(7).fontItalic() && doc.At(7).fontUnderline());
  EXPECT_EQ(doc.Color(8), qRgb(255, 0, 0));     // "1"
  EXPECT_EQ(doc.Color(10), qRgb(0, 0, 255));    // "' '"
  EXPECT_EQ(doc.Color(15), qRgb(0, 0, 0));      // "|" on the second line
  // Every character is Courier New at 10 points, \f2\fs20.
  EXPECT_EQ(doc.At(15).fontFamilies().toStringList(), QStringList{"Courier New"});
  EXPECT_DOUBLE_EQ(doc.At(0).fontPointSize(), 10.0);
  EXPECT_TRUE(doc.At(0).fontFixedPitch());
}

TEST(RtfReader, FinalParagraphMarkIsNotAnExtraLine) {
  // "a := 1;\r\n" without settings: one line ended by a break, then the trailer's mark.
  TReadDocument withBreak(Header("") + "a := 1;\r\n\\par " + Trailer);
  EXPECT_EQ(withBreak.Text(), QStringLiteral("a := 1;") + Par);
  TReadDocument single(Header("") + R"({\cf4 ab})" + Trailer);
  EXPECT_EQ(single.Text(), QStringLiteral("ab"));
  // The highlighter's document of empty text has no trailer at all.
  TReadDocument empty(Header(""));
  EXPECT_EQ(empty.Text(), QString());
}

TEST(RtfReader, EscapesHexBytesAndUnicode) {
  TReadDocument escapes(Header("") + R"({\cf8 'a\{b\}\\c'})" + Trailer);
  EXPECT_EQ(escapes.Text(), QStringLiteral("'a{b}\\c'"));
  // \'hh is a Windows-1252 byte; \uN a character followed by \ucN fallback bytes.
  TReadDocument bytes(R"({\rtf1 \'80\'e9\'4A\u8364?x\uc2\u-3913??y\uc0\u66 z})");
  EXPECT_EQ(bytes.Text(), QString::fromUtf8("€éJ€x\uF0B7yBz"));
  // Line breaks: \line and \par end lines, \tab is a tab; CR and LF in the RTF are nothing.
  TReadDocument lines("{\\rtf1 a\\line b\r\n\\tab c\\par\nd\r}");
  EXPECT_EQ(lines.Text(), QStringLiteral("a") + Par + "b\tc" + Par + "d");
}

TEST(RtfReader, GroupsRestoreStateAndTablesResolve) {
  TReadDocument doc(
      R"({\rtf1{\fonttbl\f0\froman Times;\f1\fswiss\fcharset238 Arial;}{\colortbl;\red255\green0\blue0;})"
      R"(a{\b b{\i\cf1 c}d}e\f1\fs30\ul f\ulnone\plain g\cf1 h\cf0 i\cf7 j})");
  EXPECT_EQ(doc.Text(), QStringLiteral("abcdefghij"));
  EXPECT_FALSE(doc.At(0).fontWeight() >= QFont::Bold);
  EXPECT_TRUE(doc.At(1).fontWeight() >= QFont::Bold);
  EXPECT_TRUE(doc.At(2).fontWeight() >= QFont::Bold && doc.At(2).fontItalic());
  EXPECT_EQ(doc.Color(2), qRgb(255, 0, 0));
  EXPECT_TRUE(doc.At(3).fontWeight() >= QFont::Bold && !doc.At(3).fontItalic() && !doc.HasColor(3));
  EXPECT_FALSE(doc.At(4).fontWeight() >= QFont::Bold);
  EXPECT_EQ(doc.At(0).fontFamilies().toStringList(), QStringList{"Times"});  // \deff0
  EXPECT_EQ(doc.At(5).fontFamilies().toStringList(), QStringList{"Arial"});
  EXPECT_DOUBLE_EQ(doc.At(5).fontPointSize(), 15.0);
  EXPECT_TRUE(doc.At(5).fontUnderline());
  // \plain: the default font again, no size of its own, nothing underlined.
  EXPECT_EQ(doc.At(6).fontFamilies().toStringList(), QStringList{"Times"});
  EXPECT_FALSE(doc.At(6).hasProperty(QTextFormat::FontPointSize));
  EXPECT_FALSE(doc.At(6).fontUnderline());
  EXPECT_EQ(doc.Color(7), qRgb(255, 0, 0));
  EXPECT_FALSE(doc.HasColor(8));  // the empty first entry: the control's colour
  EXPECT_FALSE(doc.HasColor(9));  // no entry 7
}

TEST(RtfReader, UnknownWordsAndDestinationsAreSkipped) {
  TReadDocument doc(
      R"({\rtf1\ansi\deflang1033{\*\generator Riched20;}{\info{\title T}}{\stylesheet{\s0 Normal;}})"
      R"(\viewkind4\uc1\pard\lang1033 a\unknownword12 b{\*\bkmkstart x}c\bin3 {}}d})");
  EXPECT_EQ(doc.Text(), QStringLiteral("abcd"));
}

TEST(RtfReader, MalformedDocumentsReadWhatCanBeRead) {
  const struct {
    std::string Rtf;
    QString Text;
  } cases[] = {
      {"{\\rtf1 abc", "abc"},                 // never closed
      {"{\\rtf1 a}}}b{c", "a"},               // closed too often; nothing after the end
      {"{\\rtf1 a\\", "a"},                   // a truncated control word
      {"{\\rtf1 a\\'4", "a"},                 // a truncated hex escape
      {"{\\rtf1 a\\'zzb}", "azzb"},           // not hex
      {"{\\rtf1 a\\u", "a"},                  // \u at the end
      {"{\\rtf1 a\\u99999999999999999 ?b}", "a\uFFFD""b"},
      {"{\\rtf1 \\cf99999999999 a\\fs99999999999999 b\\f-5 c}", "abc"},
      {"{\\rtf1{\\colortbl\\red999\\green-4\\blue" + std::string(50, '9') + ";}\\cf0 x}", "x"},
      {"{\\rtf1 x\\bin999999999 y}", "x"},
      {"{\\rtf1\\" + std::string(1000, 'a') + " ok}", "ok"},
  };
  for (const auto& c : cases) {
    TReadDocument doc(c.Rtf);
    EXPECT_EQ(doc.Text(), c.Text) << c.Rtf;
  }
  // Absurdly deep nesting neither overflows the stack nor loses the text.
  const int depth = 200000;
  TReadDocument deep("{\\rtf1 " + std::string(depth, '{') + "\\b x" + std::string(depth, '}') + "y}");
  EXPECT_EQ(deep.Text(), QStringLiteral("xy"));
  TReadDocument huge("{\\rtf1\\fs99999 big}");
  EXPECT_DOUBLE_EQ(huge.At(0).fontPointSize(), 1638.0);
}

TEST(RtfReader, AnsiTextEndsLinesAtCrLfLfOrCr) {
  QTextDocument document;
  QTextCursor cursor(&document);
  ReadAnsiText("a\r\nb\nc\rd\x80\r\n", cursor);
  EXPECT_EQ(document.toRawText(), QStringLiteral("a") + Par + "b" + Par + "c" + Par + QString::fromUtf8("d€") + Par);
  EXPECT_TRUE(IsRtf("{\\rtf1}"));
  EXPECT_FALSE(IsRtf(" {\\rtf1}"));
}

TEST(RtfReader, ReadingOnlyTheFirstParagraphsFormattedKeepsTheTextAndStopsWhenCancelled) {
  std::string rtf = Header(SampleColors);
  for (int i = 0; i < 4; ++i) rtf += R"({\b \cf5 if}{\cf7  }{\cf8 'x'})" "\r\n\\par ";
  rtf += R"({\cf6 9})" + Trailer;
  const TReadDocument full(rtf);
  const TReadDocument quick(rtf, {2, nullptr});
  EXPECT_EQ(quick.Text(), full.Text());
  EXPECT_EQ(quick.Document.blockCount(), 5);
  // The first two lines as the full read has them; the rest in one format: the
  // one the first run after them had ("if", bold in \cf5).
  for (int i = 0; i < 12; ++i) EXPECT_EQ(quick.Color(i), full.Color(i)) << i;
  const int third = quick.Document.findBlockByNumber(2).position();
  EXPECT_EQ(quick.Color(third + 3), qRgb(0, 0, 128));
  EXPECT_NE(full.Color(third + 3), qRgb(0, 0, 128));
  EXPECT_EQ(quick.Color(quick.Document.characterCount() - 2), qRgb(0, 0, 128));
  EXPECT_EQ(full.Color(full.Document.characterCount() - 2), qRgb(255, 0, 0));

  const std::atomic<bool> cancelled = true;
  const TReadDocument stopped(rtf, {INT_MAX, &cancelled});
  EXPECT_TRUE(stopped.Text().isEmpty());
}
