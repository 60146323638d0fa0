#pragma once
// Pascal's tokens, as far as the build needs them to find uses clauses:
// identifiers and single characters, with comments, strings and blanks passed over.
#include <string>
#include <string_view>
#include <vector>

namespace korvax::fpcbuild {

bool IsIdentifierStart(char c);

class TPascalTokens {
public:
  explicit TPascalTokens(std::string_view text) : FText(text) {}

  // The next token, "" at the end; Start() and End() give where it is.
  std::string_view Next();
  size_t Start() const { return FStart; }
  size_t End() const { return FPos; }

private:
  void SkipBlanksAndComments();
  // Just past the first closing text from `from`; the end of the text when it is unclosed.
  size_t After(std::string_view closing, size_t from) const;

  std::string_view FText;
  size_t FPos = 0;
  size_t FStart = 0;
};

// The units a uses clause names from the token after "uses" to its ';'.
std::vector<std::string> ReadUsesClause(TPascalTokens& tokens);
// Every unit the source's uses clauses name.
std::vector<std::string> UsedUnits(std::string_view source);

}  // namespace korvax::fpcbuild
