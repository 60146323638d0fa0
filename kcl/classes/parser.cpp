#include "kcl/classes/parser.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "kcl/classes/extended.h"
#include "kcl/rtl/codepage.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

inline bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
inline bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

inline int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

constexpr const char* kIdentifierExpected = "Identifier expected";
constexpr const char* kStringExpected = "String expected";
constexpr const char* kNumberExpected = "Number expected";
constexpr const char* kUnterminatedString = "Unterminated string";
constexpr const char* kInvalidCharCode = "Invalid character code in string";
constexpr const char* kInvalidBinary = "Invalid binary value";
constexpr const char* kUnterminatedBinary = "Unterminated binary value";
constexpr const char* kInvalidFloat = "'%s' is not a valid floating point value";

}  // namespace

TParser::TParser(TStream& stream) : FStream(&stream), FStreamStart(stream.Position()) {
  FText = ViewRest(stream, FOwned);
  NextToken();
}

TParser::TParser(std::string_view text) : FText(text) { NextToken(); }

TParser::~TParser() {
  if (!FStream) return;
  try {
    FStream->SetPosition(FStreamStart + static_cast<int64_t>(FTokenStart));
  } catch (...) {
    // A destructor must not throw; the position is a courtesy.
  }
}

std::string_view TParser::TokenView() const {
  if (FToken == toString) return FString;
  // A float's type letter is not part of the number.
  return FText.substr(FTokenStart, FTokenEnd - FTokenStart - (FFloatType ? 1 : 0));
}

void TParser::SkipBlanks() {
  const size_t n = FText.size();
  const char* text = FText.data();
  size_t pos = FPos;
  while (pos < n && IsBlank(text[pos])) {
    if (text[pos] == '\n') ++FLine;
    ++pos;
  }
  FPos = pos;
}

char TParser::NextToken() {
  SkipBlanks();
  FFloatType = 0;
  FTokenStart = FPos;
  FTokenLine = FLine;
  const size_t n = FText.size();
  if (FPos >= n) {
    FTokenEnd = FPos;
    return FToken = toEOF;
  }
  const char c = FText[FPos];
  if (IsIdentStart(c)) {
    size_t pos = FPos + 1;
    while (pos < n && IsIdentChar(FText[pos])) ++pos;
    FPos = pos;
    FToken = toSymbol;
  } else if (c == '\'' || c == '#') {
    ScanString();
    FToken = toString;
  } else if ((c == '$' && FPos + 1 < n && HexValue(FText[FPos + 1]) >= 0) || IsDigit(c) ||
             (c == '-' && FPos + 1 < n && IsDigit(FText[FPos + 1]))) {
    ScanNumber();
  } else {
    ++FPos;
    FToken = c;
  }
  FTokenEnd = FPos;
  return FToken;
}

void TParser::ScanString() {
  FString.clear();
  FWideString.clear();
  FWide = false;
  const size_t start = FPos;
  ScanStringInto(false);
  // Rare: read again for the characters the code page lacks.
  if (FWide) {
    FPos = start;
    ScanStringInto(true);
  }
}

void TParser::ScanStringInto(bool wide) {
  const size_t n = FText.size();
  const char* text = FText.data();
  size_t pos = FPos;
  while (pos < n) {
    if (text[pos] == '#') {
      ++pos;
      unsigned value = 0;
      size_t digits = 0;
      const bool hex = pos < n && text[pos] == '$';
      if (hex) ++pos;
      for (; pos < n && (hex ? HexValue(text[pos]) >= 0 : IsDigit(text[pos])); ++pos, ++digits) {
        value = value * (hex ? 16 : 10) + static_cast<unsigned>(hex ? HexValue(text[pos]) : text[pos] - '0');
        if (value > 0xFFFF) Error(kInvalidCharCode);
      }
      if (digits == 0) Error(kInvalidCharCode);
      FWide = FWide || value > 127;
      if (wide)
        FWideString += static_cast<char16_t>(value);
      else
        FString += value <= 255 ? static_cast<char>(value) : codepage::UnicodeToAnsi(static_cast<char16_t>(value));
    } else if (text[pos] == '\'') {
      ++pos;
      for (;;) {
        const size_t runStart = pos;
        while (pos < n && text[pos] != '\'' && text[pos] != '\r' && text[pos] != '\n') ++pos;
        const std::string_view run(text + runStart, pos - runStart);
        if (wide)
          FWideString += codepage::AnsiToUtf16(run);
        else
          FString += run;
        if (pos >= n || text[pos] != '\'') Error(kUnterminatedString);
        ++pos;
        if (pos < n && text[pos] == '\'') {
          if (wide)
            FWideString += u'\'';
          else
            FString += '\'';
          ++pos;
          continue;
        }
        break;
      }
    } else {
      break;
    }
  }
  FPos = pos;
}

void TParser::ScanNumber() {
  const size_t n = FText.size();
  const char* text = FText.data();
  size_t pos = FPos;
  FToken = toInteger;
  if (text[pos] == '$') {
    ++pos;
    while (pos < n && HexValue(text[pos]) >= 0) ++pos;
    FPos = pos;
    return;
  }
  if (text[pos] == '-') ++pos;
  while (pos < n && IsDigit(text[pos])) ++pos;
  if (pos < n && text[pos] == '.') {
    ++pos;
    while (pos < n && IsDigit(text[pos])) ++pos;
    FToken = toFloat;
  }
  if (pos < n && (text[pos] == 'e' || text[pos] == 'E')) {
    size_t e = pos + 1;
    if (e < n && (text[e] == '+' || text[e] == '-')) ++e;
    if (e < n && IsDigit(text[e])) {
      while (e < n && IsDigit(text[e])) ++e;
      pos = e;
      FToken = toFloat;
    }
  }
  if (pos < n && std::strchr("sScCdD", text[pos]) && (pos + 1 >= n || !IsIdentChar(text[pos + 1]))) {
    FFloatType = static_cast<char>(text[pos] | 0x20);
    FToken = toFloat;
    ++pos;
  }
  FPos = pos;
}

int32_t TParser::TokenInt() const {
  const std::string_view s = TokenView();
  if (FToken != toInteger || s.empty()) Error(kNumberExpected);
  if (s[0] == '$') {
    uint64_t value = 0;
    for (size_t i = 1; i < s.size(); ++i) {
      value = value * 16 + static_cast<uint64_t>(HexValue(s[i]));
      if (value > 0xFFFFFFFFu) Error(Format(msg::InvalidInteger, {s}));
    }
    return static_cast<int32_t>(static_cast<uint32_t>(value));
  }
  const bool negative = s[0] == '-';
  const uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
  uint64_t value = 0;
  for (size_t i = negative ? 1 : 0; i < s.size(); ++i) {
    value = value * 10 + static_cast<uint64_t>(s[i] - '0');
    if (value > limit) Error(Format(msg::InvalidInteger, {s}));
  }
  return negative ? static_cast<int32_t>(-static_cast<int64_t>(value)) : static_cast<int32_t>(value);
}

std::u16string TParser::TokenWideString() const {
  return FWide ? FWideString : codepage::AnsiToUtf16(TokenView());
}

bool TParser::TokenFitsInt() const {
  const std::string_view s = TokenView();
  if (FToken != toInteger || s.empty()) return false;
  if (s[0] == '$') return s.find_first_not_of('0', 1) == std::string_view::npos || s.size() - s.find_first_not_of('0', 1) <= 8;
  const int64_t value = TokenInt64();
  return value >= INT32_MIN && value <= INT32_MAX;
}

int64_t TParser::TokenInt64() const {
  const std::string_view s = TokenView();
  if (FToken != toInteger || s.empty()) Error(kNumberExpected);
  uint64_t value = 0;
  if (s[0] == '$') {
    for (size_t i = 1; i < s.size(); ++i) {
      if (value >> 60) Error(Format(msg::InvalidInteger, {s}));
      value = value * 16 + static_cast<uint64_t>(HexValue(s[i]));
    }
    return static_cast<int64_t>(value);
  }
  const bool negative = s[0] == '-';
  const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
  for (size_t i = negative ? 1 : 0; i < s.size(); ++i) {
    const auto digit = static_cast<uint64_t>(s[i] - '0');
    if (value > (limit - digit) / 10) Error(Format(msg::InvalidInteger, {s}));
    value = value * 10 + digit;
  }
  return negative ? static_cast<int64_t>(0 - value) : static_cast<int64_t>(value);
}

long double TParser::TokenFloat() const {
  if (FToken != toFloat && FToken != toInteger) Error(kNumberExpected);
  const std::string s(TokenView());
  char* end = nullptr;
  const long double value = ParseCFloat(s.c_str(), &end);
  if (s.empty() || end != s.c_str() + s.size() || std::isinf(value) || std::isnan(value))
    Error(Format(kInvalidFloat, {s}));
  return value;
}

bool TParser::TokenSymbolIs(std::string_view s) const { return FToken == toSymbol && SameText(TokenView(), s); }

std::string TParser::TokenComponentIdent() {
  CheckToken(toSymbol);
  const size_t n = FText.size();
  size_t pos = FTokenEnd;
  while (pos < n && FText[pos] == '.') {
    ++pos;
    if (pos >= n || !IsIdentStart(FText[pos])) Error(kIdentifierExpected);
    while (pos < n && IsIdentChar(FText[pos])) ++pos;
  }
  FPos = FTokenEnd = pos;
  return TokenString();
}

void TParser::HexToBinary(std::string& bytes) {
  bytes.clear();
  const size_t n = FText.size();
  const char* text = FText.data();
  size_t pos = FPos;
  int high = -1;
  for (;;) {
    while (pos < n && IsBlank(text[pos])) {
      if (text[pos] == '\n') ++FLine;
      ++pos;
    }
    if (pos >= n) {
      FTokenLine = FLine;
      Error(kUnterminatedBinary);
    }
    const char c = text[pos];
    if (c == '}') break;
    const int v = HexValue(c);
    if (v < 0) {
      FTokenLine = FLine;
      Error(kInvalidBinary);
    }
    if (high < 0) {
      high = v;
    } else {
      bytes += static_cast<char>(high * 16 + v);
      high = -1;
    }
    ++pos;
  }
  FTokenLine = FLine;
  if (high >= 0) Error(kInvalidBinary);
  // The closing brace becomes the current token.
  FTokenStart = pos;
  FPos = FTokenEnd = pos + 1;
  FToken = '}';
}

void TParser::CheckToken(char expected) const {
  if (FToken == expected) return;
  switch (expected) {
    case toSymbol: Error(kIdentifierExpected);
    case toString: Error(kStringExpected);
    case toInteger:
    case toFloat: Error(kNumberExpected);
    default: Error(Format("'%s' expected", {std::string_view(&expected, 1)}));
  }
}

void TParser::CheckTokenSymbol(std::string_view symbol) const {
  if (!TokenSymbolIs(symbol)) Error(Format("%s expected", {symbol}));
}

void TParser::Error(std::string_view message) const {
  throw EParserError(Format(msg::ParseError, {message, FTokenLine}));
}

}  // namespace kcl
