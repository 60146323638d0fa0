#pragma once
// TParser: the tokenizer of text form files, as Delphi's Classes unit has it.
// Tokens are symbols (identifiers), strings ('quoted' pieces and #nnn character
// codes joined directly), integers (decimal, optional '-', or '$' hexadecimal),
// floats (with '.' and/or an exponent, or a type letter) and single characters. Bytes are kept as
// they are (a Windows code page); bytes up to ' ' are blanks.
#include <cstdint>
#include <string>
#include <string_view>

#include "kcl/classes/streams.h"

namespace kcl {

constexpr char toEOF = 0;
constexpr char toSymbol = 1;
constexpr char toString = 2;
constexpr char toInteger = 3;
constexpr char toFloat = 4;

class TParser {
public:
  // Parses the rest of the stream; the destructor leaves the stream positioned at
  // the start of the token the parser stopped at. A memory or string stream is
  // read in place: leave it unchanged while the parser lives.
  explicit TParser(TStream& stream);
  // Parses text that is not in a stream, in place: keep it unchanged while the
  // parser lives.
  explicit TParser(std::string_view text);
  ~TParser();
  TParser(const TParser&) = delete;
  TParser& operator=(const TParser&) = delete;

  // Moves to the next token and returns it: toEOF, toSymbol, toString, toInteger,
  // toFloat or the character itself. Raises EParserError on a malformed string.
  char NextToken();
  char Token() const { return FToken; }
  // The token's text: the identifier, the string's value, the number as written.
  std::string TokenString() const { return std::string(TokenView()); }
  std::string_view TokenView() const;
  // Raise EParserError when the number does not fit (32 bits; $FFFFFFFF is -1).
  int32_t TokenInt() const;
  // Whether TokenInt takes the integer; TokenInt64 takes 64 bits.
  bool TokenFitsInt() const;
  int64_t TokenInt64() const;
  long double TokenFloat() const;
  // The letter after a number of a later version's float type: 's' single,
  // 'c' currency, 'd' date (lower case); 0 for none.
  char FloatType() const { return FFloatType; }
  // A string with character codes above 127 (#8364) is a later version's
  // Unicode string: its UTF-16 text, the other characters read in the code page.
  bool TokenIsWide() const { return FToken == toString && FWide; }
  std::u16string TokenWideString() const;
  // Case-insensitive (ASCII) comparison with the current symbol.
  bool TokenSymbolIs(std::string_view s) const;
  // The current symbol with the dotted parts that follow it directly
  // ("Form1.Button1"); they are consumed.
  std::string TokenComponentIdent();
  // The bytes of a binary value: call when the token is '{'; hexadecimal digits,
  // blanks between them, up to '}', which is consumed. Raises EParserError on a
  // non-hexadecimal character, an odd number of digits or a missing '}'.
  void HexToBinary(std::string& bytes);

  int SourceLine() const { return FTokenLine; }
  // Offset of the current token from where the parser started.
  int64_t SourcePos() const { return static_cast<int64_t>(FTokenStart); }

  void CheckToken(char expected) const;
  void CheckTokenSymbol(std::string_view symbol) const;
  // Raise EParserError with "<message> on line <n>".
  [[noreturn]] void Error(std::string_view message) const;
  [[noreturn]] void ErrorStr(std::string_view message) const { Error(message); }

private:
  void SkipBlanks();
  void ScanString();
  // The string's characters into FString, or when wide into FWideString.
  void ScanStringInto(bool wide);
  void ScanNumber();

  TStream* FStream = nullptr;
  int64_t FStreamStart = 0;
  std::string FOwned;
  std::string_view FText;
  size_t FPos = 0;
  size_t FTokenStart = 0;
  size_t FTokenEnd = 0;
  int FLine = 1;
  int FTokenLine = 1;
  char FToken = toEOF;
  std::string FString;  // the value of a string token
  std::u16string FWideString;
  bool FWide = false;
  char FFloatType = 0;
};

}  // namespace kcl
