#include "kcl/graphics/icon.h"

#include <QBuffer>
#include <QImageReader>

#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/canvas.h"

namespace kcl {

namespace {

constexpr size_t DirectorySize = 6;
constexpr size_t EntrySize = 16;
constexpr uint32_t InfoHeaderSize = 40;
constexpr char PngSignature[] = "\x89PNG\r\n\x1a\n";

[[noreturn]] void Invalid() { throw EInvalidGraphic(msg::InvalidIcon); }

uint32_t Get(std::string_view bytes, size_t at, int size) {
  uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
  return v;
}

struct IconSize {
  int Width;
  int Height;
};

// Checks the directory (ICONDIR and its entries) against the file; the size of
// the first image.
IconSize CheckIconFile(std::string_view bytes) {
  if (bytes.size() < DirectorySize || Get(bytes, 0, 2) != 0 || Get(bytes, 2, 2) != 1) Invalid();
  const size_t count = Get(bytes, 4, 2);
  if (count == 0 || DirectorySize + count * EntrySize > bytes.size()) Invalid();
  const size_t imagesStart = DirectorySize + count * EntrySize;
  for (size_t i = 0; i < count; ++i) {
    const size_t entry = DirectorySize + i * EntrySize;
    const size_t size = Get(bytes, entry + 8, 4), offset = Get(bytes, entry + 12, 4);
    if (size == 0 || offset < imagesStart || offset > bytes.size() || size > bytes.size() - offset) Invalid();
    // An image is a DIB with an info header, or (since Vista) a PNG file.
    const std::string_view image = bytes.substr(offset, size);
    const bool dib = image.size() >= InfoHeaderSize && Get(image, 0, 4) == InfoHeaderSize;
    if (!dib && !image.starts_with(std::string_view(PngSignature, 8))) Invalid();
  }
  const int width = static_cast<uint8_t>(bytes[DirectorySize]), height = static_cast<uint8_t>(bytes[DirectorySize + 1]);
  return {width == 0 ? 256 : width, height == 0 ? 256 : height};
}

QImage DecodeFirstImage(const std::string& bytes) {
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  QImageReader reader(&buffer, "ico");
  return reader.read();
}

}  // namespace

KCL_CLASS_INFO(TIcon) {}

void TIcon::Assign(const TPersistent* source) {
  if (source == this) return;
  const auto* icon = dynamic_cast<const TIcon*>(source);
  if (!icon) return TGraphic::Assign(source);
  FData = icon->FData;
  FImage = icon->FImage;
  FWidth = icon->FWidth;
  FHeight = icon->FHeight;
  Changed();
}

void TIcon::SetWidth(int) { throw EInvalidGraphicOperation(msg::ChangeIconSize); }
void TIcon::SetHeight(int) { throw EInvalidGraphicOperation(msg::ChangeIconSize); }

void TIcon::LoadFromStream(TStream& stream) {
  std::string bytes = stream.ReadRest();
  const IconSize size = CheckIconFile(bytes);
  FImage = DecodeFirstImage(bytes);
  FData = std::move(bytes);
  FWidth = size.Width;
  FHeight = size.Height;
  Changed();
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect) {
  if (!FImage.isNull()) canvas.StretchImage(rect, FImage);
}

}  // namespace kcl
