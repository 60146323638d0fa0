#pragma once
// The framework's text is bytes in the Windows-1252 code page; streams of later
// versions hold UTF-16 and UTF-8 strings. The conversions between them.
#include <string>
#include <string_view>

namespace kcl::codepage {

char16_t AnsiToUnicode(unsigned char byte);
// A character the code page lacks becomes '?', as Windows converts it.
char UnicodeToAnsi(char16_t c);

std::u16string AnsiToUtf16(std::string_view bytes);
// A character outside the 16-bit plane is one '?', not two.
std::string Utf16ToAnsi(std::u16string_view text);
// Malformed sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view bytes);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace kcl::codepage
