#include "ide/editor/pas_words.h"

namespace korvax::editor {

static_assert(std::is_sorted(ReservedWordKeys.begin(), ReservedWordKeys.end()),
              "ReservedWords must be sorted for the binary search");

bool IsReservedWord(std::string_view word) {
  const auto key = WordKey(word);
  return key && IsWordIn(ReservedWordKeys, *key);
}

}  // namespace korvax::editor
