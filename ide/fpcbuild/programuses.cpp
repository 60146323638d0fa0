#include "ide/fpcbuild/programuses.h"

#include "ide/fpcbuild/pascaltokens.h"
#include "kcl/platform/process.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::fpcbuild {

using namespace kcl;

namespace {

bool Names(const std::vector<std::string>& named, const std::string& unit) {
  for (const std::string& name : named)
    if (SameText(name, unit)) return true;
  return false;
}

}  // namespace

std::string WithUnitsFirstInUses(std::string_view programSource, const std::vector<std::string>& units) {
  TPascalTokens tokens(programSource);
  size_t headingEnd = std::string_view::npos;
  for (std::string_view token = tokens.Next(); !token.empty(); token = tokens.Next()) {
    if (token == ";" && headingEnd == std::string_view::npos) headingEnd = tokens.End();
    if (!SameText(token, "uses")) continue;
    const size_t insertAt = tokens.End();
    const std::vector<std::string> named = ReadUsesClause(tokens);
    std::string inserted;
    for (const std::string& unit : units)
      if (!Names(named, unit)) inserted += " " + unit + ",";
    return std::string(programSource.substr(0, insertAt)) + inserted + std::string(programSource.substr(insertAt));
  }
  if (units.empty() || headingEnd == std::string_view::npos) return std::string(programSource);
  std::string clause = " uses";
  for (size_t i = 0; i < units.size(); ++i) clause += (i == 0 ? " " : ", ") + units[i];
  return std::string(programSource.substr(0, headingEnd)) + clause + ";" +
         std::string(programSource.substr(headingEnd));
}

std::string WithUnitPathsAsOnDisk(std::string_view programSource, const std::string& dir) {
  std::string result(programSource);
  TPascalTokens tokens(programSource);
  bool afterIn = false;
  for (std::string_view token = tokens.Next(); !token.empty(); token = tokens.Next()) {
    if (afterIn && token.size() >= 2 && token.front() == '\'' && token.back() == '\'') {
      std::string path(token.substr(1, token.size() - 2));
      for (char& c : path)
        if (c == '\\') c = '/';
      const std::string onDisk = GetShortPathName(dir + "/" + path);
      if (onDisk.size() == dir.size() + 1 + path.size()) path = onDisk.substr(dir.size() + 1);
      result.replace(tokens.Start() + 1, path.size(), path);
    }
    afterIn = SameText(token, "in");
  }
  return result;
}

}  // namespace korvax::fpcbuild
