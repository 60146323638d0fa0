#pragma once
// A form file's bytes in the binary form (with or without a resource header) or the
// text form, and the conversions between them. Damaged input raises the
// framework's stream and parser errors.
#include <string>
#include <string_view>

namespace korvax::convert {

bool IsBinaryForm(std::string_view bytes);
std::string BinaryToText(std::string_view bytes);

// BinaryToText for a file that the text is to replace: raises EConvertError when
// the text would not give back the same object stream (bytes after the object, or
// values stored unlike the text form would store them).
std::string BinaryToTextKeepingEverything(std::string_view bytes);
// Raises the parser's error when the text is not a form.
void CheckText(std::string_view text);

}  // namespace korvax::convert
