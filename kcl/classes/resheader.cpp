#include "kcl/classes/resheader.h"

#include <cstring>

#include "kcl/rtl/exceptions.h"

namespace kcl {

namespace {

constexpr size_t kMaxResName = 63;
constexpr uint16_t kResFlags = 0x1030;
// Delphi's ReadResHeader looks at no more than the first 79 bytes.
constexpr size_t kHeaderScan = 79;

void PutWord(std::string& s, uint16_t v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>(v >> 8);
}

}  // namespace

bool HasResourceHeader(std::string_view bytes) {
  return bytes.size() >= 3 && static_cast<uint8_t>(bytes[0]) == 0xFF && bytes[1] == 0x0A && bytes[2] == 0x00;
}

int64_t WriteResourceHeader(TStream& stream, const std::string& resName) {
  std::string header;
  header += static_cast<char>(0xFF);
  PutWord(header, 10);
  for (size_t i = 0; i < resName.size() && i < kMaxResName && resName[i] != '\0'; ++i) {
    const char c = resName[i];
    header += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  header += '\0';
  PutWord(header, kResFlags);
  header.append(4, '\0');
  stream.WriteString(header);
  return stream.Position();
}

void FixupResourceHeader(TStream& stream, int64_t dataStart) {
  const int64_t end = stream.Position();
  const int64_t size = end - dataStart;
  const uint32_t length = static_cast<uint32_t>(size);
  const unsigned char bytes[4] = {static_cast<unsigned char>(length), static_cast<unsigned char>(length >> 8),
                                  static_cast<unsigned char>(length >> 16), static_cast<unsigned char>(length >> 24)};
  stream.SetPosition(dataStart - 4);
  stream.WriteBuffer(bytes, 4);
  stream.SetPosition(end);
}

void ReadResHeader(TStream& stream) {
  const int64_t start = stream.Position();
  char header[kHeaderScan];
  const int64_t got = stream.Read(header, static_cast<int64_t>(kHeaderScan));
  const size_t count = got > 0 ? static_cast<size_t>(got) : 0;
  if (!HasResourceHeader(std::string_view(header, count))) {
    stream.SetPosition(start);
    throw EInvalidImage(msg::InvalidImage);
  }
  const void* zero = std::memchr(header + 3, 0, count - 3);
  const size_t nameLength = zero ? static_cast<size_t>(static_cast<const char*>(zero) - (header + 3)) : count;
  // Type (3 bytes), name, terminator, flags (2), data length (4).
  const size_t headerLength = 3 + nameLength + 1 + 2 + 4;
  if (!zero || nameLength > kMaxResName || headerLength > count) {
    stream.SetPosition(start);
    throw EInvalidImage(msg::InvalidImage);
  }
  stream.SetPosition(start + static_cast<int64_t>(headerLength));
}

}  // namespace kcl
