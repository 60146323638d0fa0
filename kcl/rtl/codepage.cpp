#include "kcl/rtl/codepage.h"

#include <algorithm>
#include <iterator>

namespace kcl::codepage {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unassigned
// bytes map to the C1 controls of the same value, as Windows does.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

char16_t AnsiToUnicode(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? HighControls[byte - 0x80] : char16_t{byte};
}

char UnicodeToAnsi(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  const auto* found = std::find(std::begin(HighControls), std::end(HighControls), c);
  if (found == std::end(HighControls)) return '?';
  return static_cast<char>(0x80 + (found - std::begin(HighControls)));
}

std::u16string AnsiToUtf16(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (const char c : bytes) text += AnsiToUnicode(static_cast<unsigned char>(c));
  return text;
}

std::string Utf16ToAnsi(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) ++i;
    const bool surrogate = text[i] >= 0xD800 && text[i] <= 0xDFFF;
    bytes += surrogate ? '?' : UnicodeToAnsi(text[i]);
  }
  return bytes;
}

std::u16string Utf8ToUtf16(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  size_t i = 0;
  const auto byteAt = [&](size_t k) { return static_cast<unsigned char>(bytes[k]); };
  while (i < bytes.size()) {
    const unsigned char lead = byteAt(i);
    const int length = lead < 0x80 ? 1 : lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    char32_t code = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    bool valid = length > 0 && i + static_cast<size_t>(length) <= bytes.size();
    for (int k = 1; valid && k < length; ++k) {
      valid = (byteAt(i + static_cast<size_t>(k)) & 0xC0) == 0x80;
      code = (code << 6) | (byteAt(i + static_cast<size_t>(k)) & 0x3F);
    }
    // Overlong forms, surrogates and values past the last plane are malformed.
    static constexpr char32_t Least[] = {0, 0, 0x80, 0x800, 0x10000};
    valid = valid && code >= Least[length] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    if (!valid) {
      text += u'\uFFFD';
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      text += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      text += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      text += static_cast<char16_t>(code);
    }
    i += static_cast<size_t>(length);
  }
  return text;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t code = text[i];
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    if (code < 0x80) {
      bytes += static_cast<char>(code);
    } else if (code < 0x800) {
      bytes += static_cast<char>(0xC0 | (code >> 6));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      bytes += static_cast<char>(0xE0 | (code >> 12));
      bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      bytes += static_cast<char>(0xF0 | (code >> 18));
      bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return bytes;
}

}  // namespace kcl::codepage
