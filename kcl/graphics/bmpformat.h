#pragma once
// Windows BMP files, read and written here rather than by Qt so that the bytes
// are exactly those of the format: a BITMAPFILEHEADER, a BITMAPINFOHEADER (or the
// older BITMAPCOREHEADER, or a later header that starts like the info header), a
// colour table and rows padded to 4 bytes, bottom-up unless the height is
// negative. Reads 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed, RLE4, RLE8
// and bit fields; writes 1, 4, 8, 24 and 32 bits uncompressed.
#include <QImage>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kcl {

struct TBmpImage {
  QImage Pixels;  // Format_RGB32
  int BitCount = 24;
  std::vector<QRgb> ColorTable;  // 1, 4 and 8 bits: exactly 2^BitCount entries
};

// Larger bitmaps are refused rather than allocated.
constexpr int64_t kMaxBmpPixels = int64_t{1} << 26;
constexpr int kMaxBmpDimension = 65535;

// Raises EInvalidGraphic "Bitmap image is not valid" for anything malformed,
// truncated or beyond the limits above.
TBmpImage ReadBmp(std::string_view bytes);

// At 1, 4 or 8 bits each pixel takes the nearest colour of colorTable, which
// needs 1 to 2^bitCount entries; 24 and 32 bits ignore it.
std::string WriteBmp(const QImage& pixels, int bitCount, const std::vector<QRgb>& colorTable);

// Replaces every pixel of an RGB32 image by the nearest colour of colorTable.
void MapToColorTable(QImage& pixels, const std::vector<QRgb>& colorTable);

}  // namespace kcl
