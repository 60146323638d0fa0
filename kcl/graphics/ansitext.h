#pragma once
// Text of the framework (bytes in the Windows-1252 code page) where it meets Qt.
#include <QString>
#include <string_view>

#include "kcl/desktop/cp1252.h"

namespace kcl {

inline QString AnsiToQString(std::string_view text) { return cp1252::Decode(text); }

}  // namespace kcl
