#pragma once
// korvax-convert's command line: the forms of the command and how they are told apart.
#include <string>
#include <vector>

#include "inplace.h"

namespace korvax::convert {

extern const char* const kUsage;

struct CommandLine {
  enum Mode { Help, ToFile, TextToStdout, InPlace } mode = Help;
  std::vector<std::string> inputs;
  std::string output;  // ToFile
  FormKind target = FormKind::Text;  // InPlace
  std::string problem;  // not empty: the command line is wrong, for this reason
};

CommandLine ParseCommandLine(int argc, const char* const* argv);

}  // namespace korvax::convert
