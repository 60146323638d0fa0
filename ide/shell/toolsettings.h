#pragma once
// The configured tools: the keys of the settings' "Tools" section, each a tool's
// title (its menu caption) with the command line it starts, in the order of the
// keys in the file.
#include <string>

#include "kcl/system/inifile.h"

namespace korvax {

inline constexpr const char* ToolsSection = "Tools";

// Title and command line of every tool, in the section's order.
kcl::TIniFile::TKeyValues ReadTools(kcl::TIniFile& ini);

// Writes the tool under title. Editing (oldTitle a tool's title) puts it in the old
// tool's place, so a renamed tool leaves no copy behind under its old title; a
// further tool that had the new title goes. A new title is added at the end, an
// existing one gets the command.
void SaveTool(kcl::TIniFile& ini, const std::string& oldTitle, const std::string& title, const std::string& command);

// Moves the tool one place towards the end (by 1) or the start (by -1) of the
// section; false when it is not there or already at that end.
bool MoveTool(kcl::TIniFile& ini, const std::string& title, int by);

}  // namespace korvax
