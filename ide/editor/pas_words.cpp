#include "ide/editor/pas_words.h"

#include <algorithm>

namespace korvax::editor {

static_assert(std::is_sorted(ReservedWords.begin(), ReservedWords.end()), "ReservedWords are kept in order");

bool IsReservedWord(std::string_view word) {
  const auto key = WordKey(word);
  return key && ReservedWordTable.IndexOf(*key) >= 0;
}

}  // namespace korvax::editor
