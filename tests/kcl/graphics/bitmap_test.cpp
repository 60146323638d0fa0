#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "kcl/graphics/bitmap.h"
#include "kcl/graphics/canvas.h"
#include "kcl/graphics/qtcolor.h"

using namespace kcl;
using namespace std::string_literals;

namespace {

std::string U16(uint32_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }
std::string U32(uint32_t v) { return U16(v & 0xFFFF) + U16(v >> 16); }
uint32_t GetU32(const std::string& s, size_t at) {
  return static_cast<uint8_t>(s[at]) | (static_cast<uint8_t>(s[at + 1]) << 8) |
         (static_cast<uint8_t>(s[at + 2]) << 16) | (static_cast<uint32_t>(static_cast<uint8_t>(s[at + 3])) << 24);
}

struct BmpFields {
  int32_t Width = 2;
  int32_t Height = 2;
  uint16_t BitCount = 24;
  uint32_t Compression = 0;
  uint32_t ColorsUsed = 0;
  std::vector<QRgb> Table;
  std::string Extra;  // after the header (bit field masks)
  std::string Pixels;
};

// A BMP file with a BITMAPINFOHEADER, written field by field.
std::string MakeBmp(const BmpFields& f) {
  std::string table;
  for (QRgb c : f.Table) table += U32(c & 0xFFFFFF);
  const uint32_t offset = 14 + 40 + static_cast<uint32_t>(f.Extra.size() + table.size());
  return "BM" + U32(offset + static_cast<uint32_t>(f.Pixels.size())) + U32(0) + U32(offset) + U32(40) +
         U32(static_cast<uint32_t>(f.Width)) + U32(static_cast<uint32_t>(f.Height)) + U16(1) + U16(f.BitCount) +
         U32(f.Compression) + U32(0) + U32(0) + U32(0) + U32(f.ColorsUsed) + U32(0) + f.Extra + table + f.Pixels;
}

void Load(TBitmap& bitmap, const std::string& bytes) {
  TStringStream stream(bytes);
  bitmap.LoadFromStream(stream);
}

std::string Saved(TBitmap& bitmap) {
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return std::string(stream.View());
}

QRgb At(const TBitmap& bitmap, int x, int y) { return bitmap.Image().pixel(x, y); }

}  // namespace

TEST(Bitmap, WritesAndReadsEveryDepthExactly) {
  for (TPixelFormat format : {pf1bit, pf4bit, pf8bit, pf24bit}) {
    const int bits = format == pf1bit ? 1 : format == pf4bit ? 4 : format == pf8bit ? 8 : 24;
    const int width = 13, height = 5;  // rows need padding at every depth
    TBitmap bitmap;
    bitmap.SetPixelFormat(format);
    bitmap.SetSize(width, height);
    std::vector<QRgb> table;
    if (bits <= 8) {
      for (int i = 0; i < (1 << bits); ++i) table.push_back(qRgb(i * 7 % 256, 255 - i, (i * 91) % 256));
      bitmap.SetColorTable(table);
    }
    auto colorAt = [&](int x, int y) -> QRgb {
      if (bits > 8) return qRgb(x * 19, y * 50, (x + y) * 9);
      return table[static_cast<size_t>(x * 3 + y * 5) % table.size()];
    };
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) bitmap.Canvas()->SetPixels(x, y, QRgbToColor(colorAt(x, y)));

    const std::string bytes = Saved(bitmap);
    const uint32_t colors = bits <= 8 ? 1u << bits : 0;
    const uint32_t stride = (width * bits + 31) / 32 * 4;
    ASSERT_EQ(bytes.size(), 14 + 40 + 4 * colors + stride * height) << bits;
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(GetU32(bytes, 2), bytes.size());
    EXPECT_EQ(GetU32(bytes, 10), 14 + 40 + 4 * colors);
    EXPECT_EQ(static_cast<uint8_t>(bytes[28]), bits);
    EXPECT_EQ(GetU32(bytes, 46), colors);  // biClrUsed, as Delphi writes it
    for (uint32_t i = 0; i < colors; ++i) EXPECT_EQ(GetU32(bytes, 54 + 4 * i), table[i] & 0xFFFFFF);
    // Bottom-up: the first row in the file is the bottom one.
    if (bits == 24) {
      EXPECT_EQ(GetU32(bytes, 54) & 0xFFFFFF, colorAt(0, height - 1) & 0xFFFFFF);
    }

    TBitmap copy;
    Load(copy, bytes);
    EXPECT_EQ(copy.PixelFormat(), format);
    EXPECT_EQ(copy.Width(), width);
    EXPECT_EQ(copy.Height(), height);
    EXPECT_EQ(copy.ColorTable(), table);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) ASSERT_EQ(At(copy, x, y), colorAt(x, y)) << bits << ": " << x << "," << y;
    EXPECT_EQ(Saved(copy), bytes);
  }
}

TEST(Bitmap, ReadsOtherLayoutsOfTheFormat) {
  const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255), green = qRgb(0, 255, 0), black = qRgb(0, 0, 0);
  TBitmap bitmap;

  // Top-down rows (negative height).
  Load(bitmap, MakeBmp({.Width = 1, .Height = -2, .Pixels = "\x00\x00\xff\x00\xff\x00\x00\x00"s}));
  EXPECT_EQ(At(bitmap, 0, 0), red);
  EXPECT_EQ(At(bitmap, 0, 1), blue);
  EXPECT_EQ(bitmap.PixelFormat(), pf24bit);

  // The old BITMAPCOREHEADER with a three-byte colour table.
  const std::string core = "BM"s + U32(0) + U32(0) + U32(14 + 12 + 6) + U32(12) + U16(3) + U16(1) + U16(1) +
                           U16(1) + "\x00\x00\xff"s + "\x00\xff\x00"s + "\xa0\x00\x00\x00"s;
  Load(bitmap, core);
  EXPECT_EQ(bitmap.ColorTable(), (std::vector<QRgb>{red, green}));
  EXPECT_EQ(At(bitmap, 0, 0), green);
  EXPECT_EQ(At(bitmap, 1, 0), red);
  EXPECT_EQ(At(bitmap, 2, 0), green);

  // A shorter colour table than the depth allows; missing entries are black.
  Load(bitmap, MakeBmp({.Width = 2, .Height = 1, .BitCount = 8, .ColorsUsed = 2, .Table = {red, blue},
                        .Pixels = "\x01\x00\x00\x00"s}));
  EXPECT_EQ(At(bitmap, 0, 0), blue);
  EXPECT_EQ(bitmap.ColorTable().size(), 256u);
  EXPECT_EQ(bitmap.ColorTable()[2], black);

  // 16 bits 5-5-5 and 32 bits with bit fields (here blue in the high byte).
  Load(bitmap, MakeBmp({.Width = 2, .Height = 1, .BitCount = 16, .Pixels = U16(0x7C00) + U16(0x001F)}));
  EXPECT_EQ(At(bitmap, 0, 0), red);
  EXPECT_EQ(At(bitmap, 1, 0), blue);
  Load(bitmap, MakeBmp({.Width = 1, .Height = 1, .BitCount = 32, .Compression = 3,
                        .Extra = U32(0x000000FF) + U32(0x0000FF00) + U32(0xFF000000), .Pixels = U32(0x80000040)}));
  EXPECT_EQ(At(bitmap, 0, 0), qRgb(0x40, 0x00, 0x80));

  // RLE8: a run, end of line, an absolute run, a delta, a run, end of bitmap.
  const std::vector<QRgb> table = {black, red, green, blue};
  Load(bitmap, MakeBmp({.Width = 4, .Height = 3, .BitCount = 8, .Compression = 1, .ColorsUsed = 4, .Table = table,
                        .Pixels = "\x04\x01\x00\x00\x00\x03\x02\x03\x02\x00\x00\x02\x00\x01\x01\x03\x00\x01"s}));
  EXPECT_EQ(At(bitmap, 0, 2), red);  // the first row is the bottom one
  EXPECT_EQ(At(bitmap, 3, 2), red);
  EXPECT_EQ(At(bitmap, 0, 1), green);
  EXPECT_EQ(At(bitmap, 1, 1), blue);
  EXPECT_EQ(At(bitmap, 2, 1), green);
  EXPECT_EQ(At(bitmap, 3, 1), black);
  EXPECT_EQ(At(bitmap, 3, 0), blue);  // after the delta (+0, +1)
  EXPECT_EQ(At(bitmap, 0, 0), black);

  // RLE4: two colours alternating in a run, then an absolute run of three.
  Load(bitmap, MakeBmp({.Width = 5, .Height = 2, .BitCount = 4, .Compression = 2, .ColorsUsed = 4, .Table = table,
                        .Pixels = "\x05\x12\x00\x00\x00\x03\x32\x10\x00\x01"s}));
  EXPECT_EQ(At(bitmap, 0, 1), red);
  EXPECT_EQ(At(bitmap, 1, 1), green);
  EXPECT_EQ(At(bitmap, 4, 1), red);
  EXPECT_EQ(At(bitmap, 0, 0), blue);
  EXPECT_EQ(At(bitmap, 2, 0), red);
}

TEST(Bitmap, WritesBackTheBytesItReadUntilChanged) {
  // Fields that our writer would set otherwise: resolution, important colours,
  // a file size that is off, and a byte after the pixels.
  std::string bytes = MakeBmp({.Width = 3, .Height = 1, .BitCount = 8, .ColorsUsed = 2,
                               .Table = {qRgb(0, 0, 0), qRgb(255, 255, 255)}, .Pixels = "\x01\x00\x01\x00"s}) +
                      "!";
  bytes.replace(38, 8, U32(2835) + U32(2835));
  bytes.replace(50, 4, U32(2));
  bytes.replace(2, 4, U32(12345));
  TBitmap bitmap;
  Load(bitmap, bytes);
  EXPECT_EQ(Saved(bitmap), bytes);
  TMemoryStream data;
  bitmap.WriteData(data);
  EXPECT_EQ(std::string(data.View()), U32(static_cast<uint32_t>(bytes.size())) + bytes);

  TBitmap copy;
  copy.Assign(&bitmap);
  EXPECT_EQ(Saved(copy), bytes);
  copy.SetTransparentColor(clRed);  // not part of the file
  EXPECT_EQ(Saved(copy), bytes);

  int changes = 0;
  copy.OnChange.SetHandler([&](TObject*) { ++changes; });
  copy.Canvas()->SetPixels(1, 0, clWhite);
  EXPECT_EQ(changes, 1);
  const std::string rewritten = Saved(copy);
  EXPECT_NE(rewritten, bytes);
  EXPECT_EQ(GetU32(rewritten, 38), 0u);
  EXPECT_EQ(At(copy, 1, 0), qRgb(255, 255, 255));
  EXPECT_EQ(Saved(bitmap), bytes);  // the source is untouched
}

TEST(Bitmap, AnEmptyBitmapIsDataOfSizeZero) {
  TBitmap empty;
  TMemoryStream data;
  empty.WriteData(data);
  EXPECT_EQ(std::string(data.View()), U32(0));
  TBitmap bitmap;
  bitmap.SetSize(2, 2);
  data.SetPosition(0);
  bitmap.ReadData(data);
  EXPECT_TRUE(bitmap.Empty());
}

TEST(Bitmap, TransparentColorIsTheBottomLeftPixelUnlessFixed) {
  TBitmap bitmap;
  EXPECT_EQ(bitmap.TransparentColor(), clDefault);
  bitmap.SetSize(3, 3);
  bitmap.Canvas()->SetPixels(0, 2, clFuchsia);
  EXPECT_EQ(bitmap.TransparentMode(), tmAuto);
  EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
  bitmap.SetTransparentColor(clRed);
  EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
  EXPECT_EQ(bitmap.TransparentColor(), clRed);
  bitmap.SetTransparentColor(clDefault);
  EXPECT_EQ(bitmap.TransparentMode(), tmAuto);
  EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
  bitmap.SetTransparentMode(tmFixed);
  bitmap.Canvas()->SetPixels(0, 2, clAqua);
  EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
}

TEST(Bitmap, SizeAndFormatChangesKeepThePicture) {
  TBitmap bitmap;
  bitmap.SetWidth(2);
  EXPECT_TRUE(bitmap.Empty());
  bitmap.SetHeight(2);
  EXPECT_FALSE(bitmap.Empty());
  bitmap.Canvas()->SetPixels(1, 1, clNavy);
  bitmap.SetSize(4, 3);
  EXPECT_EQ(At(bitmap, 1, 1), qRgb(0, 0, 0x80));
  EXPECT_EQ(At(bitmap, 3, 2), qRgb(255, 255, 255));
  // A copy of the pixels stays as it was when the bitmap is drawn on.
  const QImage before = bitmap.Image();
  bitmap.Canvas()->SetPixels(0, 0, clRed);
  EXPECT_EQ(before.pixel(0, 0), qRgb(255, 255, 255));

  bitmap.SetMonochrome(true);
  EXPECT_EQ(bitmap.PixelFormat(), pf1bit);
  EXPECT_EQ(At(bitmap, 1, 1), qRgb(0, 0, 0));
  EXPECT_EQ(At(bitmap, 3, 2), qRgb(255, 255, 255));
  EXPECT_EQ(static_cast<uint8_t>(Saved(bitmap)[28]), 1);
  bitmap.SetMonochrome(false);
  EXPECT_EQ(static_cast<uint8_t>(Saved(bitmap)[28]), 24);

  bitmap.Assign(nullptr);
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(Saved(bitmap), "");
  EXPECT_THROW(bitmap.SetSize(100000, 100000), EOutOfResources);
}

TEST(Bitmap, MalformedFilesAreRefusedWithoutHarm) {
  const std::string good = MakeBmp({.Width = 2, .Height = 2, .Pixels = std::string(16, '\x7f')});
  auto with = [&](size_t at, const std::string& bytes) {
    std::string b = good;
    b.replace(at, bytes.size(), bytes);
    return b;
  };
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"too short", "BM"},
      {"no signature", with(0, "XY")},
      {"truncated pixels", good.substr(0, good.size() - 5)},
      {"unknown header size", with(14, U32(20))},
      {"header beyond the file", with(14, U32(0x7FFFFFF0))},
      {"zero width", with(18, U32(0))},
      {"negative width", with(18, U32(0xFFFFFFFE))},
      {"absurd size", with(18, U32(100000) + U32(100000))},
      {"too many pixels", with(18, U32(60000) + U32(60000) + U16(1) + U16(1))},
      {"smallest height", with(22, U32(0x80000000))},
      {"seven bits", with(28, U16(7))},
      {"unknown compression", with(30, U32(9))},
      {"RLE8 at 24 bits", with(30, U32(1))},
      {"negative palette size", MakeBmp({.Width = 1, .Height = 1, .BitCount = 8, .ColorsUsed = 0xFFFFFFFF,
                                         .Pixels = std::string(4, '\0')})},
      {"palette beyond the file", MakeBmp({.Width = 1, .Height = 1, .BitCount = 8, .ColorsUsed = 200,
                                           .Pixels = std::string(4, '\0')})},
      {"bit fields missing", MakeBmp({.Width = 1, .Height = 1, .BitCount = 32, .Compression = 3})},
      {"RLE run past the data", MakeBmp({.Width = 4, .Height = 2, .BitCount = 8, .Compression = 1, .ColorsUsed = 1,
                                         .Table = {0}, .Pixels = "\x00\x08\x01\x02"s})},
      {"RLE without an end", MakeBmp({.Width = 4, .Height = 2, .BitCount = 8, .Compression = 1, .ColorsUsed = 1,
                                      .Table = {0}, .Pixels = "\x02\x00"s})},
      {"RLE running off the row", MakeBmp({.Width = 1, .Height = 200, .BitCount = 8, .Compression = 1,
                                           .ColorsUsed = 1, .Table = {0},
                                           .Pixels = "\xff\x00\xff\x00\xff\x00\x00\x01"s})},
  };
  TBitmap bitmap;
  Load(bitmap, good);
  for (const auto& [name, bytes] : cases) {
    try {
      Load(bitmap, bytes);
      ADD_FAILURE() << name << ": loaded";
    } catch (const EInvalidGraphic& e) {
      EXPECT_STREQ(e.what(), "Bitmap image is not valid") << name;
    }
    EXPECT_EQ(Saved(bitmap), good) << name << ": the bitmap changed";
  }
  TStringStream claimsMore(U32(1000) + good);
  EXPECT_THROW(bitmap.ReadData(claimsMore), EInvalidGraphic);
  TStringStream noSize("\x01\x02"s);
  EXPECT_THROW(bitmap.ReadData(noSize), EInvalidGraphic);
}
