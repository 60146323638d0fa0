#pragma once
// The project's settings for the command-line compiler, kept where it reads them:
// the configuration file beside the project file (project1.cfg for project1.dpr),
// one switch a line in dcc32's syntax ("-$R+", "-E<dir>", "-GD", ...).
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace korvax {

enum class TMapFile { Off, Segments, Publics, Detailed };

struct TProjectConfig {
  // The compiler directives by letter ('R' is range checking), Delphi's defaults.
  std::map<char, bool> Directives{{'A', true},  {'B', false}, {'C', true},  {'D', true}, {'H', true},
                                  {'I', true},  {'J', true},  {'L', true},  {'O', true}, {'P', true},
                                  {'Q', false}, {'R', false}, {'T', false}, {'U', false}, {'V', true},
                                  {'W', false}, {'X', true},  {'Y', true}};
  bool Hints = true;
  bool Warnings = true;
  int32_t MinStackSize = 16384;
  int32_t MaxStackSize = 1048576;
  int32_t ImageBase = 0x400000;
  bool TD32DebugInfo = false;
  bool Console = false;
  bool ObjectFiles = false;
  TMapFile MapFile = TMapFile::Off;
  std::string Defines;
  std::string OutputDir;
  std::string SearchPath;
  std::string UnitOutputDir;
  std::string UnitAliases;
  // Lines this model does not know, kept as they were read.
  std::vector<std::string> OtherLines;

  bool operator==(const TProjectConfig&) const = default;
};

// The configuration file of a project file: its name with ".cfg".
std::string ConfigFileOf(const std::string& projectFile);

TProjectConfig ParseProjectConfig(std::string_view text);
// Every setting, then the other lines; lines end in CR LF.
std::string ProjectConfigText(const TProjectConfig& config);

}  // namespace korvax
