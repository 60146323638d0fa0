#include "kcl/platform/filelookup.h"

#include <sys/stat.h>

#include <filesystem>
#include <vector>

#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

bool Exists(const std::string& path) {
  struct stat status;
  return ::stat(path.c_str(), &status) == 0;
}

std::string Join(const std::string& directory, std::string_view name) {
  if (directory.empty()) return std::string(name);
  return directory.back() == '/' ? directory + std::string(name) : directory + '/' + std::string(name);
}

// The entry of directory whose name equals name ignoring case; the first in byte
// order when several do, so that the choice does not depend on the directory's order.
std::string MatchInDirectory(const std::string& directory, std::string_view name) {
  namespace fs = std::filesystem;
  std::error_code ec;
  std::string best;
  for (fs::directory_iterator it(directory.empty() ? "." : directory, ec), end; !ec && it != end; it.increment(ec)) {
    std::string entry = it->path().filename().string();
    if (SameText(entry, name) && (best.empty() || entry < best)) best = std::move(entry);
  }
  return best;
}

std::vector<std::string_view> Parts(std::string_view path) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (start < path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

std::string Resolve(std::string_view name, bool forWriting) {
  if (name.empty()) return {};
  if (Exists(std::string(name))) return std::string(name);
  const std::string path = NativePath(name);
  if (Exists(path)) return path;

  std::string result = path.front() == '/' ? "/" : "";
  const std::vector<std::string_view> parts = Parts(path);
  for (size_t i = 0; i < parts.size(); ++i) {
    const std::string asGiven = Join(result, parts[i]);
    if (parts[i] == "." || parts[i] == ".." || Exists(asGiven)) {
      result = asGiven;
      continue;
    }
    const std::string match = MatchInDirectory(result, parts[i]);
    const bool last = i + 1 == parts.size();
    if (match.empty() && !(last && forWriting)) return {};
    result = match.empty() ? asGiven : Join(result, match);
  }
  if (path.back() == '/' && result.back() != '/') result += '/';
  return result;
}

}  // namespace

std::string FindFileIgnoringCase(std::string_view name) { return Resolve(name, false); }

std::string FindFileForWriting(std::string_view name) { return Resolve(name, true); }

}  // namespace kcl
