#include "ide/common/diskfiles.h"

#include <filesystem>

#include "kcl/rtl/sysutils.h"

namespace korvax {

namespace fs = std::filesystem;

std::string DiskFileName(const std::string& path) {
  if (path.empty() || kcl::FileExists(path)) return path;
  const std::string dir = kcl::ExtractFilePath(path);
  const std::string name = kcl::ExtractFileName(path);
  std::string found;
  std::error_code ec;
  fs::directory_iterator entries(kcl::NativePath(dir.empty() ? "." : dir), ec);
  for (; !ec && entries != fs::directory_iterator(); entries.increment(ec)) {
    const std::string entry = entries->path().filename().string();
    std::error_code kind;
    if (kcl::SameText(entry, name) && (found.empty() || entry < found) && entries->is_regular_file(kind)) found = entry;
  }
  return found.empty() ? path : dir + found;
}

bool DiskFileExists(const std::string& path) { return kcl::FileExists(DiskFileName(path)); }

bool SameDiskFile(const std::string& a, const std::string& b) {
  const std::string fileA = DiskFileName(a), fileB = DiskFileName(b);
  if (!kcl::FileExists(fileA) || !kcl::FileExists(fileB)) return a == b;
  std::error_code ec;
  return fs::equivalent(kcl::NativePath(fileA), kcl::NativePath(fileB), ec);
}

bool SameUnitName(const std::string& a, const std::string& b) {
  return kcl::SameText(kcl::ChangeFileExt(kcl::ExtractFileName(a), ""), kcl::ChangeFileExt(kcl::ExtractFileName(b), ""));
}

}  // namespace korvax
