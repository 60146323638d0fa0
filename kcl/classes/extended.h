#pragma once
// The 10-byte extended (80-bit, little-endian) floats of the component stream.
#include <array>
#include <cstdint>
#include <string>

namespace kcl {

using TExtendedBytes = std::array<uint8_t, 10>;

long double ExtendedToLongDouble(const TExtendedBytes& bytes);
TExtendedBytes LongDoubleToExtended(long double value);
// The shortest text (15 to 21 significant digits) that reads back to the same
// value: "1.5", "1.0", "1E-5", "2.5E+20"; "INF", "-INF", "NAN" for the values the
// text form cannot carry.
std::string ExtendedToText(const TExtendedBytes& bytes);
// strtold in the C locale, whatever the program's locale.
long double ParseCFloat(const char* text, char** end);

}  // namespace kcl
