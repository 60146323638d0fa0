#include "ide/common/environment.h"

#include "ide/common/routines.h"

namespace korvax {

std::string ProgramDir;
std::string StartDir;
std::string DelphiBinDir;
std::string DesktopDir;
std::unique_ptr<kcl::TIniFile> IniFile;

bool SettingBool(const std::string& section, const std::string& key, bool fallback) {
  return IniFile ? IniFile->ReadBool(section, key, fallback) : fallback;
}

int SettingInteger(const std::string& section, const std::string& key, int fallback) {
  return IniFile ? IniFile->ReadInteger(section, key, fallback) : fallback;
}

std::string SettingString(const std::string& section, const std::string& key, const std::string& fallback) {
  return IniFile ? IniFile->ReadString(section, key, fallback) : fallback;
}

std::string FormTextFile() { return ProgramDir + "$$temp$$.~tm"; }

namespace {

// A settings file that cannot be read (too large, unreadable) gives the defaults
// at start; the error shows when a command uses the file.
std::string StartSetting(const char* key) {
  try {
    return IniFile->ReadString("SYSTEM", key, "");
  } catch (const kcl::Exception&) {
    return "";
  }
}

}  // namespace

std::string ReadEnvironment(const std::string& programPath, const std::string& currentDir) {
  StartDir = AddBackslash(currentDir);
  const size_t end = programPath.find_last_of("\\/:");
  ProgramDir = end == std::string::npos ? std::string() : programPath.substr(0, end + 1);
  IniFile = std::make_unique<kcl::TIniFile>(ProgramDir + "Korvax.ini");
  const std::string delphi = AddBackslash(StartSetting("DELPHI"));
  DelphiBinDir = delphi + "bin/";
  DesktopDir = StartSetting("DESKTOP");
  return delphi + "help/delphi3.hlp";
}

}  // namespace korvax
