#include "formfiles.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

#include "kcl/rtl/sysutils.h"

namespace korvax::convert {

namespace {

namespace fs = std::filesystem;

class Collector {
public:
  FormFiles Result() { return std::move(FResult); }

  void Take(const std::string& name) {
    std::error_code ec;
    const fs::path real = fs::weakly_canonical(name, ec);
    if (!FSeen.insert(ec ? name : real.string()).second) return;
    // Replacing a link would put the file in the link's place.
    FResult.files.push_back({name, !ec && fs::is_symlink(name, ec) ? real.string() : name});
  }

  void Search(const fs::path& dir) {
    std::error_code ec;
    std::vector<fs::path> entries;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) entries.push_back(it->path());
    if (ec) {
      FResult.failures.emplace_back(dir.string(), "cannot search the directory: " + ec.message());
      return;
    }
    std::sort(entries.begin(), entries.end());
    for (const fs::path& entry : entries) {
      const fs::file_status status = fs::symlink_status(entry, ec);
      if (fs::is_directory(status))
        Search(entry);
      else if (fs::is_regular_file(status) && kcl::SameText(entry.extension().string(), ".dfm"))
        Take(entry.string());
    }
  }

private:
  FormFiles FResult;
  std::set<std::string> FSeen;
};

}  // namespace

FormFiles CollectFormFiles(const std::vector<std::string>& paths) {
  Collector collector;
  for (const std::string& path : paths) {
    std::error_code ec;
    if (fs::is_directory(path, ec))
      collector.Search(path);
    else
      collector.Take(path);
  }
  return collector.Result();
}

}  // namespace korvax::convert
