#include "kcl/classes/extended.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <locale.h>

namespace kcl {

namespace {

struct ExtendedParts {
  bool negative;
  int exponent;       // biased, 0..0x7FFF
  uint64_t mantissa;  // with the explicit integer bit 63
};

ExtendedParts SplitExtended(const TExtendedBytes& b) {
  uint64_t m = 0;
  for (int i = 7; i >= 0; --i) m = (m << 8) | b[i];
  const unsigned se = b[8] | (static_cast<unsigned>(b[9]) << 8);
  return {(se & 0x8000) != 0, static_cast<int>(se & 0x7FFF), m};
}

// The value of a finite extended; non-canonical encodings (unnormals, pseudo-
// denormals) get the value their bits describe.
long double FiniteValue(const ExtendedParts& p) {
  long double v = 0;
  if (p.mantissa != 0) v = std::ldexp(static_cast<long double>(p.mantissa), std::max(p.exponent, 1) - 16383 - 63);
  return p.negative ? -v : v;
}

bool SameValue(long double a, long double b) { return a == b && std::signbit(a) == std::signbit(b); }

}  // namespace

long double ParseCFloat(const char* text, char** end) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return strtold_l(text, end, c);
}

long double ExtendedToLongDouble(const TExtendedBytes& bytes) {
  const ExtendedParts p = SplitExtended(bytes);
  if (p.exponent == 0x7FFF) {
    if ((p.mantissa << 1) == 0) return p.negative ? -HUGE_VALL : HUGE_VALL;
    return p.negative ? -std::numeric_limits<long double>::quiet_NaN() : std::numeric_limits<long double>::quiet_NaN();
  }
  return FiniteValue(p);
}

TExtendedBytes LongDoubleToExtended(long double value) {
  TExtendedBytes bytes{};
#if LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384 && (defined(__x86_64__) || defined(__i386__))
  // The x87 type: its first ten bytes are the extended.
  std::memcpy(bytes.data(), &value, bytes.size());
#else
  uint64_t mantissa = 0;
  int exponent = 0;
  if (std::isnan(value)) {
    exponent = 0x7FFF;
    mantissa = 0xC000000000000000u;
  } else if (std::isinf(value)) {
    exponent = 0x7FFF;
    mantissa = 0x8000000000000000u;
  } else if (value != 0) {
    int e = 0;
    const long double f = std::frexp(std::fabs(value), &e);  // value = f * 2^e, f in [0.5, 1)
    mantissa = static_cast<uint64_t>(std::ldexp(f, 64));
    exponent = e - 1 + 16383;
    if (exponent <= 0) {
      mantissa >>= std::min(1 - exponent, 63);
      exponent = 0;
    }
  }
  for (size_t i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(mantissa >> (8 * i));
  const unsigned se = static_cast<unsigned>(exponent) | (std::signbit(value) ? 0x8000u : 0u);
  bytes[8] = static_cast<unsigned char>(se);
  bytes[9] = static_cast<unsigned char>(se >> 8);
#endif
  return bytes;
}

std::string ExtendedToText(const TExtendedBytes& bytes) {
  const ExtendedParts p = SplitExtended(bytes);
  if (p.exponent == 0x7FFF) {
    if ((p.mantissa << 1) == 0) return p.negative ? "-INF" : "INF";
    return "NAN";
  }
  const long double value = FiniteValue(p);
  char buf[64];
  char* end = buf;
  for (int precision = 15; precision <= 21; ++precision) {
    end = std::to_chars(buf, buf + sizeof buf - 1, value, std::chars_format::general, precision).ptr;
    *end = '\0';
    if (SameValue(ParseCFloat(buf, nullptr), value)) break;
  }
  // "1e-05" -> "1E-5", "2.5e+20" -> "2.5E+20", "1" -> "1.0" (an integer would read
  // back as one).
  std::string text;
  bool hasPoint = false;
  bool hasExponent = false;
  for (const char* c = buf; c < end; ++c) {
    if (*c == '.') hasPoint = true;
    if (*c == 'e') {
      hasExponent = true;
      text += 'E';
      ++c;
      text += *c;  // the sign
      while (c + 1 < end - 1 && c[1] == '0') ++c;
      continue;
    }
    text += *c;
  }
  if (!hasPoint && !hasExponent) text += ".0";
  return text;
}

}  // namespace kcl
