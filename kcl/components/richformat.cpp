#include "kcl/components/richformat.h"

#include <QTextBlock>
#include <QTextDocument>

namespace kcl {

void ForEachCharFormat(const QTextDocument& document, int start, int end,
                       const std::function<bool(const QTextCharFormat&)>& visit) {
  for (QTextBlock block = document.findBlock(start); block.isValid() && block.position() < end;
       block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.position() + fragment.length() <= start) continue;
      if (fragment.position() >= end) break;
      if (!visit(fragment.charFormat())) return;
    }
  }
}

}  // namespace kcl
