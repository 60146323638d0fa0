#include "ide/shell/compilemessage.h"

#include <charconv>

namespace korvax {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "Unit1.pas" or "C:\My Work\Unit1.pas", not "Borland Delphi Version 3.0 Copyright".
bool LooksLikeFileName(std::string_view name) {
  const size_t nameStart = name.find_last_of("\\/");
  const std::string_view last = nameStart == std::string_view::npos ? name : name.substr(nameStart + 1);
  const size_t dot = last.rfind('.');
  return dot != std::string_view::npos && dot > 0 && dot + 1 < last.size() &&
         last.find_first_of(" \t") == std::string_view::npos;
}

}  // namespace

std::optional<TSourcePosition> SourcePositionOf(std::string_view message) {
  while (!message.empty() && (message.front() == ' ' || message.front() == '\t')) message.remove_prefix(1);
  const size_t open = message.find('(');
  if (open == std::string_view::npos || !LooksLikeFileName(message.substr(0, open))) return std::nullopt;
  const size_t close = message.find(')', open);
  if (close == std::string_view::npos || close == open + 1) return std::nullopt;
  std::string_view digits = message.substr(open + 1, close - open - 1);
  // Free Pascal adds the column: "Unit1.pas(29,5) Error: ...".
  if (const size_t comma = digits.find(','); comma != std::string_view::npos) {
    for (const char c : digits.substr(comma + 1))
      if (!IsDigit(c)) return std::nullopt;
    digits = digits.substr(0, comma);
  }
  for (const char c : digits)
    if (!IsDigit(c)) return std::nullopt;
  int line = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), line);
  if (error != std::errc() || line < 1) return std::nullopt;
  return TSourcePosition{std::string(message.substr(0, open)), line};
}

}  // namespace korvax
