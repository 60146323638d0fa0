#pragma once
// How korvax-convert tells of a file it could not convert.
#include <string>

namespace korvax::convert {

// "korvax-convert: FILE: REASON" on standard error.
void ReportFailure(const std::string& file, const char* reason);

}  // namespace korvax::convert
