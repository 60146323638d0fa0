#pragma once
// What a rich edit keeps on Qt's character formats beyond Qt's own properties, and
// a walk over the formats of a range of a document.
#include <QTextFormat>
#include <functional>

class QTextDocument;

namespace kcl {

// The font's character set (TFontCharset) as the document named it.
constexpr int CharsetFormatProperty = QTextFormat::UserProperty + 0x4B01;
// Text the user may change only with OnProtectChange's consent.
constexpr int ProtectedFormatProperty = QTextFormat::UserProperty + 0x4B02;

// Calls visit with the format of each run of characters in [start, end), in order,
// until it returns false.
void ForEachCharFormat(const QTextDocument& document, int start, int end,
                       const std::function<bool(const QTextCharFormat&)>& visit);

}  // namespace kcl
