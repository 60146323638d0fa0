#include "kcl/desktop/cp1252.h"

#include "kcl/rtl/codepage.h"

namespace kcl::cp1252 {

QString Decode(std::string_view bytes) {
  QString result(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = result.data();
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    *out++ = QChar(codepage::AnsiToUnicode(byte));
  }
  return result;
}

std::string Encode(const QString& text) {
  return codepage::Utf16ToAnsi(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                   static_cast<size_t>(text.size())));
}

}  // namespace kcl::cp1252
