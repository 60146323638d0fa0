#include "ide/fpcbuild/freepascal.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "kcl/platform/program.h"

namespace korvax::fpcbuild {

namespace fs = std::filesystem;

namespace {

struct TWidgetset {
  const char* Name;
  const char* Library;  // what a program of the widget set links
};

// Qt first: Korvax itself runs on Qt, so its libraries are there.
constexpr TWidgetset Widgetsets[] = {{"qt5", "libQt5Pas.so"}, {"gtk2", "libgtk-x11-2.0.so"}};

bool Exists(const fs::path& path) {
  std::error_code ignored;
  return fs::exists(path, ignored);
}

bool LibraryInstalled(const std::string& library) {
  const std::string multiarch = std::string(TargetName().substr(0, TargetName().find('-'))) + "-linux-gnu";
  for (const char* dir : {"/usr/lib", "/usr/lib64", "/usr/local/lib"})
    if (Exists(fs::path(dir) / multiarch / library) || Exists(fs::path(dir) / library)) return true;
  return false;
}

// "2.2.6" as {2, 2, 6}: versions compare by their numbers ("2.10" after "2.9").
std::vector<int> VersionOf(const fs::path& name) {
  std::vector<int> numbers;
  const std::string text = name.string();
  for (size_t at = 0; at < text.size();) {
    size_t end = text.find_first_not_of("0123456789", at);
    if (end == std::string::npos) end = text.size();
    numbers.push_back(end > at ? std::atoi(text.substr(at, std::min<size_t>(end - at, 9)).c_str()) : -1);
    at = end + 1;
  }
  return numbers;
}

// The folders that may be an LCL installation: $LAZARUSDIR, then each version
// folder of the usual places, the highest version first.
std::vector<fs::path> LazarusCandidates() {
  std::vector<fs::path> candidates;
  if (const char* own = std::getenv("LAZARUSDIR"); own && *own) candidates.emplace_back(own);
  for (const char* place : {"/usr/lib/lazarus", "/usr/lib64/lazarus", "/usr/share/lazarus", "/usr/local/lib/lazarus",
                            "/usr/local/share/lazarus", "/opt/lazarus"}) {
    std::vector<fs::path> versions;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(place, error))
      if (entry.is_directory(error)) versions.push_back(entry.path());
    std::sort(versions.begin(), versions.end(),
              [](const fs::path& a, const fs::path& b) { return VersionOf(b.filename()) < VersionOf(a.filename()); });
    candidates.emplace_back(place);
    candidates.insert(candidates.end(), versions.begin(), versions.end());
  }
  return candidates;
}

bool IsExecutableFile(const std::string& path) {
  std::error_code ignored;
  return fs::is_regular_file(path, ignored) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::string TargetName() {
#if defined(__x86_64__)
  return "x86_64-linux";
#elif defined(__aarch64__)
  return "aarch64-linux";
#elif defined(__i386__)
  return "i386-linux";
#elif defined(__arm__)
  return "arm-linux";
#else
  return "unknown-linux";
#endif
}

TFreePascal FindFreePascal(const std::string& compiler) {
  TFreePascal found;
  found.Compiler = compiler.empty() ? kcl::FindProgram("fpc").Path : compiler;
  if (found.Compiler.empty() || !IsExecutableFile(found.Compiler)) {
    found.Problem = "Cannot find the Free Pascal compiler" + (compiler.empty() ? std::string() : " " + compiler) + "!";
    return found;
  }
  for (const fs::path& root : LazarusCandidates()) {
    const fs::path units = root / "lcl" / "units" / TargetName();
    for (const TWidgetset& widgetset : Widgetsets) {
      if (!Exists(units / widgetset.Name / "interfaces.ppu") || !LibraryInstalled(widgetset.Library)) continue;
      found.Widgetset = widgetset.Name;
      found.UnitDirs = {(units / widgetset.Name).string(), units.string()};
      const fs::path lazutils = root / "components" / "lazutils" / "lib" / TargetName();
      if (Exists(lazutils)) found.UnitDirs.push_back(lazutils.string());
      return found;
    }
  }
  found.Problem =
      "Cannot find the Lazarus Component Library (LCL) for " + TargetName() +
      " with the Qt 5 or GTK 2 widget set: install the packages lcl-units and lcl-qt5 (and libqt5pas-dev), or set "
      "LAZARUSDIR to the Lazarus installation.";
  return found;
}

}  // namespace korvax::fpcbuild
