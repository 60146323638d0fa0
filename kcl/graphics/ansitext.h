#pragma once
// Text of the framework (bytes in the Windows-1252 code page) where it meets Qt.
#include <QString>
#include <string_view>

namespace kcl {

QString AnsiToQString(std::string_view text);

}  // namespace kcl
