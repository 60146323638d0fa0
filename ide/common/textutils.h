#pragma once
// The small text helpers the whole environment shares: directory separators at
// the end of paths, and replacing every occurrence of a text.
#include <string>
#include <string_view>

namespace korvax {

// The path with a directory separator at its end (either kind counts); an empty
// path stays empty.
std::string AddBackslash(std::string_view path);

// Every occurrence of find, left to right, without rescanning what replaced it.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement);

// The file name without directory ('\' or '/'); when the whole path contains a
// '.', without its last four characters too (an extension is taken to be a dot
// and three letters), so a dot in a directory name also shortens the name.
std::string ExtractBaseName(std::string_view path);

}  // namespace korvax
