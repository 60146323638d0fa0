#pragma once
// Text drawn in a font of a national character set. Windows draws the bytes of
// such a font in the code page its character set stands for (a HANGEUL_CHARSET
// font shows code page 949 as Korean) whatever the system's code page; the sets
// without a code page of their own show the framework's Windows-1252.
#include <QString>
#include <cstdint>
#include <string_view>

namespace kcl {

QString DecodeForCharset(std::string_view bytes, uint8_t charset);

}  // namespace kcl
