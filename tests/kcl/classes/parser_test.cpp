#include "kcl/classes/parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kcl/rtl/exceptions.h"

using namespace kcl;
using namespace std::string_literals;

namespace {

struct Token {
  char kind;
  std::string text;
  bool operator==(const Token&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Token& t) {
  return os << '{' << static_cast<int>(t.kind) << ", " << testing::PrintToString(t.text) << '}';
}

std::vector<Token> Tokens(const std::string& text) {
  TParser p(text);
  std::vector<Token> tokens;
  while (p.Token() != toEOF) {
    tokens.push_back({p.Token(), p.TokenString()});
    p.NextToken();
  }
  return tokens;
}

// The message of the EParserError that fn raises.
template <class Fn>
std::string ParserError(Fn fn) {
  try {
    fn();
  } catch (const EParserError& e) {
    return e.what();
  }
  return "(no EParserError)";
}

std::string ScanError(const std::string& text) {
  return ParserError([&] {
    TParser p(text);
    while (p.Token() != toEOF) p.NextToken();
  });
}

std::string StringToken(const std::string& text) {
  TParser p(text);
  EXPECT_EQ(p.Token(), toString) << text;
  return p.TokenString();
}

}  // namespace

TEST(Parser, SplitsAPropertyLineIntoTokens) {
  const std::vector<Token> expected = {
      {toSymbol, "Font"}, {'.', "."}, {toSymbol, "Name"}, {'=', "="}, {toString, "MS Sans Serif"}};
  EXPECT_EQ(Tokens("  Font.Name = 'MS Sans Serif'\r\n"), expected);

  const std::vector<Token> header = {{toSymbol, "object"}, {toSymbol, "Button1"}, {':', ":"},
                                     {toSymbol, "TButton"}, {'[', "["}, {toInteger, "2"}, {']', "]"}};
  EXPECT_EQ(Tokens("object Button1: TButton [2]"), header);

  const std::vector<Token> values = {{'[', "["}, {toSymbol, "fsBold"}, {',', ","}, {toSymbol, "_x1"}, {']', "]"},
                                     {'(', "("}, {')', ")"}, {'<', "<"}, {'>', ">"}, {'{', "{"}};
  EXPECT_EQ(Tokens("[fsBold,_x1]()<>{"), values);
  EXPECT_TRUE(Tokens(" \t\r\n\x01\x1F").empty());
}

TEST(Parser, ReadsStringsWithQuotesCharacterCodesAndHighBytes) {
  EXPECT_EQ(StringToken("''"), "");
  EXPECT_EQ(StringToken("'It''s'"), "It's");
  EXPECT_EQ(StringToken("''''"), "'");
  EXPECT_EQ(StringToken("'It'#39's'"), "It's");
  EXPECT_EQ(StringToken("'a'#13#10'b'"), "a\r\nb");
  EXPECT_EQ(StringToken("#0#255"), "\x00\xFF"s);
  EXPECT_EQ(StringToken("#$41#$7e#$FF"), "A~\xFF");
  EXPECT_EQ(StringToken("#065#0000066"), "AB");
  EXPECT_EQ(StringToken("'Caf\xE9 \x80 \xFF'"), "Caf\xE9 \x80 \xFF");
  EXPECT_EQ(StringToken("'tab\there'"), "tab\there");

  // Pieces join only when nothing separates them.
  const std::vector<Token> two = {{toString, "a"}, {toString, "b"}};
  EXPECT_EQ(Tokens("'a' 'b'"), two);
  const std::vector<Token> plus = {{toString, "a"}, {'+', "+"}, {toString, "b"}};
  EXPECT_EQ(Tokens("'a' +\r\n  'b'"), plus);
}

TEST(Parser, ReadsIntegersAndFloats) {
  TParser p("0 -7 127 -128 2147483647 -2147483648 $FF $7fffffff $FFFFFFFF $00000000001 1.5 -0.25 1E-5 2.5E+20 1. 3e2");
  const std::vector<int32_t> ints = {0, -7, 127, -128, 2147483647, INT32_MIN, 255, 0x7FFFFFFF, -1, 1};
  for (int32_t expected : ints) {
    EXPECT_EQ(p.Token(), toInteger) << p.TokenString();
    EXPECT_EQ(p.TokenInt(), expected) << p.TokenString();
    p.NextToken();
  }
  const std::vector<long double> floats = {1.5L, -0.25L, 1E-5L, 2.5E+20L, 1.0L, 300.0L};
  for (long double expected : floats) {
    EXPECT_EQ(p.Token(), toFloat) << p.TokenString();
    EXPECT_EQ(p.TokenFloat(), expected) << p.TokenString();
    p.NextToken();
  }
  EXPECT_EQ(p.Token(), toEOF);

  // A float keeps the text as written; "-" without digits is a character.
  EXPECT_EQ(Tokens("2.5E+20")[0].text, "2.5E+20");
  const std::vector<Token> minus = {{'-', "-"}, {toSymbol, "x"}};
  EXPECT_EQ(Tokens("-x"), minus);
  // An "E" without exponent digits is not part of the number.
  const std::vector<Token> e = {{toInteger, "12"}, {toSymbol, "E"}};
  EXPECT_EQ(Tokens("12E"), e);
}

TEST(Parser, RejectsNumbersOutOfRange) {
  EXPECT_EQ(ParserError([] { TParser("2147483648").TokenInt(); }),
            "'2147483648' is not a valid integer value on line 1");
  EXPECT_EQ(ParserError([] { TParser("\n-2147483649").TokenInt(); }),
            "'-2147483649' is not a valid integer value on line 2");
  EXPECT_EQ(ParserError([] { TParser("99999999999999999999999").TokenInt(); }),
            "'99999999999999999999999' is not a valid integer value on line 1");
  EXPECT_EQ(ParserError([] { TParser("$100000000").TokenInt(); }), "'$100000000' is not a valid integer value on line 1");
  EXPECT_EQ(ParserError([] { TParser("1E99999").TokenFloat(); }),
            "'1E99999' is not a valid floating point value on line 1");
  EXPECT_EQ(ParserError([] { TParser("abc").TokenInt(); }), "Number expected on line 1");
}

TEST(Parser, RejectsMalformedStrings) {
  EXPECT_EQ(ScanError("x = 'open"), "Unterminated string on line 1");
  EXPECT_EQ(ScanError("\n\nx = 'open\r\n'"), "Unterminated string on line 3");
  EXPECT_EQ(ScanError("'a'#"), "Invalid character code in string on line 1");
  EXPECT_EQ(ScanError("#$"), "Invalid character code in string on line 1");
  EXPECT_EQ(ScanError("#65536"), "Invalid character code in string on line 1");
  EXPECT_EQ(ScanError("#$10000"), "Invalid character code in string on line 1");
  EXPECT_EQ(ScanError("#99999999999999999999999"), "Invalid character code in string on line 1");
}

TEST(Parser, CountsLinesAndReportsThemInErrors) {
  TParser p("object A: TA\r\n  Left = 1\n\n  Top = ");
  EXPECT_EQ(p.SourceLine(), 1);
  while (!p.TokenSymbolIs("Top")) p.NextToken();
  EXPECT_EQ(p.SourceLine(), 4);
  p.NextToken();
  p.NextToken();
  EXPECT_EQ(p.Token(), toEOF);
  EXPECT_EQ(ParserError([&] { p.CheckToken(toSymbol); }), "Identifier expected on line 4");
  EXPECT_EQ(ParserError([&] { p.CheckToken(toString); }), "String expected on line 4");
  EXPECT_EQ(ParserError([&] { p.CheckToken(toInteger); }), "Number expected on line 4");
  EXPECT_EQ(ParserError([&] { p.CheckToken('='); }), "'=' expected on line 4");
  EXPECT_EQ(ParserError([&] { p.CheckTokenSymbol("end"); }), "end expected on line 4");
  EXPECT_EQ(ParserError([&] { p.Error("Something went wrong"); }), "Something went wrong on line 4");
  EXPECT_EQ(ParserError([&] { p.ErrorStr("Other"); }), "Other on line 4");
}

TEST(Parser, ComparesSymbolsIgnoringCase) {
  TParser p("OBJECT");
  EXPECT_TRUE(p.TokenSymbolIs("object"));
  EXPECT_TRUE(p.TokenSymbolIs("Object"));
  EXPECT_FALSE(p.TokenSymbolIs("objects"));
  p.CheckTokenSymbol("object");
  TParser s("'object'");
  EXPECT_FALSE(s.TokenSymbolIs("object"));
}

TEST(Parser, ReadsDottedComponentIdentifiers) {
  TParser p("Form1.Button1.Font next");
  EXPECT_EQ(p.TokenComponentIdent(), "Form1.Button1.Font");
  EXPECT_EQ(p.NextToken(), toSymbol);
  EXPECT_EQ(p.TokenString(), "next");

  TParser spaced("Form1 .Button1");
  EXPECT_EQ(spaced.TokenComponentIdent(), "Form1");
  EXPECT_EQ(spaced.NextToken(), '.');

  EXPECT_EQ(ParserError([] { TParser("Form1.").TokenComponentIdent(); }), "Identifier expected on line 1");
  EXPECT_EQ(ParserError([] { TParser("Form1.2").TokenComponentIdent(); }), "Identifier expected on line 1");
  EXPECT_EQ(ParserError([] { TParser("12").TokenComponentIdent(); }), "Identifier expected on line 1");
}

TEST(Parser, ReadsBinaryValues) {
  TParser p("{ 0A0b\r\n  FF  00\n}next");
  std::string bytes;
  p.HexToBinary(bytes);
  EXPECT_EQ(bytes, "\x0A\x0B\xFF\x00"s);
  EXPECT_EQ(p.Token(), '}');
  EXPECT_EQ(p.NextToken(), toSymbol);
  EXPECT_EQ(p.TokenString(), "next");
  EXPECT_EQ(p.SourceLine(), 3);

  TParser empty("{}");
  empty.HexToBinary(bytes);
  EXPECT_EQ(bytes, "");

  EXPECT_EQ(ParserError([] {
              std::string b;
              TParser("{ABC}").HexToBinary(b);
            }),
            "Invalid binary value on line 1");
  EXPECT_EQ(ParserError([] {
              std::string b;
              TParser("{\r\nAB\r\nXY}").HexToBinary(b);
            }),
            "Invalid binary value on line 3");
  EXPECT_EQ(ParserError([] {
              std::string b;
              TParser("{AB\r\nCD").HexToBinary(b);
            }),
            "Unterminated binary value on line 2");
}

TEST(Parser, LeavesTheStreamAtTheCurrentToken) {
  TStringStream s("skipped object A: TA end  rest");
  s.SetPosition(8);
  {
    TParser p(s);
    EXPECT_TRUE(p.TokenSymbolIs("object"));
    while (!p.TokenSymbolIs("end")) p.NextToken();
    p.NextToken();
    EXPECT_EQ(p.TokenString(), "rest");
    EXPECT_EQ(p.SourcePos(), 18);
  }
  EXPECT_EQ(s.Position(), 26);
  EXPECT_EQ(s.ReadString(100), "rest");
}

TEST(Parser, HandlesLargeInputInOnePass) {
  // A long run of tokens and a very long string; the test would time out if the
  // parser were quadratic.
  std::string text;
  for (int i = 0; i < 200000; ++i) text += "Name" + std::to_string(i) + " = 'value'#13#10\r\n";
  text += "'" + std::string(5'000'000, 'x') + "'";
  TParser p(text);
  int count = 0;
  while (p.Token() != toEOF) {
    if (p.Token() == toString) ++count;
    p.NextToken();
  }
  EXPECT_EQ(count, 200001);
  EXPECT_EQ(p.SourceLine(), 200001);
}
