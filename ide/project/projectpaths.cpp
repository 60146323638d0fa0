#include "ide/project/projectpaths.h"

#include <filesystem>

#include "kcl/rtl/sysutils.h"

namespace korvax {

namespace {

bool IsFullPath(const std::string& path) {
  // A Windows project may name a drive ("C:\Units\Tools.pas").
  return std::filesystem::path(path).is_absolute() || (path.size() > 2 && path[1] == ':');
}

}  // namespace

std::string ProjectRelativePath(const std::string& projectDir, const std::string& file) {
  if (projectDir.empty()) return file;
  const std::filesystem::path full(kcl::ExpandFileName(file));
  const std::string text = full.lexically_relative(std::filesystem::path(kcl::ExpandFileName(projectDir))).string();
  if (text.empty() || text.starts_with("..")) return file;
  return text;
}

std::string UnitFileOfEntry(const std::string& projectDir, const std::string& entry) {
  if (kcl::ExtractFileExt(entry).empty()) return projectDir + entry + ".pas";
  return IsFullPath(entry) ? entry : projectDir + entry;
}

std::string UnitNameOfEntry(const std::string& entry) {
  return kcl::ChangeFileExt(kcl::ExtractFileName(entry), "");
}

}  // namespace korvax
