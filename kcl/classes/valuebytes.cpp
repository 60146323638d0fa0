#include "kcl/classes/valuebytes.h"

#include <bit>
#include <cstring>

#include "kcl/classes/extended.h"
#include "kcl/classes/filer.h"
#include "kcl/rtl/codepage.h"

namespace kcl {

namespace {

uint64_t Bits(std::string_view bytes) {
  uint64_t value = 0;
  for (size_t i = bytes.size(); i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return value;
}

std::string BytesOf(uint64_t bits, size_t count) {
  std::string bytes(count, '\0');
  for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<char>(bits >> (8 * i));
  return bytes;
}

uint32_t Length(std::string_view bytes) { return static_cast<uint32_t>(Bits(bytes.substr(0, 4))); }

}  // namespace

std::string ValueTypeName(uint8_t type) {
  static constexpr const char* Names[] = {
      "vaNull", "vaList", "vaInt8", "vaInt16", "vaInt32", "vaExtended", "vaString", "vaIdent",
      "vaFalse", "vaTrue", "vaBinary", "vaSet", "vaLString", "vaNil", "vaCollection", "vaSingle",
      "vaCurrency", "vaDate", "vaWString", "vaInt64", "vaUTF8String", "vaDouble"};
  return type <= vaLastKnown ? Names[type] : "value type " + std::to_string(type);
}

long double SingleValue(std::string_view bytes4) {
  return std::bit_cast<float>(static_cast<uint32_t>(Bits(bytes4)));
}

long double DoubleValue(std::string_view bytes8) { return std::bit_cast<double>(Bits(bytes8)); }

int64_t Int64Value(std::string_view bytes8) { return static_cast<int64_t>(Bits(bytes8)); }

long double CurrencyValue(std::string_view bytes8) { return static_cast<long double>(Int64Value(bytes8)) / 10000; }

std::u16string WideStringValue(std::string_view utf16le) {
  std::u16string text(utf16le.size() / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char16_t>(Bits(utf16le.substr(2 * i, 2)));
  return text;
}

std::string Int64Bytes(int64_t value) { return BytesOf(static_cast<uint64_t>(value), 8); }

std::string SingleBytes(long double value) {
  return BytesOf(std::bit_cast<uint32_t>(static_cast<float>(value)), 4);
}

std::string DoubleBytes(long double value) { return BytesOf(std::bit_cast<uint64_t>(static_cast<double>(value)), 8); }

std::optional<TValueMeaning> ValueMeaning(std::string_view bytes) {
  if (bytes.empty()) return std::nullopt;
  const auto type = static_cast<uint8_t>(bytes[0]);
  const std::string_view body = bytes.substr(1);
  const auto sized = [&](size_t size) { return body.size() == size; };
  switch (type) {
    case vaInt8: if (sized(1)) return static_cast<long double>(static_cast<int8_t>(body[0])); break;
    case vaInt16: if (sized(2)) return static_cast<long double>(static_cast<int16_t>(Bits(body))); break;
    case vaInt32: if (sized(4)) return static_cast<long double>(static_cast<int32_t>(Bits(body))); break;
    case vaInt64: if (sized(8)) return static_cast<long double>(Int64Value(body)); break;
    case vaExtended:
      if (sized(10)) {
        TExtendedBytes extended{};
        std::memcpy(extended.data(), body.data(), extended.size());
        return ExtendedToLongDouble(extended);
      }
      break;
    case vaSingle: if (sized(4)) return SingleValue(body); break;
    case vaDouble: case vaDate: if (sized(8)) return DoubleValue(body); break;
    case vaCurrency: if (sized(8)) return CurrencyValue(body); break;
    case vaString: if (!body.empty() && sized(1 + static_cast<unsigned char>(body[0]))) return std::string(body.substr(1)); break;
    case vaLString: if (body.size() >= 4 && sized(4 + Length(body))) return std::string(body.substr(4)); break;
    case vaUTF8String:
      if (body.size() >= 4 && sized(4 + Length(body))) return codepage::Utf16ToAnsi(codepage::Utf8ToUtf16(body.substr(4)));
      break;
    case vaWString:
      if (body.size() >= 4 && sized(4 + 2 * static_cast<size_t>(Length(body))))
        return codepage::Utf16ToAnsi(WideStringValue(body.substr(4)));
      break;
    default: break;
  }
  return std::nullopt;
}

}  // namespace kcl
