#pragma once
// How a text file ends its lines, so that what was read is written back in the
// same bytes: units and project files from elsewhere end lines in LF or CR, and
// some lack a line end after their last line.
#include <string>
#include <string_view>

#include "kcl/classes/stringlist.h"

namespace korvax {

struct TLineBreaks {
  std::string Break = "\r\n";
  // The last line ends in a line break too.
  bool Final = true;
};

// The first line break of the text (CR LF, LF or CR; CR LF when it has none) and
// whether it ends in one (so does an empty text).
TLineBreaks LineBreaksOf(std::string_view text);

// The lines, each followed by the break but the last one when Final is off.
std::string JoinLines(const kcl::TStrings& lines, const TLineBreaks& breaks);

}  // namespace korvax
