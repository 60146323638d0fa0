#include "ide/fpcbuild/pascaltokens.h"

#include "kcl/rtl/sysutils.h"

namespace korvax::fpcbuild {

namespace {

bool IsIdentifierChar(char c) { return IsIdentifierStart(c) || (c >= '0' && c <= '9'); }

}  // namespace

bool IsIdentifierStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

std::string_view TPascalTokens::Next() {
  SkipBlanksAndComments();
  FStart = FPos;
  if (FPos >= FText.size()) return {};
  if (IsIdentifierStart(FText[FPos])) {
    while (FPos < FText.size() && IsIdentifierChar(FText[FPos])) ++FPos;
  } else if (FText[FPos] == '\'') {
    FPos = After("'", FPos + 1);
  } else {
    ++FPos;
  }
  return FText.substr(FStart, FPos - FStart);
}

void TPascalTokens::SkipBlanksAndComments() {
  while (FPos < FText.size()) {
    const char c = FText[FPos];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
      ++FPos;
    else if (c == '{')
      FPos = After("}", FPos + 1);
    else if (FText.compare(FPos, 2, "(*") == 0)
      FPos = After("*)", FPos + 2);
    else if (FText.compare(FPos, 2, "//") == 0)
      FPos = After("\n", FPos + 2);
    else
      return;
  }
}

size_t TPascalTokens::After(std::string_view closing, size_t from) const {
  const size_t at = FText.find(closing, from);
  return at == std::string_view::npos ? FText.size() : at + closing.size();
}

std::vector<std::string> ReadUsesClause(TPascalTokens& tokens) {
  std::vector<std::string> units;
  // "Unit1 in 'Unit1.pas' {Form1}," : the identifier before "in" is the unit.
  bool expectUnit = true;
  for (std::string_view token = tokens.Next(); !token.empty() && token != ";"; token = tokens.Next()) {
    if (expectUnit && IsIdentifierStart(token.front())) {
      units.emplace_back(token);
      expectUnit = false;
    } else if (token == ",") {
      expectUnit = true;
    }
  }
  return units;
}

std::vector<std::string> UsedUnits(std::string_view source) {
  std::vector<std::string> units;
  TPascalTokens tokens(source);
  for (std::string_view token = tokens.Next(); !token.empty(); token = tokens.Next())
    if (kcl::SameText(token, "uses"))
      for (std::string& unit : ReadUsesClause(tokens)) units.push_back(std::move(unit));
  return units;
}

}  // namespace korvax::fpcbuild
