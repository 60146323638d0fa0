#pragma once
// Project sources in the tests: a string list's lines as a vector, to compare
// whole texts.
#include <string>
#include <vector>

#include "kcl/classes/stringlist.h"

namespace korvax::test {

using Lines = std::vector<std::string>;

inline Lines LinesOf(const kcl::TStrings& strings) {
  Lines lines;
  for (int i = 0; i < strings.Count(); ++i) lines.push_back(strings.Strings(i));
  return lines;
}

}  // namespace korvax::test
