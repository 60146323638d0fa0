#include "ide/common/linebreaks.h"

namespace korvax {

TLineBreaks LineBreaksOf(std::string_view text) {
  TLineBreaks breaks;
  const size_t at = text.find_first_of("\r\n");
  if (at != std::string_view::npos)
    breaks.Break = text[at] == '\n' ? "\n" : text.substr(at, 2) == "\r\n" ? "\r\n" : "\r";
  breaks.Final = text.empty() || text.back() == '\n' || text.back() == '\r';
  return breaks;
}

std::string JoinLines(const kcl::TStrings& lines, const TLineBreaks& breaks) {
  std::string text;
  for (int i = 0, count = lines.Count(); i < count; ++i) {
    text += lines.Strings(i);
    if (i + 1 < count || breaks.Final) text += breaks.Break;
  }
  return text;
}

}  // namespace korvax
