#include "kcl/components/imagelist.h"

#include <QPainter>
#include <cstring>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/filer.h"
#include "kcl/graphics/bmpformat.h"
#include "kcl/graphics/canvas.h"

namespace kcl {

namespace {
constexpr const char* ImageReadFail = "Failed to read ImageList data from stream";
constexpr uint16_t ImageListMagic = 0x4C49;  // "IL"
constexpr int HeaderSize = 28;
constexpr uint16_t MaskFlag = 0x0001;

uint16_t Word16(const std::string& data, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(data[at]) | static_cast<uint8_t>(data[at + 1]) << 8);
}

uint32_t Word32(const std::string& data, size_t at) { return Word16(data, at) | uint32_t{Word16(data, at + 2)} << 16; }

// A bitmap file inside the data at offset: its decoded pixels, and where it ends.
// The image list writes a file header whose size counts the headers and the
// colours only, so the size comes from the info header.
QImage ReadBitmapAt(const std::string& data, size_t& at) {
  constexpr size_t FileHeaderSize = 14, InfoHeaderSize = 40;
  if (data.size() < at + FileHeaderSize + InfoHeaderSize || data.compare(at, 2, "BM") != 0)
    throw EReadError(ImageReadFail);
  const size_t info = at + FileHeaderSize;
  const uint64_t bitsOffset = Word32(data, at + 10);
  const uint64_t width = Word32(data, info + 4), height = Word32(data, info + 8), bitCount = Word16(data, info + 14);
  const uint64_t stride = (width * bitCount + 31) / 32 * 4;
  const uint64_t size = bitsOffset + stride * height;
  if (width == 0 || height == 0 || height > 0x7FFFFFFF || size > data.size() - at) throw EReadError(ImageReadFail);
  std::string file = data.substr(at, static_cast<size_t>(size));
  for (int i = 0; i < 4; ++i) file[2 + i] = static_cast<char>(size >> (8 * i));
  try {
    QImage image = ReadBmp(file).Pixels;
    at += static_cast<size_t>(size);
    return image;
  } catch (const std::exception&) {
    throw EReadError(ImageReadFail);
  }
}
}  // namespace

KCL_CLASS_INFO(TCustomImageList) {}

KCL_CLASS_INFO(TImageList) {
  using T = TImageList;
  cls.property("BlendColor", &T::BlendColor, &T::SetBlendColor, TColorType()).Default(clNone);
  cls.property("BkColor", &T::BkColor, &T::SetBkColor, TColorType()).Default(clNone);
  cls.property("AllocBy", &T::AllocBy, &T::SetAllocBy).Default(4);
  cls.property("DrawingStyle", &T::DrawingStyle, &T::SetDrawingStyle).Default(dsNormal);
  cls.property("Height", &T::Height, &T::SetHeight).Default(16);
  cls.property("ImageType", &T::ImageType, &T::SetImageType).Default(itImage);
  cls.property("Masked", &T::Masked, &T::SetMasked).Default(true);
  cls.event("OnChange", &T::OnChange, TNotifyEventType());
  cls.property("ShareImages", &T::ShareImages, &T::SetShareImages).Default(false);
  cls.property("Width", &T::Width, &T::SetWidth).Default(16);
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

void TCustomImageList::SetBkColor(TColor v) {
  FBkColor = v;
  Change();
}

void TCustomImageList::SetDrawingStyle(TDrawingStyle v) {
  FDrawingStyle = v;
  Change();
}

void TCustomImageList::SetImageType(TImageType v) {
  FImageType = v;
  Change();
}

void TCustomImageList::SetHeight(int v) {
  if (v == FHeight) return;
  FHeight = v;
  Clear();
}

void TCustomImageList::SetWidth(int v) {
  if (v == FWidth) return;
  FWidth = v;
  Clear();
}

void TCustomImageList::Clear() {
  FData.clear();
  FImages = {};
  FImageSize = {};
  FCount = FColumns = 0;
  Change();
}

QImage TCustomImageList::Image(int index) const {
  if (index < 0 || index >= FCount || FColumns <= 0) return {};
  const int w = FImageSize.width(), h = FImageSize.height();
  return FImages.copy((index % FColumns) * w, (index / FColumns) * h, w, h);
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index) const {
  const QImage image = Image(index);
  if (!image.isNull()) canvas.StretchImage(Bounds(x, y, FWidth, FHeight), image);
}

void TCustomImageList::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "Bitmap", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); }, FCount > 0);
}

void TCustomImageList::ReadData(TStream& stream) {
  std::string data = stream.ReadRest();
  if (data.size() < HeaderSize || Word16(data, 0) != ImageListMagic || Word16(data, 2) != 0x0101)
    throw EReadError(ImageReadFail);
  const int count = Word16(data, 4), cx = Word16(data, 10), cy = Word16(data, 12);
  const bool masked = (Word16(data, 18) & MaskFlag) != 0;
  size_t at = HeaderSize;
  QImage images = ReadBitmapAt(data, at).convertToFormat(QImage::Format_ARGB32);
  const int columns = cx > 0 ? images.width() / cx : 0;
  const int rows = cy > 0 ? images.height() / cy : 0;
  if (count > 0 && (columns <= 0 || static_cast<int64_t>(columns) * rows < count)) throw EReadError(ImageReadFail);
  if (masked) {
    const QImage mask = ReadBitmapAt(data, at);
    if (mask.size() != images.size()) throw EReadError(ImageReadFail);
    // White in the mask is transparent.
    for (int y = 0; y < images.height(); ++y)
      for (int x = 0; x < images.width(); ++x)
        if ((mask.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) images.setPixel(x, y, 0);
  }
  FData = std::move(data);
  FImages = std::move(images);
  FCount = count;
  FColumns = columns;
  FImageSize = QSize(cx, cy);
  Change();
}

void TCustomImageList::WriteData(TStream& stream) const { stream.WriteString(FData); }

}  // namespace kcl
