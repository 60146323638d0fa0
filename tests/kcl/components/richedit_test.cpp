// TRichEdit on a real QTextEdit under the offscreen platform.
#include "kcl/components/richedit.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTest>
#include <QTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "kcl/classes/streams.h"
#include "kcl/controls/form.h"
#include "kcl/graphics/qtcolor.h"
#include "kcl/rtl/exceptions.h"
#include "richedittest.h"
#include "support/testform.h"

using namespace kcl;
using korvax::test::FormPtr;

namespace {

// A highlighted unit as TPasConversion writes it with every kind in its own colour
// (see pas_to_rtf_test.cpp): reserved words bold in \cf5, comments italic.
const std::string HighlightHeader =
    R"({\rtf1\ansi\deff0\deftab720{\fonttbl{\f0\fswiss MS SansSerif;}{\f1\froman\fcharset2 Symbol;}{\f2\fmodern Courier New;}})"
    "\r\n"
    R"({\colortbl\red0\green0\blue0;\red0\green0\blue128;\red0\green0\blue0;\red0\green0\blue0;)"
    R"(\red0\green0\blue0;\red0\green0\blue255;\red255\green0\blue0;\red0\green0\blue0;)"
    R"(\red0\green128\blue0;\red0\green0\blue0;\red0\green0\blue0;})"
    "\r\n"
    R"(\deflang1033\pard\plain\f2\fs20 )";
const std::string HighlightTrailer = "\r\n\\par }{\r";
const std::string HighlightedUnit =
    HighlightHeader +
    R"({\b \cf5 unit}{\cf7  }{\cf4 Unit1}{\cf9 ;})" "\r\n\\par \r\n\\par "
    R"({\b \cf5 begin}{\cf7  }{\i \cf1 \{ go \}})" "\r\n\\par "
    R"({\cf7   }{\cf4 x}{\cf9 :=}{\cf8 'it''s'}{\cf9 ;})" "\r\n\\par "
    R"({\b \cf5 end}{\cf9 .})" + HighlightTrailer;

class RichEdit : public korvax::test::RichEditTest {
protected:
  QRgb ColorAt(int index) {
    edit->SetSelection(index, index + 1);
    return ColorToQRgb(edit->SelAttributes()->Color());
  }
  intptr_t Perform(uint32_t msg, uintptr_t wParam, intptr_t lParam) { return edit->Perform(msg, wParam, lParam); }
};

}  // namespace

TEST_F(RichEdit, LoadsTheHighlightersDocument) {
  int changes = 0;
  edit->OnChange.SetHandler([&](TObject*) { ++changes; });
  Load(HighlightedUnit);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(edit->Modified());
  ASSERT_EQ(edit->Lines()->Count(), 5);
  EXPECT_EQ(edit->Lines()->Text(), "unit Unit1;\r\n\r\nbegin { go }\r\n  x:='it''s';\r\nend.\r\n");
  EXPECT_EQ(ColorAt(0), qRgb(0, 0, 255));
  EXPECT_TRUE(edit->SelAttributes()->Style().Contains(fsBold));
  EXPECT_EQ(edit->SelAttributes()->Name(), "Courier New");
  EXPECT_EQ(edit->SelAttributes()->Size(), 10);
  EXPECT_EQ(ColorAt(5), qRgb(0, 0, 0));  // Unit1
  EXPECT_FALSE(edit->SelAttributes()->Style().Contains(fsBold));
  const int comment = edit->FindText("{ go }", 0, -1, {});
  EXPECT_EQ(comment, 19);
  EXPECT_EQ(ColorAt(comment + 2), qRgb(0, 0, 128));
  EXPECT_TRUE(edit->SelAttributes()->Style().Contains(fsItalic));
  EXPECT_EQ(ColorAt(edit->FindText("'it", 0, -1, {})), qRgb(0, 128, 0));
  // A selection over differently formatted text says which attributes differ.
  edit->SetSelection(0, 10);
  const TConsistentAttributes consistent = edit->SelAttributes()->ConsistentAttributes();
  EXPECT_FALSE(consistent.Contains(caBold));
  EXPECT_FALSE(consistent.Contains(caColor));
  EXPECT_TRUE(consistent.Contains(caFace) && consistent.Contains(caSize));
}

TEST_F(RichEdit, PlainTextLoadsAndSaves) {
  edit->SetPlainText(true);
  Load(R"({\rtf1 \b x})");
  EXPECT_EQ(edit->Lines()->Strings(0), R"({\rtf1 \b x})");
  edit->SetPlainText(false);
  Load("one\r\ntwo\nthree\rf\x80n");
  EXPECT_EQ(edit->Lines()->Count(), 4);
  EXPECT_EQ(edit->Lines()->Strings(3), "f\x80n");
  TStringStream out;
  edit->Lines()->SaveToStream(out);
  EXPECT_EQ(out.DataString(), "one\r\ntwo\r\nthree\r\nf\x80n\r\n");
}

TEST_F(RichEdit, LinesEditTheDocumentAndMarkItModified) {
  Load("");
  EXPECT_EQ(edit->Lines()->Count(), 0);
  edit->Lines()->Add("alpha");
  edit->Lines()->Add("gamma");
  edit->Lines()->Insert(1, "beta");
  EXPECT_TRUE(edit->Modified());
  EXPECT_EQ(edit->Text(), "alpha\r\nbeta\r\ngamma\r\n");
  edit->Lines()->Put(0, "ALPHA");
  edit->Lines()->Delete(2);
  EXPECT_EQ(edit->Text(), "ALPHA\r\nbeta\r\n");
  edit->Lines()->Delete(1);
  edit->Lines()->Delete(0);
  EXPECT_EQ(edit->Lines()->Count(), 0);
  // A last line without a break, then one added after it.
  edit->Lines()->SetText("x");
  EXPECT_EQ(edit->GetTextLen(), 1);
  edit->Lines()->Add("y");
  EXPECT_EQ(edit->Text(), "x\r\ny\r\n");
  EXPECT_THROW(edit->Lines()->Strings(2), EStringListError);
  EXPECT_THROW(edit->Lines()->Delete(-1), EStringListError);
}

TEST_F(RichEdit, LineMessagesCountOneCharacterPerLineBreak) {
  Load("abc\r\nde\r\n\r\nfghij");
  // Lines start at 0, 4, 7 and 8; the text is 13 characters long.
  EXPECT_EQ(Perform(EM_GETLINECOUNT, 0, 0), 4);
  EXPECT_EQ(edit->GetTextLen(), 13);
  const int starts[] = {0, 4, 7, 8};
  for (int line = 0; line < 4; ++line) EXPECT_EQ(Perform(EM_LINEINDEX, line, 0), starts[line]);
  EXPECT_EQ(Perform(EM_LINEINDEX, 4, 0), -1);
  EXPECT_EQ(Perform(EM_LINELENGTH, 5, 0), 2);
  EXPECT_EQ(Perform(EM_LINELENGTH, 7, 0), 0);
  EXPECT_EQ(Perform(EM_LINELENGTH, 13, 0), 5);
  EXPECT_EQ(Perform(EM_LINELENGTH, 99, 0), 0);
  EXPECT_EQ(Perform(EM_LINEFROMCHAR, 3, 0), 0);  // the break ends line 0
  EXPECT_EQ(Perform(EM_LINEFROMCHAR, 4, 0), 1);
  EXPECT_EQ(Perform(EM_LINEFROMCHAR, 9, 0), 3);
  EXPECT_EQ(Perform(EM_LINEFROMCHAR, 500, 0), 3);
  EXPECT_EQ(Perform(EM_EXLINEFROMCHAR, 0, 7), 2);
  // -1: the caret's line; the unselected characters of the selection's lines.
  Perform(EM_SETSEL, 5, 10);
  EXPECT_EQ(Perform(EM_LINEINDEX, static_cast<uintptr_t>(-1), 0), 8);
  EXPECT_EQ(Perform(EM_LINEFROMCHAR, static_cast<uintptr_t>(-1), 0), 1);
  EXPECT_EQ(Perform(EM_LINELENGTH, static_cast<uintptr_t>(-1), 0), 1 + 3);

  uint32_t start = 0, end = 0;
  EXPECT_EQ(Perform(EM_GETSEL, reinterpret_cast<uintptr_t>(&start), reinterpret_cast<intptr_t>(&end)),
            5 | (10 << 16));
  EXPECT_EQ(start, 5u);
  EXPECT_EQ(end, 10u);
  EXPECT_EQ(edit->SelText(), "e\r\n\r\nfg");
  Perform(EM_SETSEL, 9, static_cast<intptr_t>(-1));
  EXPECT_EQ(edit->SelText(), "ghij");
  TCharRange range{2, 6};
  Perform(EM_EXSETSEL, 0, reinterpret_cast<intptr_t>(&range));
  TCharRange got;
  Perform(EM_EXGETSEL, 0, reinterpret_cast<intptr_t>(&got));
  EXPECT_EQ(got.cpMin, 2);
  EXPECT_EQ(got.cpMax, 6);
  EXPECT_EQ(edit->SelStart(), 2);
  EXPECT_EQ(edit->SelLength(), 4);
}

TEST_F(RichEdit, FindTextAndWordBreaks) {
  Load("Begin x := Beginning;\r\nbegin  BEGIN.end");
  EXPECT_EQ(edit->FindText("begin", 0, -1, {}), 0);
  EXPECT_EQ(edit->FindText("begin", 0, -1, {stMatchCase}), 22);
  EXPECT_EQ(edit->FindText("begin", 1, -1, {stWholeWord}), 22);
  EXPECT_EQ(edit->FindText("Begin", 1, 15, {}), 11);  // inside "Beginning"
  EXPECT_EQ(edit->FindText("Begin", 1, 14, {stWholeWord}), -1);
  EXPECT_EQ(edit->FindText("BEGIN", 23, -1, {stMatchCase, stWholeWord}), 29);
  EXPECT_EQ(edit->FindText("nothing", 0, -1, {}), -1);
  EXPECT_EQ(edit->FindText("begin", 1000, -1, {}), -1);

  // Move word right: past the word and the blanks after it; punctuation is a word.
  auto right = [&](int from) { return static_cast<int>(Perform(EM_FINDWORDBREAK, WB_MOVEWORDRIGHT, from)); };
  EXPECT_EQ(right(0), 6);
  EXPECT_EQ(right(2), 6);
  EXPECT_EQ(right(6), 8);    // "x "
  EXPECT_EQ(right(8), 11);   // ":= "
  EXPECT_EQ(right(11), 20);  // "Beginning"
  EXPECT_EQ(right(21), 22);  // over the line break
  EXPECT_EQ(right(22), 29);  // "begin  "
  EXPECT_EQ(right(38), 38);  // the end
  auto left = [&](int from) { return static_cast<int>(Perform(EM_FINDWORDBREAK, WB_MOVEWORDLEFT, from)); };
  EXPECT_EQ(left(8), 6);
  EXPECT_EQ(left(29), 22);
  EXPECT_EQ(left(22), 21);
  EXPECT_EQ(Perform(EM_FINDWORDBREAK, WB_ISDELIMITER, 5), 1);
  EXPECT_EQ(Perform(EM_FINDWORDBREAK, WB_ISDELIMITER, 4), 0);
}

TEST_F(RichEdit, ReplaceSelUndoAndModified) {
  Load("one two");
  EXPECT_FALSE(edit->CanUndo());
  EXPECT_EQ(Perform(EM_GETMODIFY, 0, 0), 0);
  Perform(EM_SETSEL, 4, 7);
  const char* replacement = "2\r\nthree";
  Perform(EM_REPLACESEL, 1, reinterpret_cast<intptr_t>(replacement));
  EXPECT_EQ(edit->Text(), "one 2\r\nthree\r\n");
  EXPECT_EQ(edit->SelStart(), 11);
  EXPECT_EQ(Perform(EM_GETMODIFY, 0, 0), 1);
  EXPECT_EQ(Perform(EM_CANUNDO, 0, 0), 1);
  EXPECT_EQ(Perform(EM_UNDO, 0, 0), 1);
  EXPECT_EQ(edit->Text(), "one two\r\n");
  // Not undoable: the history that would no longer fit the text is dropped.
  Perform(EM_SETSEL, 0, 3);
  Perform(EM_REPLACESEL, 0, reinterpret_cast<intptr_t>("1"));
  EXPECT_EQ(edit->Text(), "1 two\r\n");
  EXPECT_FALSE(edit->CanUndo());
  Perform(EM_REPLACESEL, 0, 0);  // no text at all: the selection goes
  EXPECT_EQ(edit->Text(), "1 two\r\n");
  Perform(EM_SETMODIFY, 0, 0);
  EXPECT_FALSE(edit->Modified());
}

TEST_F(RichEdit, TypingMarksModifiedAndTakesThePreviousCharactersColour) {
  Load(HighlightedUnit);
  int changes = 0, moves = 0;
  edit->OnChange.SetHandler([&](TObject*) { ++changes; });
  edit->OnSelectionChange.SetHandler([&](TObject*) { ++moves; });
  edit->SetSelStart(4);  // after the blue "unit"
  EXPECT_EQ(moves, 1);
  QTest::keyClicks(edit->Widget(), "xy");
  EXPECT_TRUE(edit->Modified());
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(edit->Lines()->Strings(0), "unitxy Unit1;");
  EXPECT_EQ(ColorAt(5), qRgb(0, 0, 255));
  // The typing highlight: a word recoloured after it was typed; typing goes on in
  // the colour of the character before the caret.
  edit->SetSelection(0, 6);
  edit->SelAttributes()->SetColor(static_cast<TColor>(0x0000FF));  // $00BBGGRR: red
  EXPECT_EQ(changes, 2);  // formatting is not a change of the text
  edit->SetSelStart(6);
  QTest::keyClicks(edit->Widget(), "z");
  EXPECT_EQ(ColorAt(6), qRgb(255, 0, 0));
  EXPECT_EQ(ColorAt(7), qRgb(0, 0, 0));  // the space after it kept its own
  // With nothing selected, SelAttributes sets what is typed next.
  edit->SetSelStart(0);
  edit->SelAttributes()->SetColor(static_cast<TColor>(0x00FF00));
  QTest::keyClicks(edit->Widget(), "q");
  EXPECT_EQ(ColorAt(0), qRgb(0, 255, 0));
}

TEST_F(RichEdit, ProtectedTextAndMaxLengthLimitTheUser) {
  Load("abc def");
  edit->SetSelection(0, 3);
  edit->SelAttributes()->SetProtected(true);
  int asked = 0;
  bool allow = false;
  edit->OnProtectChange.SetHandler([&](TObject*, int, int, bool& allowChange) {
    ++asked;
    allowChange = allow;
  });
  edit->SetSelStart(2);
  QTest::keyClicks(edit->Widget(), "x");
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(edit->Lines()->Strings(0), "abc def");
  edit->SetSelStart(5);  // unprotected text needs no consent
  QTest::keyClicks(edit->Widget(), "y");
  EXPECT_EQ(edit->Lines()->Strings(0), "abc dyef");
  EXPECT_EQ(asked, 1);
  allow = true;
  edit->SetSelStart(2);
  QTest::keyClicks(edit->Widget(), "x");
  EXPECT_EQ(edit->Lines()->Strings(0), "abxc dyef");

  edit->SetMaxLength(10);
  edit->SetSelStart(edit->GetTextLen());
  QTest::keyClicks(edit->Widget(), "12345");
  EXPECT_EQ(edit->Lines()->Strings(0), "abxc dyef1");
  edit->Lines()->Add("the program is not limited");
  EXPECT_GT(edit->GetTextLen(), 10);
}

TEST_F(RichEdit, LineScrollMovesTheFirstVisibleLine) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "line " + std::to_string(i) + "\r\n";
  Load(text);
  form->Show();
  EXPECT_EQ(Perform(EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  EXPECT_EQ(Perform(EM_LINESCROLL, 0, 50), 1);
  EXPECT_EQ(Perform(EM_GETFIRSTVISIBLELINE, 0, 0), 50);
  Perform(EM_LINESCROLL, 0, -20);
  EXPECT_EQ(edit->FirstVisibleLine(), 30);
  // The caret brought into view again.
  edit->SetSelStart(0);
  Perform(EM_SCROLLCARET, 0, 0);
  EXPECT_EQ(edit->FirstVisibleLine(), 0);
}

TEST_F(RichEdit, ParagraphAlignmentAndPrint) {
  Load("a\r\nb");
  edit->SetSelStart(2);
  edit->Paragraph()->SetAlignment(taCenter);
  EXPECT_EQ(edit->Paragraph()->Alignment(), taCenter);
  edit->SetSelStart(0);
  EXPECT_EQ(edit->Paragraph()->Alignment(), taLeftJustify);
  EXPECT_FALSE(edit->Modified());

  edit->Print("Unit1/..");
  EXPECT_EQ(QFileInfo(QString::fromStdString(edit->PrintedFile())).fileName(), QStringLiteral("Unit1_...pdf"));
  EXPECT_GT(QFileInfo(QString::fromStdString(edit->PrintedFile())).size(), 0);
  QFile::remove(QString::fromStdString(edit->PrintedFile()));
}

TEST_F(RichEdit, LoadsAHundredThousandHighlightedLines) {
  std::string rtf = HighlightHeader;
  for (int i = 0; i < 100000; ++i)
    rtf += "{\\b \\cf5 begin}{\\cf7  }{\\cf4 x" + std::to_string(i) + "}{\\cf9 :=}{\\cf6 1}{\\cf9 ;}\r\n\\par ";
  rtf += HighlightTrailer;
  Load(rtf);
  ASSERT_EQ(edit->Lines()->Count(), 100000);
  EXPECT_EQ(edit->Lines()->Strings(0), "begin x0:=1;");
  EXPECT_EQ(edit->Lines()->Strings(99999), "begin x99999:=1;");
  const int last = static_cast<int>(Perform(EM_LINEINDEX, 99999, 0));
  EXPECT_EQ(ColorAt(last), qRgb(0, 0, 255));
  EXPECT_EQ(ColorAt(last + 6), qRgb(0, 0, 0));
}

TEST_F(RichEdit, RunsThatFormatAlikeUnderOtherWordsKeepEveryCharactersFormat) {
  // Colours 0, 2 and 4 are one black and 3 and 5 one red: different words, one format.
  const QRgb colors[] = {qRgb(0, 0, 0), qRgb(0, 0, 128), qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 0), qRgb(255, 0, 0)};
  std::string rtf = R"({\rtf1\ansi\deff0{\fonttbl{\f0\fmodern Courier New;}}{\colortbl)";
  for (const QRgb c : colors)
    rtf += "\\red" + std::to_string(qRed(c)) + "\\green" + std::to_string(qGreen(c)) + "\\blue" + std::to_string(qBlue(c)) + ";";
  rtf += "}\\f0\\fs20 ";
  struct TExpected {
    QChar Char;
    int Color;
    bool Bold, Italic;
  };
  std::vector<TExpected> expected;
  std::mt19937 random(3);
  for (int run = 0; run < 3000; ++run) {
    const int color = static_cast<int>(random() % 6);
    const bool bold = random() % 4 == 0, italic = random() % 5 == 0;
    rtf += std::string("{") + (bold ? "\\b " : "") + (italic ? "\\i " : "") + "\\cf" + std::to_string(color) + " ";
    for (unsigned i = 0, length = 1 + random() % 4; i < length; ++i) {
      const char c = static_cast<char>('a' + random() % 26);
      rtf += c;
      expected.push_back({QChar(c), color, bold, italic});
    }
    rtf += "}";
    // Breaks between runs; the text ends without one.
    if (run < 2999 && random() % 8 == 0) {
      rtf += "\\par ";
      expected.push_back({QChar(QChar::ParagraphSeparator), -1, false, false});
    }
  }
  Load(rtf + "}");
  const QString text = edit->Document()->toRawText();
  ASSERT_EQ(text.size(), static_cast<qsizetype>(expected.size()));
  int lines = 1;
  QTextCursor cursor(edit->Document());
  for (size_t i = 0; i < expected.size(); ++i) {
    const TExpected& e = expected[i];
    ASSERT_EQ(text[static_cast<qsizetype>(i)], e.Char) << i;
    if (e.Color < 0) {
      ++lines;
      continue;
    }
    cursor.setPosition(static_cast<int>(i) + 1);
    const QTextCharFormat format = cursor.charFormat();
    ASSERT_EQ(format.foreground().color().rgb(), colors[e.Color]) << i;
    ASSERT_EQ(format.fontWeight() >= QFont::Bold, e.Bold) << i;
    ASSERT_EQ(format.fontItalic(), e.Italic) << i;
  }
  EXPECT_EQ(edit->LineCount(), lines);
}

TEST_F(RichEdit, TablesReadAfterTextColourTheTextBeforeThemAsItWasRead) {
  // "a" and "b" are red alike; the new table makes \cf2 blue for "b" and "c".
  Load(R"({\rtf1{\colortbl;\red255\green0\blue0;\red255\green0\blue0;}\cf1 a\cf2 b)"
       R"({\colortbl;\red0\green255\blue0;\red0\green0\blue255;}c})");
  ASSERT_EQ(edit->Lines()->Strings(0), "abc");
  EXPECT_EQ(ColorAt(0), qRgb(255, 0, 0));
  EXPECT_EQ(ColorAt(1), qRgb(0, 0, 255));
  EXPECT_EQ(ColorAt(2), qRgb(0, 0, 255));
}

TEST_F(RichEdit, ManyFormatsInOneDocumentEachKeepTheirSize) {
  // More formats than the reader keeps at once, in an order that returns to old ones.
  std::string rtf = "{\\rtf1 ";
  std::vector<int> halfPoints;
  for (int i = 0; i < 300; ++i) {
    halfPoints.push_back(2 + (i * 37 % 101) * 2);
    rtf += "\\fs" + std::to_string(halfPoints.back()) + " x";
  }
  Load(rtf + "}");
  ASSERT_EQ(edit->GetTextLen(), 300);
  for (int i = 0; i < 300; ++i) {
    edit->SetSelection(i, i + 1);
    ASSERT_EQ(edit->SelAttributes()->Size(), halfPoints[static_cast<size_t>(i)] / 2) << i;
  }
}
