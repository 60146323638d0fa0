#include "report.h"

#include <cstdio>

namespace korvax::convert {

void ReportFailure(const std::string& file, const char* reason) {
  std::fprintf(stderr, "korvax-convert: %s: %s\n", file.c_str(), reason);
}

}  // namespace korvax::convert
