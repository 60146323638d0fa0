#include "kcl/platform/program.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "kcl/platform/filelookup.h"
#include "kcl/platform/winerror.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

bool IsRegularFile(const std::string& path) {
  struct stat status;
  return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool HasExtension(std::string_view path, std::initializer_list<std::string_view> extensions) {
  const std::string extension = ExtractFileExt(path);
  for (const std::string_view candidate : extensions)
    if (SameText(extension, candidate)) return true;
  return false;
}

bool IsWindowsExecutable(const std::string& path) {
  char bytes[4] = {};
  std::ifstream file(path, std::ios::binary);
  file.read(bytes, sizeof bytes);
  const std::string_view header(bytes, static_cast<size_t>(file.gcount()));
  // A program of this system may carry a Windows name (a stand-in "DCC32.exe").
  if (header.starts_with("#!") || header == "\x7f" "ELF") return false;
  return HasExtension(path, {".exe", ".com"}) || header.starts_with("MZ");
}

// A program of this system on the PATH, as a shell would find it; "" when none.
std::string FindOnPath(std::string_view name) {
  const char* path = std::getenv("PATH");
  if (!path) return {};
  const std::string_view directories(path);
  size_t start = 0;
  for (;;) {
    const size_t end = std::min(directories.find(':', start), directories.size());
    const std::string_view directory = directories.substr(start, end - start);
    const std::string candidate = (directory.empty() ? "." : std::string(directory)) + '/' + std::string(name);
    if (IsRegularFile(candidate) && ::access(candidate.c_str(), X_OK) == 0) return candidate;
    if (end == directories.size()) return {};
    start = end + 1;
  }
}

}  // namespace

TProgramFile FindProgram(std::string_view name) {
  if (name.empty()) return {{}, ERROR_FILE_NOT_FOUND};
  const bool hasDirectory = name.find_first_of("/\\") != std::string_view::npos;
  std::string path = FindFileIgnoringCase(name);
  if (!path.empty() && IsRegularFile(path)) return {hasDirectory ? path : "./" + path, 0};
  if (hasDirectory) return {{}, FindFileForWriting(name).empty() ? ERROR_PATH_NOT_FOUND : ERROR_FILE_NOT_FOUND};
  path = FindOnPath(name);
  if (!path.empty()) return {path, 0};
  return {{}, ERROR_FILE_NOT_FOUND};
}

bool IsBatchFile(std::string_view path) { return HasExtension(path, {".bat", ".cmd"}); }

TStartResult StartProgram(const std::string& path, const std::vector<std::string>& arguments, const TStdio& stdio,
                          const std::string& directory) {
  std::vector<std::string> argv;
  if (IsWindowsExecutable(path)) {
    const std::string wine = FindOnPath("wine");
    if (wine.empty()) return {-1, ERROR_FILE_NOT_FOUND};
    argv.push_back(wine);
  }
  argv.push_back(path);
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return StartChild(argv, stdio, directory);
}

}  // namespace kcl
