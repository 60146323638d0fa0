#include "kcl/graphics/bitmap.h"

#include <algorithm>
#include <array>

#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/bmpformat.h"
#include "kcl/graphics/canvas.h"
#include "kcl/graphics/qtcolor.h"

namespace kcl {

namespace {

bool IsIndexed(TPixelFormat format) { return format == pf1bit || format == pf4bit || format == pf8bit; }

int BitsOf(TPixelFormat format) {
  switch (format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf32bit: return 32;
    default: return 24;
  }
}

TPixelFormat FormatOf(int bitCount) {
  switch (bitCount) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16: return pf16bit;
    case 32: return pf32bit;
    default: return pf24bit;
  }
}

// The 16 colours of the Windows system palette, in its order.
constexpr std::array<QRgb, 16> SystemColors = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

// Black and white; the system colours; those, a 6x6x6 colour cube and grays.
std::vector<QRgb> DefaultColorTable(TPixelFormat format) {
  if (format == pf1bit) return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
  std::vector<QRgb> table(SystemColors.begin(), SystemColors.end());
  if (format == pf8bit) {
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 6; ++g)
        for (int b = 0; b < 6; ++b) table.push_back(qRgb(r * 51, g * 51, b * 51));
    for (int i = 1; i <= 24; ++i) table.push_back(qRgb(i * 10, i * 10, i * 10));
  }
  return table;
}

}  // namespace

class TBitmap::TBitmapCanvas : public TCanvas {
public:
  explicit TBitmapCanvas(TBitmap& owner) : FOwner(owner) {}

protected:
  void CreateHandle() override {
    if (!FOwner.Empty()) BeginPaint(&FOwner.FImage);
  }
  void Changed() override {
    FOwner.ContentChanged();
    TCanvas::Changed();
  }

private:
  TBitmap& FOwner;
};

KCL_CLASS_INFO(TBitmap) {}

TBitmap::TBitmap() = default;
TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TPersistent* source) {
  if (source == this) return;
  if (source && !dynamic_cast<const TBitmap*>(source)) return TGraphic::Assign(source);
  ReleaseCanvas();
  if (const auto* bitmap = static_cast<const TBitmap*>(source)) {
    bitmap->ReleaseCanvas();
    FWidth = bitmap->FWidth;
    FHeight = bitmap->FHeight;
    FImage = bitmap->FImage;
    FPixelFormat = bitmap->FPixelFormat;
    FColorTable = bitmap->FColorTable;
    FFileBytes = bitmap->FFileBytes;
    FTransparentColor = bitmap->FTransparentColor;
    FTransparentMode = bitmap->FTransparentMode;
    FTransparent = bitmap->FTransparent;
  } else {
    FWidth = FHeight = 0;
    FImage = QImage();
    FPixelFormat = pfDevice;
    FColorTable.clear();
    FFileBytes.clear();
  }
  FTransparentImage = QImage();
  Changed();
}

TCanvas* TBitmap::Canvas() {
  if (!FCanvas) FCanvas = std::make_unique<TBitmapCanvas>(*this);
  return FCanvas.get();
}

bool TBitmap::Empty() const { return FWidth == 0 || FHeight == 0; }

const QImage& TBitmap::Image() const {
  // A copy taken now stays as it is: the next painting detaches the image.
  ReleaseCanvas();
  return FImage;
}

void TBitmap::SetImage(const QImage& image) {
  if (!image.isNull() && (image.width() > kMaxBmpDimension || image.height() > kMaxBmpDimension ||
                          int64_t{image.width()} * image.height() > kMaxBmpPixels))
    throw EOutOfResources(msg::OutOfResources);
  ReleaseCanvas();
  FImage = image.convertToFormat(QImage::Format_RGB32);
  FWidth = FImage.width();
  FHeight = FImage.height();
  if (IsIndexed(FPixelFormat)) MapToColorTable(FImage, FColorTable);
  ContentChanged();
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == FWidth && height == FHeight) return;
  if (width > kMaxBmpDimension || height > kMaxBmpDimension || int64_t{width} * height > kMaxBmpPixels)
    throw EOutOfResources(msg::OutOfResources);
  ReleaseCanvas();
  QImage resized;
  if (width > 0 && height > 0) {
    resized = QImage(width, height, QImage::Format_RGB32);
    if (resized.isNull()) throw EOutOfResources(msg::OutOfResources);
    resized.fill(Qt::white);
    if (!FImage.isNull()) {
      QPainter painter(&resized);
      painter.setCompositionMode(QPainter::CompositionMode_Source);
      painter.drawImage(0, 0, FImage);
    }
  }
  FImage = resized;
  FWidth = width;
  FHeight = height;
  ContentChanged();
}

void TBitmap::SetPixelFormat(TPixelFormat value) {
  if (value == FPixelFormat) return;
  ReleaseCanvas();
  FPixelFormat = value;
  if (IsIndexed(value)) {
    FColorTable = DefaultColorTable(value);
    MapToColorTable(FImage, FColorTable);
  } else {
    FColorTable.clear();
  }
  ContentChanged();
}

void TBitmap::SetMonochrome(bool value) {
  if (value != Monochrome()) SetPixelFormat(value ? pf1bit : pfDevice);
}

void TBitmap::SetColorTable(std::vector<QRgb> table) {
  if (!IsIndexed(FPixelFormat) || table.empty()) return;
  if (table.size() > (size_t{1} << BitsOf(FPixelFormat))) table.resize(size_t{1} << BitsOf(FPixelFormat));
  for (QRgb& color : table) color |= 0xFF000000u;
  ReleaseCanvas();
  FColorTable = std::move(table);
  MapToColorTable(FImage, FColorTable);
  ContentChanged();
}

TColor TBitmap::TransparentColor() const {
  if (FTransparentMode == tmFixed) return FTransparentColor;
  if (Empty()) return clDefault;
  return QRgbToColor(FImage.pixel(0, FHeight - 1));
}

void TBitmap::SetTransparentColor(TColor value) {
  if (value == FTransparentColor && FTransparentMode == (value == clDefault ? tmAuto : tmFixed)) return;
  FTransparentColor = value;
  FTransparentMode = value == clDefault ? tmAuto : tmFixed;
  FTransparentImage = QImage();
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode value) {
  if (value == FTransparentMode) return;
  if (value == tmAuto)
    SetTransparentColor(clDefault);
  else
    SetTransparentColor(TransparentColor());
}

void TBitmap::LoadFromStream(TStream& stream) { LoadFromBytes(stream.ReadRest()); }

void TBitmap::LoadFromBytes(std::string bytes) {
  TBmpImage bmp;
  if (!bytes.empty()) bmp = ReadBmp(bytes);
  ReleaseCanvas();
  FImage = std::move(bmp.Pixels);
  FWidth = FImage.width();
  FHeight = FImage.height();
  FPixelFormat = bytes.empty() ? pfDevice : FormatOf(bmp.BitCount);
  FColorTable = std::move(bmp.ColorTable);
  FFileBytes = std::move(bytes);
  FTransparentImage = QImage();
  Changed();
}

void TBitmap::SaveToStream(TStream& stream) {
  if (Empty()) return;
  if (FFileBytes.empty()) {
    ReleaseCanvas();
    FFileBytes = WriteBmp(FImage, BitsOf(FPixelFormat), FColorTable);
  }
  stream.WriteString(FFileBytes);
}

void TBitmap::ReadData(TStream& stream) {
  uint8_t size[4];
  if (stream.Read(size, 4) != 4) throw EInvalidGraphic(msg::InvalidBitmap);
  const uint32_t count = size[0] | (size[1] << 8) | (size[2] << 16) | (static_cast<uint32_t>(size[3]) << 24);
  if (count > stream.Size() - stream.Position()) throw EInvalidGraphic(msg::InvalidBitmap);
  std::string bytes(count, '\0');
  stream.ReadBuffer(bytes.data(), count);
  LoadFromBytes(std::move(bytes));
}

void TBitmap::WriteData(TStream& stream) {
  TMemoryStream file;
  SaveToStream(file);
  const auto count = static_cast<uint32_t>(file.Size());
  const uint8_t size[4] = {static_cast<uint8_t>(count), static_cast<uint8_t>(count >> 8),
                           static_cast<uint8_t>(count >> 16), static_cast<uint8_t>(count >> 24)};
  stream.WriteBuffer(size, 4);
  stream.WriteString(file.View());
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
  if (!Empty()) canvas.StretchImage(rect, Transparent() ? TransparentImage() : FImage);
}

const QImage& TBitmap::TransparentImage() {
  if (FTransparentImage.isNull()) {
    FTransparentImage = FImage.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ColorToQRgb(TransparentColor());
    for (int y = 0; y < FTransparentImage.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(FTransparentImage.scanLine(y));
      for (int x = 0; x < FTransparentImage.width(); ++x)
        if (line[x] == key) line[x] = 0;
    }
  }
  return FTransparentImage;
}

void TBitmap::ReleaseCanvas() const {
  if (FCanvas) FCanvas->EndPaint();
}

void TBitmap::ContentChanged() {
  FFileBytes.clear();
  FTransparentImage = QImage();
  Changed();
}

}  // namespace kcl
