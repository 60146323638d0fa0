#include "kcl/classes/extended.h"

#include <cfloat>
#include <cmath>
#include <cstring>

namespace kcl {

#if LDBL_MANT_DIG == 64
// long double is the x87 80-bit format here: the bytes are the value.
long double ExtendedToLongDouble(const TExtendedBytes& bytes) {
  long double value = 0;
  std::memcpy(&value, bytes.data(), bytes.size());
  return value;
}

TExtendedBytes LongDoubleToExtended(long double value) {
  TExtendedBytes bytes{};
  std::memcpy(bytes.data(), &value, bytes.size());
  return bytes;
}
#else
// Elsewhere the value goes through the 64-bit mantissa and 15-bit exponent by hand.
long double ExtendedToLongDouble(const TExtendedBytes& bytes) {
  uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | bytes[static_cast<size_t>(i)];
  const int exponent = ((bytes[9] & 0x7F) << 8) | bytes[8];
  const bool negative = (bytes[9] & 0x80) != 0;
  long double value;
  if (exponent == 0x7FFF)
    value = (mantissa << 1) == 0 ? HUGE_VALL : NAN;
  else
    value = std::ldexp(static_cast<long double>(mantissa), (exponent == 0 ? 1 : exponent) - 16383 - 63);
  return negative ? -value : value;
}

TExtendedBytes LongDoubleToExtended(long double value) {
  TExtendedBytes bytes{};
  const bool negative = std::signbit(value);
  value = std::fabs(value);
  uint64_t mantissa = 0;
  int exponent = 0;
  if (std::isnan(value)) {
    exponent = 0x7FFF;
    mantissa = 0xC000000000000000ull;
  } else if (std::isinf(value)) {
    exponent = 0x7FFF;
    mantissa = 0x8000000000000000ull;
  } else if (value != 0) {
    int e = 0;
    const long double fraction = std::frexp(value, &e);  // value = fraction * 2^e, fraction in [0.5, 1)
    exponent = e - 1 + 16383;
    mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64));
  }
  for (int i = 0; i < 8; ++i) bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(mantissa >> (8 * i));
  bytes[8] = static_cast<uint8_t>(exponent & 0xFF);
  bytes[9] = static_cast<uint8_t>(((exponent >> 8) & 0x7F) | (negative ? 0x80 : 0));
  return bytes;
}
#endif

}  // namespace kcl
