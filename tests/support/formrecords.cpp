#include "support/formrecords.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace korvax::test {

namespace {

void DropCr(std::string& line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
}

}  // namespace

std::string RecordOf(const std::string& formText, const std::string& name) {
  std::istringstream lines(formText);
  std::string line, indent, record;
  bool inside = false;
  while (std::getline(lines, line)) {
    DropCr(line);
    if (!inside) {
      const size_t at = line.find("object " + name + ":");
      if (at == std::string::npos || line.find_first_not_of(' ') != at) continue;
      inside = true;
      indent = line.substr(0, at);
    }
    record += line.substr(std::min(indent.size(), line.size())) + "\n";
    if (line == indent + "end") return record;
  }
  throw std::runtime_error("no record of " + name);
}

std::vector<std::string> RecordsOf(const std::string& formText, const std::set<std::string>& classNames, int depth) {
  std::vector<std::string> records;
  std::istringstream lines(formText);
  std::string line, current, indent;
  bool inside = false;
  while (std::getline(lines, line)) {
    DropCr(line);
    const size_t at = line.find_first_not_of(' ');
    if (!inside && at != std::string::npos && line.compare(at, 7, "object ") == 0 &&
        (depth == 0 || at == static_cast<size_t>(depth) * 2)) {
      const size_t colon = line.find(": ");
      inside = colon != std::string::npos && classNames.contains(line.substr(colon + 2));
      indent = line.substr(0, at);
    }
    if (!inside) continue;
    current += "  " + line.substr(std::min(indent.size(), line.size())) + "\r\n";
    if (line == indent + "end") {
      records.push_back(current);
      current.clear();
      inside = false;
    }
  }
  return records;
}

std::string Indented(const std::string& text) {
  std::istringstream lines(text);
  std::string indented;
  for (std::string line; std::getline(lines, line);) indented += "  " + line + "\n";
  return indented;
}

}  // namespace korvax::test
