#pragma once
// Clipboard format numbers as Windows gives them, and the Qt MIME types that carry
// them: CF_TEXT is Qt's text; a registered format is a MIME type of its name.
#include <QString>
#include <cstdint>
#include <string>

namespace kcl {

inline constexpr uint32_t CF_TEXT = 1;

// A number from 0xC000 on, the same for a name in any letter case for as long as
// the program runs; 0 for an empty name or when the range is used up.
uint32_t RegisterClipboardFormat(const std::string& name);
// The name a format was registered with; "" for others.
std::string GetClipboardFormatName(uint32_t format);

// A name with '/' is a MIME type and carried as itself; any other name, such as
// "Delphi Component", as application/x-qt-windows-mime;value="<name>", the form in
// which Qt exchanges it with Windows programs. "" for unknown formats.
QString MimeTypeOfFormat(uint32_t format);
// The format that carries a MIME type (registering its name when needed).
uint32_t FormatOfMimeType(const QString& mimeType);

}  // namespace kcl
