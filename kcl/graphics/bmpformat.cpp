#include "kcl/graphics/bmpformat.h"

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <unordered_map>

#include "kcl/graphics/graphic.h"

namespace kcl {

namespace {

enum : uint32_t { BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3 };
constexpr size_t FileHeaderSize = 14;
constexpr uint32_t CoreHeaderSize = 12;
constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t HeaderWithMasksSize = 52;  // BITMAPV2INFOHEADER and later

[[noreturn]] void Invalid() { throw EInvalidGraphic(msg::InvalidBitmap); }

// Little-endian reads that raise instead of reading past the end.
class ByteReader {
public:
  explicit ByteReader(std::string_view bytes) : FBytes(bytes) {}
  size_t Size() const { return FBytes.size(); }
  void Need(size_t at, size_t count) const {
    if (at > FBytes.size() || count > FBytes.size() - at) Invalid();
  }
  uint8_t U8(size_t at) const {
    Need(at, 1);
    return static_cast<uint8_t>(FBytes[at]);
  }
  uint16_t U16(size_t at) const { return static_cast<uint16_t>(U8(at) | (U8(at + 1) << 8)); }
  uint32_t U32(size_t at) const { return U16(at) | (static_cast<uint32_t>(U16(at + 2)) << 16); }
  int32_t I32(size_t at) const { return static_cast<int32_t>(U32(at)); }
  const uint8_t* Data(size_t at) const { return reinterpret_cast<const uint8_t*>(FBytes.data()) + at; }

private:
  std::string_view FBytes;
};

// One colour channel of a 16- or 32-bit pixel, scaled to 8 bits.
class Channel {
public:
  explicit Channel(uint32_t mask)
      : FMask(mask), FShift(mask ? std::countr_zero(mask) : 0), FBits(std::popcount(mask)) {}
  int Value(uint32_t pixel) const {
    if (FBits == 0) return 0;
    const uint32_t v = (pixel & FMask) >> FShift;
    if (FBits >= 8) return static_cast<int>(v >> (FBits - 8));
    return static_cast<int>(v * 255 / ((1u << FBits) - 1));
  }

private:
  uint32_t FMask;
  int FShift;
  int FBits;
};

struct Header {
  int Width = 0;
  int Height = 0;  // positive; TopDown tells the row order
  bool TopDown = false;
  int BitCount = 0;
  uint32_t Compression = BI_RGB;
  size_t TableOffset = 0;
  size_t TableEntries = 0;
  size_t TableEntrySize = 4;
  size_t DataOffset = 0;
  uint32_t Masks[3] = {};
};

Header ReadHeader(const ByteReader& in) {
  if (in.U8(0) != 'B' || in.U8(1) != 'M') Invalid();
  Header h;
  const uint32_t headerSize = in.U32(FileHeaderSize);
  int64_t width = 0, height = 0;
  uint32_t colorsUsed = 0;
  if (headerSize == CoreHeaderSize) {
    width = in.U16(18);
    height = in.U16(20);
    h.BitCount = in.U16(24);
    h.TableEntrySize = 3;
  } else if (headerSize >= InfoHeaderSize) {
    width = in.I32(18);
    height = in.I32(22);
    h.BitCount = in.U16(28);
    h.Compression = in.U32(30);
    colorsUsed = in.U32(46);
  } else {
    Invalid();
  }
  h.TopDown = height < 0;
  height = height < 0 ? -height : height;
  if (width <= 0 || height <= 0 || width > kMaxBmpDimension || height > kMaxBmpDimension ||
      width * height > kMaxBmpPixels)
    Invalid();
  h.Width = static_cast<int>(width);
  h.Height = static_cast<int>(height);

  switch (h.BitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: Invalid();
  }
  const bool compressionFits = h.Compression == BI_RGB ||
                               (h.Compression == BI_RLE8 && h.BitCount == 8 && !h.TopDown) ||
                               (h.Compression == BI_RLE4 && h.BitCount == 4 && !h.TopDown) ||
                               (h.Compression == BI_BITFIELDS && (h.BitCount == 16 || h.BitCount == 32));
  if (!compressionFits) Invalid();

  h.TableOffset = FileHeaderSize + headerSize;
  if (h.BitCount == 16) {
    h.Masks[0] = 0x7C00, h.Masks[1] = 0x03E0, h.Masks[2] = 0x001F;
  } else if (h.BitCount == 32) {
    h.Masks[0] = 0xFF0000, h.Masks[1] = 0x00FF00, h.Masks[2] = 0x0000FF;
  }
  if (h.Compression == BI_BITFIELDS) {
    // Inside the later headers; after the info header otherwise.
    const size_t at = headerSize >= HeaderWithMasksSize ? FileHeaderSize + InfoHeaderSize : h.TableOffset;
    for (int i = 0; i < 3; ++i) h.Masks[i] = in.U32(at + 4 * static_cast<size_t>(i));
    if (headerSize < HeaderWithMasksSize) h.TableOffset += 12;
  }

  if (h.BitCount <= 8) {
    const uint32_t maxColors = 1u << h.BitCount;
    if (colorsUsed > 256) Invalid();
    h.TableEntries = colorsUsed == 0 ? maxColors : colorsUsed;
  }
  in.Need(h.TableOffset, h.TableEntries * h.TableEntrySize);
  const size_t tableEnd = h.TableOffset + h.TableEntries * h.TableEntrySize;
  // The file header's offset is trusted only where it points past the table.
  const uint32_t dataOffset = in.U32(10);
  h.DataOffset = dataOffset >= tableEnd && dataOffset < in.Size() ? dataOffset : tableEnd;
  return h;
}

std::vector<QRgb> ReadColorTable(const ByteReader& in, const Header& h) {
  std::vector<QRgb> table(h.BitCount <= 8 ? size_t{1} << h.BitCount : 0, qRgb(0, 0, 0));
  for (size_t i = 0; i < h.TableEntries && i < table.size(); ++i) {
    const size_t at = h.TableOffset + i * h.TableEntrySize;
    table[i] = qRgb(in.U8(at + 2), in.U8(at + 1), in.U8(at));
  }
  return table;
}

void ReadUncompressed(const ByteReader& in, const Header& h, const std::vector<QRgb>& table, QImage& image) {
  const size_t stride = ((static_cast<size_t>(h.Width) * static_cast<size_t>(h.BitCount) + 31) / 32) * 4;
  const size_t lastRow = (static_cast<size_t>(h.Width) * static_cast<size_t>(h.BitCount) + 7) / 8;
  in.Need(h.DataOffset, stride * static_cast<size_t>(h.Height - 1) + lastRow);
  const Channel red(h.Masks[0]), green(h.Masks[1]), blue(h.Masks[2]);
  for (int row = 0; row < h.Height; ++row) {
    const uint8_t* src = in.Data(h.DataOffset + stride * static_cast<size_t>(row));
    auto* dst = reinterpret_cast<QRgb*>(image.scanLine(h.TopDown ? row : h.Height - 1 - row));
    for (int x = 0; x < h.Width; ++x) {
      switch (h.BitCount) {
        case 1: dst[x] = table[(src[x >> 3] >> (7 - (x & 7))) & 1]; break;
        case 4: dst[x] = table[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F]; break;
        case 8: dst[x] = table[src[x]]; break;
        case 24: dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
        default: {
          const uint32_t v = h.BitCount == 16
                                 ? static_cast<uint32_t>(src[2 * x] | (src[2 * x + 1] << 8))
                                 : static_cast<uint32_t>(src[4 * x]) | (static_cast<uint32_t>(src[4 * x + 1]) << 8) |
                                       (static_cast<uint32_t>(src[4 * x + 2]) << 16) |
                                       (static_cast<uint32_t>(src[4 * x + 3]) << 24);
          dst[x] = qRgb(red.Value(v), green.Value(v), blue.Value(v));
        }
      }
    }
  }
}

// RLE8 and RLE4: runs and escapes (end of line, end of bitmap, delta, absolute
// run). Pixels that no run reaches keep colour 0.
void ReadRunLength(const ByteReader& in, const Header& h, const std::vector<QRgb>& table, QImage& image) {
  image.fill(table[0]);
  const bool four = h.Compression == BI_RLE4;
  int x = 0, y = 0;
  auto put = [&](int index) {
    if (x < h.Width && y < h.Height)
      reinterpret_cast<QRgb*>(image.scanLine(h.Height - 1 - y))[x] = table[static_cast<size_t>(index)];
    ++x;
  };
  size_t at = h.DataOffset;
  while (y < h.Height) {
    const uint8_t count = in.U8(at), value = in.U8(at + 1);
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(four ? (i & 1 ? value & 0x0F : value >> 4) : value);
    } else if (value == 0) {
      x = 0, ++y;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      x += in.U8(at), y += in.U8(at + 1);
      at += 2;
    } else {
      const size_t bytes = four ? (value + 1u) / 2 : value;
      in.Need(at, bytes);
      const uint8_t* src = in.Data(at);
      for (int i = 0; i < value; ++i) put(four ? (i & 1 ? src[i / 2] & 0x0F : src[i / 2] >> 4) : src[i]);
      at += bytes + (bytes & 1);
    }
    if (x > h.Width + 255) Invalid();  // runs far beyond the row: not a bitmap
  }
}

void PutU16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}

void PutU32(std::string& out, uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

// Nearest colour of the table by squared distance, remembered per colour.
class Quantizer {
public:
  explicit Quantizer(const std::vector<QRgb>& table) : FTable(table) {}
  uint8_t Index(QRgb color) {
    color |= 0xFF000000u;
    if (auto it = FCache.find(color); it != FCache.end()) return it->second;
    uint8_t best = 0;
    int bestDistance = INT32_MAX;
    for (size_t i = 0; i < FTable.size(); ++i) {
      const int dr = qRed(color) - qRed(FTable[i]), dg = qGreen(color) - qGreen(FTable[i]),
                db = qBlue(color) - qBlue(FTable[i]);
      const int distance = dr * dr + dg * dg + db * db;
      if (distance < bestDistance) bestDistance = distance, best = static_cast<uint8_t>(i);
    }
    FCache.emplace(color, best);
    return best;
  }

private:
  const std::vector<QRgb>& FTable;
  std::unordered_map<QRgb, uint8_t> FCache;
};

}  // namespace

TBmpImage ReadBmp(std::string_view bytes) {
  const ByteReader in(bytes);
  const Header h = ReadHeader(in);
  TBmpImage result;
  result.BitCount = h.BitCount;
  result.ColorTable = ReadColorTable(in, h);
  result.Pixels = QImage(h.Width, h.Height, QImage::Format_RGB32);
  if (result.Pixels.isNull()) Invalid();
  if (h.Compression == BI_RLE4 || h.Compression == BI_RLE8)
    ReadRunLength(in, h, result.ColorTable, result.Pixels);
  else
    ReadUncompressed(in, h, result.ColorTable, result.Pixels);
  return result;
}

std::string WriteBmp(const QImage& pixels, int bitCount, const std::vector<QRgb>& colorTable) {
  const bool indexed = bitCount == 1 || bitCount == 4 || bitCount == 8;
  if (!indexed && bitCount != 24 && bitCount != 32) throw std::invalid_argument("WriteBmp: bit count");
  if (indexed && (colorTable.empty() || colorTable.size() > (size_t{1} << bitCount)))
    throw std::invalid_argument("WriteBmp: colour table");
  const QImage image = pixels.convertToFormat(QImage::Format_RGB32);
  const auto width = static_cast<uint32_t>(image.width()), height = static_cast<uint32_t>(image.height());
  const uint32_t stride = ((width * static_cast<uint32_t>(bitCount) + 31) / 32) * 4;
  const uint32_t colors = indexed ? static_cast<uint32_t>(colorTable.size()) : 0;
  const uint32_t dataOffset = static_cast<uint32_t>(FileHeaderSize) + InfoHeaderSize + 4 * colors;
  const uint32_t imageSize = stride * height;

  std::string out;
  out.reserve(dataOffset + imageSize);
  out += "BM";
  PutU32(out, dataOffset + imageSize);
  PutU32(out, 0);
  PutU32(out, dataOffset);
  PutU32(out, InfoHeaderSize);
  PutU32(out, width);
  PutU32(out, height);
  PutU16(out, 1);
  PutU16(out, static_cast<uint32_t>(bitCount));
  PutU32(out, BI_RGB);
  PutU32(out, imageSize);
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, colors);
  PutU32(out, 0);
  for (uint32_t i = 0; i < colors; ++i) PutU32(out, colorTable[i] & 0xFFFFFFu);

  Quantizer quantizer(colorTable);
  std::string row(stride, '\0');
  for (uint32_t r = 0; r < height; ++r) {
    const auto* src = reinterpret_cast<const QRgb*>(image.constScanLine(static_cast<int>(height - 1 - r)));
    std::fill(row.begin(), row.end(), '\0');
    auto* dst = reinterpret_cast<uint8_t*>(row.data());
    for (uint32_t x = 0; x < width; ++x) {
      switch (bitCount) {
        case 1: dst[x >> 3] |= static_cast<uint8_t>(quantizer.Index(src[x]) << (7 - (x & 7))); break;
        case 4: dst[x >> 1] |= static_cast<uint8_t>(quantizer.Index(src[x]) << ((x & 1) ? 0 : 4)); break;
        case 8: dst[x] = quantizer.Index(src[x]); break;
        default: {
          uint8_t* p = dst + x * static_cast<uint32_t>(bitCount / 8);
          p[0] = static_cast<uint8_t>(qBlue(src[x]));
          p[1] = static_cast<uint8_t>(qGreen(src[x]));
          p[2] = static_cast<uint8_t>(qRed(src[x]));
        }
      }
    }
    out += row;
  }
  return out;
}

void MapToColorTable(QImage& pixels, const std::vector<QRgb>& colorTable) {
  if (colorTable.empty()) return;
  Quantizer quantizer(colorTable);
  for (int y = 0; y < pixels.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y));
    for (int x = 0; x < pixels.width(); ++x) line[x] = colorTable[quantizer.Index(line[x])];
  }
}

}  // namespace kcl
