#pragma once
// The framework's text (bytes in the Windows-1252 code page) where it leaves the
// process through Qt, both ways.
#include <QString>
#include <string>
#include <string_view>

namespace kcl::cp1252 {

QString Decode(std::string_view bytes);
// Characters the code page lacks become '?', as Windows converts them.
std::string Encode(const QString& text);

}  // namespace kcl::cp1252
