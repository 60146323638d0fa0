#pragma once
// The compiler's messages name the source they are about: "Unit1.pas(29): ..." or
// "C:\Work\Unit1.pas(29) Error: ...", or Free Pascal's "Unit1.pas(29,5) Error: ...":
// a file and a line.
#include <optional>
#include <string>
#include <string_view>

namespace korvax {

struct TSourcePosition {
  std::string File;  // as the message names it, with or without a directory
  int Line = 0;      // from 1
};

// The file and line at the start of a message: a file name with an extension,
// directly followed by the line number (and a column) in brackets; nullopt for any
// other line.
std::optional<TSourcePosition> SourcePositionOf(std::string_view message);

}  // namespace korvax
