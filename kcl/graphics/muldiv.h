#pragma once
// MulDiv as Windows defines it: number * numerator / denominator computed in 64
// bits and rounded half away from zero; -1 when the denominator is zero or the
// result does not fit.
#include <cstdint>

namespace kcl {

constexpr int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const int64_t product = static_cast<int64_t>(number) * numerator;
  const bool negative = (product < 0) != (denominator < 0);
  const int64_t magnitude = product < 0 ? -product : product;
  const int64_t divisor = denominator < 0 ? -static_cast<int64_t>(denominator) : denominator;
  const int64_t quotient = (magnitude + divisor / 2) / divisor;
  const int64_t result = negative ? -quotient : quotient;
  if (result > INT32_MAX || result < INT32_MIN) return -1;
  return static_cast<int>(result);
}

}  // namespace kcl
