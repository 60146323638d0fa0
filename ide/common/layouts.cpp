#include "ide/common/layouts.h"

#include <QFile>
#include <QImage>

#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

// Outside any namespace, where the resource compiler defines its initialiser.
static void InitIdeResources() { Q_INIT_RESOURCE(ide_resources); }

namespace korvax {

namespace {

// Transparent pixels take a colour that no 16-colour picture uses, which the
// bitmap then leaves out when it is drawn.
constexpr QRgb TransparentKey = qRgb(0xFE, 0x00, 0xFE);

// The resources live in a static library: they are registered on first use.
void InitResources() {
  static const bool done = [] {
    InitIdeResources();
    return true;
  }();
  (void)done;
}

QString ResourcePath(std::string_view folder, std::string_view name, std::string_view extension) {
  InitResources();
  return QString::fromStdString(":/resources/" + std::string(folder) + "/" + std::string(name) + std::string(extension));
}

}  // namespace

std::string LayoutText(std::string_view name) {
  QFile file(ResourcePath("layouts", name, ".dfm"));
  if (!file.open(QIODevice::ReadOnly))
    throw kcl::EReadError(kcl::Format("Resource %s not found", {std::string(name)}));
  const QByteArray bytes = file.readAll();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

bool LoadPicture(std::string_view folder, std::string_view name, kcl::TBitmap& bitmap) {
  QImage image(ResourcePath(folder, name, ".xpm"));
  if (image.isNull()) return false;
  image = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(line[x]) < 128) line[x] = TransparentKey;
  }
  bitmap.SetImage(image.convertToFormat(QImage::Format_RGB32));
  bitmap.SetTransparentColor(static_cast<kcl::TColor>(qRed(TransparentKey) | qGreen(TransparentKey) << 8 |
                                                      qBlue(TransparentKey) << 16));
  return true;
}

}  // namespace korvax
