#pragma once
// The records of form text: "object Name: TClass" up to its "end", with the
// lines inside.
#include <set>
#include <string>
#include <vector>

namespace korvax::test {

// The record of the named object, moved to the top level, lines ending in LF;
// throws std::runtime_error when there is none.
std::string RecordOf(const std::string& formText, const std::string& name);
// The records at the given depth (1: the root's own components; 0: any depth,
// moved to depth 1) whose class is one of classNames, lines ending in CR LF.
std::vector<std::string> RecordsOf(const std::string& formText, const std::set<std::string>& classNames,
                                   int depth = 1);
// Every line of text two spaces further in, each ending in LF.
std::string Indented(const std::string& text);

}  // namespace korvax::test
