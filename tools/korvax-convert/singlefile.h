#pragma once
// One form file converted to a named file or to standard output; each returns the
// exit status, having reported a failure on standard error.
#include <string>

namespace korvax::convert {

// Binary to text or text to binary, by the input's content.
int ConvertToFile(const std::string& input, const std::string& output);
// The text form on standard output; what is not binary is printed as it is.
int PrintText(const std::string& input);

}  // namespace korvax::convert
