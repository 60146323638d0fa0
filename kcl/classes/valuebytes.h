#pragma once
// Values as the stream holds them, value type first. Later versions write values
// in types Delphi 3 lacks; what those bytes mean, so that a value can be read
// whatever its type and compared with the same value in another type.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kcl {

// The value type's name ("vaSingle"), or its number for an unknown one.
std::string ValueTypeName(uint8_t type);

// The bytes of the later number types, little-endian as they are stored.
long double SingleValue(std::string_view bytes4);
long double DoubleValue(std::string_view bytes8);
int64_t Int64Value(std::string_view bytes8);
// Currency is stored as a 64-bit count of ten-thousandths.
long double CurrencyValue(std::string_view bytes8);
// The characters of a wide string's UTF-16LE bytes.
std::u16string WideStringValue(std::string_view utf16le);
std::string Int64Bytes(int64_t value);
std::string SingleBytes(long double value);
std::string DoubleBytes(long double value);

// A number as long double, a string as Windows-1252 bytes.
using TValueMeaning = std::variant<long double, std::string>;
// The meaning of a whole value's bytes; nullopt for values that are neither
// numbers nor strings, or bytes that are no whole value.
std::optional<TValueMeaning> ValueMeaning(std::string_view bytes);

}  // namespace kcl
