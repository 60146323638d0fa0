#include "kcl/desktop/cp1252.h"

#include <algorithm>
#include <iterator>

namespace kcl::cp1252 {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unassigned
// bytes map to the C1 controls of the same value, as Windows does.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char EncodeChar(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  const auto* found = std::find(std::begin(HighControls), std::end(HighControls), c);
  if (found == std::end(HighControls)) return '?';
  return static_cast<char>(0x80 + (found - std::begin(HighControls)));
}

}  // namespace

QString Decode(std::string_view bytes) {
  QString result(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = result.data();
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    *out++ = QChar(byte >= 0x80 && byte < 0xA0 ? HighControls[byte - 0x80] : char16_t{byte});
  }
  return result;
}

std::string Encode(const QString& text) {
  std::string result;
  result.reserve(static_cast<size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    // A character outside the 16-bit plane is one '?', not two.
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    result += text[i].isSurrogate() ? '?' : EncodeChar(text[i].unicode());
  }
  return result;
}

}  // namespace kcl::cp1252
