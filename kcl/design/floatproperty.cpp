#include <cfloat>
#include <charconv>
#include <cmath>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/extended.h"
#include "kcl/design/propertyeditor.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

KCL_CLASS_INFO(TFloatProperty) {}

namespace {

int SignificantDigits(TFloatType type) {
  switch (type) {
    case ftSingle: return 7;
    case ftDouble:
    case ftExtended: return 15;
    case ftComp:
    case ftCurr: return 18;  // 64-bit integers underneath
  }
  return 15;
}

long double LargestOf(TFloatType type) {
  switch (type) {
    case ftSingle: return FLT_MAX;
    case ftExtended: return LDBL_MAX;
    default: return DBL_MAX;
  }
}

// The shortest of fixed and scientific notation with at most `precision`
// significant digits: "1.5", "100", "0.0001", "1E-5", "1.5E20".
std::string GeneralText(long double value, int precision) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, precision - 1);
  const std::string_view scientific(buffer, static_cast<size_t>(result.ptr - buffer));  // "-d.ddde+XX"
  const size_t e = scientific.find('e');
  std::string digits;
  for (char c : scientific.substr(0, e))
    if (c >= '0' && c <= '9') digits += c;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string_view exponentText = scientific.substr(e + 1);
  if (exponentText.front() == '+') exponentText.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

  std::string text = value < 0 ? "-" : "";
  if (exponent >= precision || exponent < -4) {
    text += digits.substr(0, 1);
    if (digits.size() > 1) text += "." + digits.substr(1);
    return text + "E" + std::to_string(exponent);
  }
  if (exponent < 0) return text + "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  const auto whole = static_cast<size_t>(exponent + 1);
  if (digits.size() <= whole) return text + digits + std::string(whole - digits.size(), '0');
  return text + digits.substr(0, whole) + "." + digits.substr(whole);
}

// [sign] digits [. digits] [e [sign] digits], with a digit before the exponent.
bool IsDecimalNumber(std::string_view text) {
  size_t i = 0;
  const auto isDigit = [&] { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
  const auto skipSign = [&] {
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  };
  skipSign();
  size_t mantissaDigits = 0;
  for (; isDigit(); ++i) ++mantissaDigits;
  if (i < text.size() && text[i] == '.')
    for (++i; isDigit(); ++i) ++mantissaDigits;
  if (mantissaDigits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    skipSign();
    if (!isDigit()) return false;
    while (isDigit()) ++i;
  }
  return i == text.size();
}

}  // namespace

bool TFloatProperty::AllEqual() {
  const long double first = GetFloatValue();
  for (int i = 1; i < PropCount(); ++i)
    if (GetFloatValueAt(i) != first) return false;
  return true;
}

std::string TFloatProperty::GetValue() {
  return GeneralText(GetFloatValue(), SignificantDigits(GetTypeData(GetPropType())->FloatType));
}

// The C locale's notation, whatever the machine's locale.
void TFloatProperty::SetValue(const std::string& value) {
  const std::string text = Trim(value);
  if (!IsDecimalNumber(text)) throw EConvertError(Format(msg::InvalidFloat, {value}));
  const long double number = ParseCFloat(text.c_str(), nullptr);
  if (!(std::fabs(number) <= LargestOf(GetTypeData(GetPropType())->FloatType)))
    throw EConvertError(Format(msg::InvalidFloat, {value}));
  SetFloatValue(number);
}

}  // namespace kcl
