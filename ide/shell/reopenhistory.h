#pragma once
// The reopen history in the settings file: the projects and the files opened
// last, each under a numbered key of its section, "Last" naming the key written
// last. The numbering wraps at the section's limit.
#include <string>
#include <vector>

#include "kcl/system/inifile.h"

namespace korvax {

inline constexpr const char* ClosedProjectsSection = "Closed Projects";
inline constexpr const char* ClosedFilesSection = "Closed Files";
inline constexpr int ClosedProjectsLimit = 5;
inline constexpr int ClosedFilesLimit = 15;

// Records path under key "Last" + 1 unless one of the keys 0 to (lines in the
// section - 1) holds it already. At the limit "Last" becomes 0 and this path goes
// unrecorded; the next one takes key 1. A settings file that cannot be written
// leaves the history as it was, quietly.
void AddHistory(kcl::TIniFile& ini, const std::string& section, int limit, const std::string& path);

// The values of keys 0 to (lines in the section - 1) that name existing files.
std::vector<std::string> HistoryFiles(kcl::TIniFile& ini, const std::string& section);

}  // namespace korvax
