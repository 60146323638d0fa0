#include "singlefile.h"

#include <cstdio>
#include <exception>

#include "formbytes.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/streams.h"
#include "report.h"

namespace korvax::convert {

int ConvertToFile(const std::string& input, const std::string& output) {
  const std::string* current = &input;
  try {
    const std::string bytes = kcl::LoadBytesFromFile(input);
    const std::string converted = IsBinaryForm(bytes) ? BinaryToText(bytes) : kcl::ObjectTextToResource(bytes);
    current = &output;
    kcl::SaveBytesToFile(output, converted);
    return 0;
  } catch (const std::exception& e) {
    ReportFailure(*current, e.what());
    return 1;
  }
}

int PrintText(const std::string& input) {
  std::string text;
  try {
    const std::string bytes = kcl::LoadBytesFromFile(input);
    text = IsBinaryForm(bytes) ? BinaryToText(bytes) : bytes;
  } catch (const std::exception& e) {
    ReportFailure(input, e.what());
    return 1;
  }
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
    std::fputs("korvax-convert: cannot write to standard output\n", stderr);
    return 1;
  }
  return 0;
}

}  // namespace korvax::convert
