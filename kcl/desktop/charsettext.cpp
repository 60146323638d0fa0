#include "kcl/desktop/charsettext.h"

#include <QStringDecoder>

#include "kcl/desktop/cp1252.h"

namespace kcl {

namespace {

// The code pages of the character sets, by the names Qt's converters know them.
const char* CodePageOfCharset(uint8_t charset) {
  switch (charset) {
    case 128: return "windows-932";
    case 129: return "windows-949";
    case 134: return "windows-936";
    case 136: return "windows-950";
    case 161: return "windows-1253";
    case 162: return "windows-1254";
    case 177: return "windows-1255";
    case 178: return "windows-1256";
    case 186: return "windows-1257";
    case 204: return "windows-1251";
    case 222: return "windows-874";
    case 238: return "windows-1250";
    default: return nullptr;
  }
}

}  // namespace

QString DecodeForCharset(std::string_view bytes, uint8_t charset) {
  const char* codePage = CodePageOfCharset(charset);
  if (!codePage) return cp1252::Decode(bytes);
  QStringDecoder decoder(codePage);
  // A Qt without that converter shows the bytes as the framework's own.
  if (!decoder.isValid()) return cp1252::Decode(bytes);
  return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace kcl
