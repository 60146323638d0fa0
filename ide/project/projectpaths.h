#pragma once
// Where a project's members are: the paths its source and its Units list give.
#include <string>

namespace korvax {

// A file as the project names it: relative to the project's directory when it is
// there or below it, else its full path.
std::string ProjectRelativePath(const std::string& projectDir, const std::string& file);

// The file of a Units entry: a unit name ("Unit1") is the ".pas" file in the
// project's directory, a relative file name is relative to that directory, and a
// full path is itself.
std::string UnitFileOfEntry(const std::string& projectDir, const std::string& entry);

// The unit a Units entry names: "Tools" for "Tools", "Tools.pas" and "/p/Tools.pas".
std::string UnitNameOfEntry(const std::string& entry);

}  // namespace korvax
