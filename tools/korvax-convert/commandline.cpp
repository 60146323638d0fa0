#include "commandline.h"

#include <optional>
#include <string_view>

namespace korvax::convert {

const char* const kUsage =
    "usage: korvax-convert IN -o OUT\n"
    "       korvax-convert --to-text IN\n"
    "       korvax-convert --to-text -i FILE|DIR...\n"
    "       korvax-convert --to-binary -i FILE|DIR...\n"
    "Converts form files (.dfm) between the binary form and the text form.\n"
    "  IN -o OUT          a binary IN to text or a text IN to binary, written to OUT\n"
    "  --to-text IN       the text form on standard output (a text IN as it is),\n"
    "                     for git's textconv\n"
    "  -i, --in-place     with --to-text or --to-binary: each FILE, and every .dfm\n"
    "                     file (any case) below each DIR, replaced by that form; a\n"
    "                     file already in it, or that fails, is left as it was\n"
    "  -h, --help         this text\n"
    "A binary form's resource is named after the form's class, as a compiled\n"
    "program looks it up.\n";

namespace {

CommandLine Wrong(const std::string& problem) {
  CommandLine wrong;
  wrong.problem = problem;
  return wrong;
}

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
  CommandLine line;
  std::optional<FormKind> target;
  bool inPlace = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.size() <= 1 || arg[0] != '-') {
      if (arg.empty()) return Wrong("empty input file name");
      line.inputs.emplace_back(arg);
    } else if (arg == "--to-text" || arg == "--to-binary") {
      const FormKind kind = arg == "--to-text" ? FormKind::Text : FormKind::Binary;
      if (target && *target != kind) return Wrong("give either --to-text or --to-binary");
      target = kind;
    } else if (arg == "-i" || arg == "--in-place") {
      inPlace = true;
    } else if (arg == "-o") {
      if (i + 1 >= argc) return Wrong("-o needs a file name");
      if (!line.output.empty()) return Wrong("more than one output file");
      line.output = argv[++i];
      if (line.output.empty()) return Wrong("empty output file name");
    } else if (arg == "-h" || arg == "--help") {
      return CommandLine{};
    } else {
      return Wrong("unknown option " + std::string(arg));
    }
  }
  if (line.inputs.empty()) return Wrong("no input file");
  if (inPlace) {
    if (!target) return Wrong("-i needs --to-text or --to-binary");
    if (!line.output.empty()) return Wrong("-i writes no output file");
    line.mode = CommandLine::InPlace;
    line.target = *target;
    return line;
  }
  if (line.inputs.size() > 1) return Wrong("more than one input file (convert many with -i)");
  if (target == FormKind::Binary) return Wrong("--to-binary needs -i");
  if (target.has_value() == !line.output.empty()) return Wrong("give either -o OUT or --to-text");
  line.mode = target ? CommandLine::TextToStdout : CommandLine::ToFile;
  return line;
}

}  // namespace korvax::convert
