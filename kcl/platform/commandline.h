#pragma once
// Command lines as Windows reads them.
#include <string>
#include <string_view>
#include <vector>

#include "kcl/platform/program.h"

namespace kcl {

// Blanks and tabs separate words; double quotes group words and are removed.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

struct TCommandLine {
  TProgramFile Program;
  std::string Name;  // the program as the command line names it
  std::vector<std::string> Arguments;
};

// As CreateProcess reads a command line: when the first word names no program and
// is not quoted, the words that follow are joined to it one by one, so that
// "/opt/My Tools/run.bat x" finds "/opt/My Tools/run.bat".
TCommandLine ParseCommandLine(std::string_view commandLine);

}  // namespace kcl
