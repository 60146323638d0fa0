#pragma once
// The files an in-place conversion works on, found from the paths on the command line.
#include <string>
#include <utility>
#include <vector>

namespace korvax::convert {

struct FormFile {
  std::string name;  // as named or found, for messages
  std::string path;  // the file itself, links followed: the one to replace
};

struct FormFiles {
  std::vector<FormFile> files;
  std::vector<std::pair<std::string, std::string>> failures;  // a path and why it was not searched
};

// Each path that is not a directory as it is; for a directory, every file below it
// whose extension is .dfm in any case, in name order. Links met below a directory
// are not followed. A file reached twice is taken once.
FormFiles CollectFormFiles(const std::vector<std::string>& paths);

}  // namespace korvax::convert
