#pragma once
// Word breaks in a rich edit's text, as EM_FINDWORDBREAK finds them: words are
// runs of letters and digits (and '_'), or runs of other visible characters;
// blanks separate them, and a line break is a class of its own.
#include <cstdint>

class QTextDocument;

namespace kcl {

// code is one of the WB_* operations; position is a character index.
int FindWordBreak(const QTextDocument& document, uint32_t code, int position);

}  // namespace kcl
