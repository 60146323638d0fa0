// korvax-convert: converts form files between the binary form (with or without
// the resource header) and the text form.
//
//   korvax-convert IN -o OUT     binary IN -> text OUT; text IN -> binary OUT with a
//                                resource header named after the root object's class
//   korvax-convert --to-text IN  the text form on standard output (a text IN is
//                                printed as it is); usable as a git textconv driver
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "kcl/classes/objecttext.h"
#include "kcl/classes/resheader.h"
#include "kcl/classes/streams.h"
#include "kcl/rtl/exceptions.h"

namespace {

constexpr const char* kUsage =
    "usage: korvax-convert IN -o OUT\n"
    "       korvax-convert --to-text IN\n"
    "Converts a binary form file (.dfm) to its text form or a text form to binary.\n";

int Usage(const char* problem) {
  std::fprintf(stderr, "korvax-convert: %s\n%s", problem, kUsage);
  return 2;
}

bool IsBinaryForm(std::string_view bytes) { return kcl::HasResourceHeader(bytes) || bytes.substr(0, 4) == "TPF0"; }

std::string BinaryToText(std::string_view bytes) {
  kcl::TStringStream in{std::string(bytes)};
  kcl::TStringStream out;
  if (kcl::HasResourceHeader(bytes))
    kcl::ObjectResourceToText(in, out);
  else
    kcl::ObjectBinaryToText(in, out);
  return out.DataString();
}

// The binary form behind a resource header named after the root object's class, the
// name a compiled program looks its form up by.
std::string TextToResource(std::string_view text) {
  kcl::TStringStream in{std::string(text)};
  kcl::TStringStream out;
  kcl::ObjectTextToResource(in, out);
  return out.DataString();
}

bool WriteStdout(const std::string& bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string input;
  std::string output;
  bool toText = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--to-text") {
      toText = true;
    } else if (arg == "-o") {
      if (i + 1 >= argc) return Usage("-o needs a file name");
      if (!output.empty()) return Usage("more than one output file");
      output = argv[++i];
      if (output.empty()) return Usage("empty output file name");
    } else if (arg == "-h" || arg == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return Usage(("unknown option " + std::string(arg)).c_str());
    } else {
      if (!input.empty()) return Usage("more than one input file");
      input = arg;
      if (input.empty()) return Usage("empty input file name");
    }
  }
  if (input.empty()) return Usage("no input file");
  if (toText == !output.empty()) return Usage("give either -o OUT or --to-text");

  std::string current = input;
  try {
    const std::string bytes = kcl::LoadBytesFromFile(input);
    if (toText) {
      const std::string text = IsBinaryForm(bytes) ? BinaryToText(bytes) : bytes;
      if (!WriteStdout(text)) {
        std::fprintf(stderr, "korvax-convert: cannot write to standard output\n");
        return 1;
      }
      return 0;
    }
    const std::string converted = IsBinaryForm(bytes) ? BinaryToText(bytes) : TextToResource(bytes);
    current = output;
    kcl::SaveBytesToFile(output, converted);
    return 0;
  } catch (const kcl::Exception& e) {
    std::fprintf(stderr, "korvax-convert: %s: %s\n", current.c_str(), e.what());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "korvax-convert: %s: %s\n", current.c_str(), e.what());
  }
  return 1;
}
