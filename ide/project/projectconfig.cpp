#include "ide/project/projectconfig.h"

#include <algorithm>
#include <cctype>

#include "kcl/rtl/sysutils.h"

namespace korvax {

namespace {

const std::pair<TMapFile, const char*> MapSwitches[] = {
    {TMapFile::Segments, "-GS"}, {TMapFile::Publics, "-GP"}, {TMapFile::Detailed, "-GD"}};

std::string Unquoted(std::string_view value) {
  const std::string text = kcl::Trim(value);
  return text.size() >= 2 && text.front() == '"' && text.back() == '"' ? text.substr(1, text.size() - 2) : text;
}

// Paths with blanks are quoted, or the compiler would take the rest for a file name.
std::string Quoted(const std::string& value) {
  return value.find(' ') == std::string::npos ? value : '"' + value + '"';
}

// "-H+", "-H-" and "-H" alone (on).
bool ReadFlag(const std::string& rest, bool& flag) {
  if (!rest.empty() && rest != "+" && rest != "-") return false;
  flag = rest != "-";
  return true;
}

// "-O<path>", "-I<path>" or "-R<path>" naming the search path.
bool CopiesSearchPath(const TProjectConfig& config, const std::string& line) {
  const std::string trimmed = kcl::Trim(line);
  if (config.SearchPath.empty() || trimmed.size() < 3 || trimmed[0] != '-') return false;
  const char name = static_cast<char>(std::toupper(static_cast<unsigned char>(trimmed[1])));
  return (name == 'O' || name == 'I' || name == 'R') && Unquoted(trimmed.substr(2)) == config.SearchPath;
}

bool ReadNumber(std::string_view text, int32_t& value) { return kcl::TryStrToInt(kcl::Trim(text), value); }

// A compiler directive "-$R+" or the stack sizes "-$M16384,1048576".
bool ReadDirective(TProjectConfig& config, const std::string& rest) {
  if (rest.size() == 2 && (rest[1] == '+' || rest[1] == '-')) {
    const auto known = config.Directives.find(static_cast<char>(std::toupper(static_cast<unsigned char>(rest[0]))));
    if (known == config.Directives.end()) return false;
    known->second = rest[1] == '+';
    return true;
  }
  const size_t comma = rest.find(',');
  if (std::toupper(static_cast<unsigned char>(rest[0])) != 'M' || comma == std::string::npos) return false;
  int32_t min = 0, max = 0;
  if (!ReadNumber(std::string_view(rest).substr(1, comma - 1), min) || !ReadNumber(rest.substr(comma + 1), max))
    return false;
  config.MinStackSize = min;
  config.MaxStackSize = max;
  return true;
}

bool ReadSwitch(TProjectConfig& config, const std::string& line) {
  if (line.size() < 2 || line[0] != '-') return false;
  if (line[1] == '$') return line.size() > 2 && ReadDirective(config, line.substr(2));
  const std::string name = kcl::UpperCase(line.substr(1, 2));
  const std::string rest = line.substr(2);
  for (const auto& [map, text] : MapSwitches)
    if (kcl::SameText(line, text)) return config.MapFile = map, true;
  if (name == "CC" || name == "CG") return config.Console = name == "CC", line.size() == 3;
  switch (name[0]) {
    case 'H': return ReadFlag(rest, config.Hints);
    case 'W': return ReadFlag(rest, config.Warnings);
    case 'V': return rest.empty() && (config.TD32DebugInfo = true);
    case 'J': return rest.empty() && (config.ObjectFiles = true);
    case 'K': return ReadNumber(rest, config.ImageBase);
    case 'D': return config.Defines = Unquoted(rest), true;
    case 'E': return config.OutputDir = Unquoted(rest), true;
    case 'N': return config.UnitOutputDir = Unquoted(rest), true;
    case 'U': return config.SearchPath = Unquoted(rest), true;
    case 'A': return config.UnitAliases = Unquoted(rest), true;
    default: return false;
  }
}

}  // namespace

std::string ConfigFileOf(const std::string& projectFile) { return kcl::ChangeFileExt(projectFile, ".cfg"); }

TProjectConfig ParseProjectConfig(std::string_view text) {
  TProjectConfig config;
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    const size_t end = std::min(text.find('\n', start), text.size());
    std::string line(text.substr(start, end - start));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  for (const std::string& line : lines)
    if (!ReadSwitch(config, kcl::Trim(line))) config.OtherLines.push_back(line);
  // The search path also finds object files, include files and resources: those
  // copies of it are written with it.
  std::erase_if(config.OtherLines, [&config](const std::string& line) { return CopiesSearchPath(config, line); });
  return config;
}

std::string ProjectConfigText(const TProjectConfig& config) {
  std::vector<std::string> lines;
  for (const auto& [letter, on] : config.Directives) lines.push_back(std::string("-$") + letter + (on ? '+' : '-'));
  lines.push_back("-$M" + std::to_string(config.MinStackSize) + "," + std::to_string(config.MaxStackSize));
  lines.push_back("-K$" + kcl::IntToHex(config.ImageBase, 8));
  lines.push_back(config.Console ? "-cc" : "-cg");
  lines.push_back(config.Hints ? "-H+" : "-H-");
  lines.push_back(config.Warnings ? "-W+" : "-W-");
  if (config.TD32DebugInfo) lines.push_back("-V");
  if (config.ObjectFiles) lines.push_back("-J");
  for (const auto& [map, text] : MapSwitches)
    if (config.MapFile == map) lines.push_back(text);
  const auto add = [&lines](const char* name, const std::string& value) {
    if (!value.empty()) lines.push_back(name + Quoted(value));
  };
  add("-E", config.OutputDir);
  add("-N", config.UnitOutputDir);
  for (const char* name : {"-U", "-O", "-I", "-R"}) add(name, config.SearchPath);
  add("-D", config.Defines);
  add("-A", config.UnitAliases);
  lines.insert(lines.end(), config.OtherLines.begin(), config.OtherLines.end());
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace korvax
