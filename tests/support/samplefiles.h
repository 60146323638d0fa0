#pragma once
// The sample form files the tests read: binary forms with a resource header.
#include <string>
#include <vector>

namespace korvax::test {

// The file's path from its name under the samples' directory ("11/MINES/MINESF.DFM").
std::string SamplePath(const std::string& file);
// Every sample form file, by its name under the samples' directory, in name order.
std::vector<std::string> SampleFiles();
// The form of the file as text, lines ending in CR LF.
std::string SampleText(const std::string& file);
// The record of the named object in the file, moved to the top level, lines ending in LF.
std::string SampleRecord(const std::string& file, const std::string& name);

}  // namespace korvax::test
