// korvax-convert: converts form files between the binary form (with or without
// the resource header) and the text form, one file to another, one to standard
// output (a git textconv driver), or many in place. kUsage lists the forms.
#include <cstdio>

#include "commandline.h"
#include "inplace.h"
#include "singlefile.h"

using namespace korvax::convert;

int main(int argc, char** argv) {
  const CommandLine line = ParseCommandLine(argc, argv);
  if (!line.problem.empty()) {
    std::fprintf(stderr, "korvax-convert: %s\n%s", line.problem.c_str(), kUsage);
    return 2;
  }
  switch (line.mode) {
    case CommandLine::Help: std::fputs(kUsage, stdout); return 0;
    case CommandLine::ToFile: return ConvertToFile(line.inputs.front(), line.output);
    case CommandLine::TextToStdout: return PrintText(line.inputs.front());
    case CommandLine::InPlace: return ConvertInPlace(line.inputs, line.target) ? 0 : 1;
  }
  return 2;
}
