#pragma once
// Many form files converted in place, each replaced only once it converted whole.
#include <string>
#include <vector>

namespace korvax::convert {

enum class FormKind { Text, Binary };

// Converts each file named, and every .dfm file below each directory named, to the
// target form where it is. A file already in that form is checked and left alone;
// a file that fails is left as it was. Prints a line for each file left alone and
// a count at the end, reports each failure; returns whether none failed.
bool ConvertInPlace(const std::vector<std::string>& paths, FormKind target);

}  // namespace korvax::convert
