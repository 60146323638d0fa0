// The highlighter's documents as the editor shows them: converted Pascal text
// loaded into a rich edit keeps its text, line for line, and every token its
// colour and style.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ide/editor/pas_to_rtf.h"
#include "kcl/components/richedit.h"
#include "kcl/controls/form.h"
#include "kcl/graphics/qtcolor.h"
#include "support/testfiles.h"

using namespace kcl;
using namespace korvax::editor;

namespace {

// Reserved words blue and bold, comments navy and italic, strings green,
// numbers red, identifiers, symbols and white space black.
const char* const Hive =
    "WINE REGISTRY Version 2\n"
    "\n"
    "[Software\\\\Borland\\\\Delphi\\\\3.0\\\\HighLight] 1700000000\n"
    "\"Comment\"=\"8388608,-16777211,I,0,0,0,0\"\n"
    "\"Reserved_Word\"=\"16711680,-16777211,B,0,0,0,0\"\n"
    "\"String\"=\"32768,0,,0,0,0,0\"\n"
    "\"Number\"=\"255,0,,0,0,0,0\"\n"
    "\"Identifier\"=\"0,0,,0,0,0,0\"\n"
    "\"Symbol\"=\"0,0,,0,0,0,0\"\n"
    "\"Whitespace\"=\"0,0,,0,0,0,0\"\n";

const std::string Unit =
    "unit Unit1;\r\n"
    "\r\n"
    "interface\r\n"
    "\r\n"
    "{ a form }\r\n"
    "procedure Hello(const S: string);\r\n"
    "\r\n"
    "implementation\r\n"
    "\r\n"
    "procedure Hello(const S: string);\r\n"
    "begin\r\n"
    "  Writeln('it''s ', 42); // greet\r\n"
    "end;\r\n"
    "\r\n"
    "end.\r\n";

class HighlightedEditor : public testing::Test {
protected:
  void SetUp() override {
    form.reset(new TForm(nullptr));
    edit = new TRichEdit(form.get());
    edit->SetParent(form.get());
    korvax::test::WriteFileBytes(dir.File("user.reg"), Hive);
    TPasConversion conversion;
    conversion.ReadHighlightSettings(3, dir.File("user.reg"));
    conversion.WriteString(Unit);
    conversion.ConvertToRtf();
    edit->Lines()->LoadFromStream(conversion);
  }
  // The colour and style of the first character of the first occurrence of text.
  QRgb ColorOf(const std::string& text, bool* bold = nullptr, bool* italic = nullptr) {
    const int at = edit->FindText(text, 0, -1, {stMatchCase});
    EXPECT_GE(at, 0) << text;
    edit->SetSelection(at, at + 1);
    if (bold) *bold = edit->SelAttributes()->Style().Contains(fsBold);
    if (italic) *italic = edit->SelAttributes()->Style().Contains(fsItalic);
    return ColorToQRgb(edit->SelAttributes()->Color());
  }

  korvax::test::TempDir dir;
  std::unique_ptr<TForm, TObjectFree> form;
  TRichEdit* edit = nullptr;
};

}  // namespace

TEST_F(HighlightedEditor, KeepsTheUnitsTextLineForLine) {
  EXPECT_EQ(edit->Lines()->Text(), Unit);
  EXPECT_EQ(edit->Lines()->Count(), 15);
  EXPECT_FALSE(edit->Modified());
}

TEST_F(HighlightedEditor, GivesEveryTokenItsColourAndStyle) {
  bool bold = false, italic = false;
  EXPECT_EQ(ColorOf("procedure", &bold, &italic), qRgb(0, 0, 255));
  EXPECT_TRUE(bold);
  EXPECT_FALSE(italic);
  EXPECT_EQ(ColorOf("{ a form }", &bold, &italic), qRgb(0, 0, 128));
  EXPECT_TRUE(italic);
  EXPECT_FALSE(bold);
  EXPECT_EQ(ColorOf("// greet", nullptr, &italic), qRgb(0, 0, 128));
  EXPECT_TRUE(italic);
  EXPECT_EQ(ColorOf("'it''s '"), qRgb(0, 128, 0));
  EXPECT_EQ(ColorOf("42"), qRgb(255, 0, 0));
  EXPECT_EQ(ColorOf("Writeln", &bold), qRgb(0, 0, 0));
  EXPECT_FALSE(bold);
  // Braces and backslashes escaped by the highlighter come back as typed.
  EXPECT_EQ(edit->FindText("{ a form }", 0, -1, {}), 24);
}
