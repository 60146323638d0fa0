#pragma once
// The 10-byte extended floating-point value of the component stream.
#include <array>
#include <cstdint>

namespace kcl {

using TExtendedBytes = std::array<uint8_t, 10>;

long double ExtendedToLongDouble(const TExtendedBytes& bytes);
TExtendedBytes LongDoubleToExtended(long double value);

}  // namespace kcl
