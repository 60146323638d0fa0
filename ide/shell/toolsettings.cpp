#include "ide/shell/toolsettings.h"

#include <utility>

#include "kcl/classes/stringlist.h"
#include "kcl/rtl/sysutils.h"

namespace korvax {

using namespace kcl;

namespace {

// The position of the tool of that title (titles compare as settings keys do), or -1.
int IndexOfTool(const TIniFile::TKeyValues& tools, const std::string& title) {
  for (size_t i = 0; i < tools.size(); ++i)
    if (SameText(tools[i].first, Trim(title))) return static_cast<int>(i);
  return -1;
}

}  // namespace

TIniFile::TKeyValues ReadTools(TIniFile& ini) {
  TStringList lines;
  ini.ReadSectionValues(ToolsSection, lines);
  TIniFile::TKeyValues tools;
  // A key holds no '=': the value is what follows the first one.
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string line = lines.Strings(i);
    const size_t equals = line.find('=');
    tools.emplace_back(line.substr(0, equals), line.substr(equals + 1));
  }
  return tools;
}

void SaveTool(TIniFile& ini, const std::string& oldTitle, const std::string& title, const std::string& command) {
  TIniFile::TKeyValues tools = ReadTools(ini);
  const int old = oldTitle.empty() ? -1 : IndexOfTool(tools, oldTitle);
  if (old < 0) {
    ini.WriteString(ToolsSection, title, command);
    return;
  }
  TIniFile::TKeyValues saved;
  for (int i = 0; i < static_cast<int>(tools.size()); ++i) {
    if (i == old)
      saved.emplace_back(title, command);
    else if (!SameText(tools[i].first, Trim(title)))
      saved.push_back(std::move(tools[i]));
  }
  ini.RewriteSection(ToolsSection, saved);
}

bool MoveTool(TIniFile& ini, const std::string& title, int by) {
  TIniFile::TKeyValues tools = ReadTools(ini);
  const int from = IndexOfTool(tools, title);
  const int to = from + by;
  if (from < 0 || to < 0 || to >= static_cast<int>(tools.size())) return false;
  std::swap(tools[from], tools[to]);
  ini.RewriteSection(ToolsSection, tools);
  return true;
}

}  // namespace korvax
