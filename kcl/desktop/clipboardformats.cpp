#include "kcl/desktop/clipboardformats.h"

#include <map>
#include <mutex>
#include <vector>

#include "kcl/desktop/cp1252.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

constexpr uint32_t FirstRegistered = 0xC000;
constexpr uint32_t LastRegistered = 0xFFFF;
const QString WindowsMimePrefix = QStringLiteral("application/x-qt-windows-mime;value=\"");

struct TRegistry {
  std::mutex Lock;
  std::vector<std::string> Names;            // by format - FirstRegistered
  std::map<std::string, uint32_t> ByUpperName;
};

TRegistry& Registry() {
  static TRegistry registry;
  return registry;
}

bool IsText(const QString& mimeType) {
  return mimeType == QLatin1String("text/plain") || mimeType.startsWith(QLatin1String("text/plain;"));
}

}  // namespace

uint32_t RegisterClipboardFormat(const std::string& name) {
  if (name.empty()) return 0;
  TRegistry& registry = Registry();
  const std::lock_guard lock(registry.Lock);
  const auto [it, added] = registry.ByUpperName.try_emplace(UpperCase(name), 0);
  if (added) {
    if (registry.Names.size() > LastRegistered - FirstRegistered) {
      registry.ByUpperName.erase(it);
      return 0;
    }
    it->second = FirstRegistered + static_cast<uint32_t>(registry.Names.size());
    registry.Names.push_back(name);
  }
  return it->second;
}

std::string GetClipboardFormatName(uint32_t format) {
  TRegistry& registry = Registry();
  const std::lock_guard lock(registry.Lock);
  if (format < FirstRegistered || format - FirstRegistered >= registry.Names.size()) return {};
  return registry.Names[format - FirstRegistered];
}

QString MimeTypeOfFormat(uint32_t format) {
  if (format == CF_TEXT) return QStringLiteral("text/plain");
  const QString name = cp1252::Decode(GetClipboardFormatName(format));
  if (name.isEmpty() || name.contains(u'/')) return name;
  return WindowsMimePrefix + name + u'"';
}

uint32_t FormatOfMimeType(const QString& mimeType) {
  if (IsText(mimeType)) return CF_TEXT;
  const bool windowsFormat = mimeType.startsWith(WindowsMimePrefix) && mimeType.endsWith(u'"');
  if (windowsFormat && mimeType.size() > WindowsMimePrefix.size() + 1)
    return RegisterClipboardFormat(cp1252::Encode(mimeType.sliced(WindowsMimePrefix.size()).chopped(1)));
  return RegisterClipboardFormat(cp1252::Encode(mimeType));
}

}  // namespace kcl
