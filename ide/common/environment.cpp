#include "ide/common/environment.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "ide/common/routines.h"

namespace korvax {

std::string ProgramDir;
std::string StartDir;
std::string DelphiBinDir;
std::string DesktopDir;
std::string SettingsDir;
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

std::string FormTextFile() { return SettingsDir + "$$temp$$.~tm"; }

namespace {

std::string UserSettingsDir() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  std::string dir = config && *config ? AddBackslash(config) : AddBackslash(home ? home : "") + ".config/";
  dir += "korvax/";
  std::error_code ignored;  // a folder that cannot be made shows as the settings' write error
  std::filesystem::create_directories(dir, ignored);
  return dir;
}

bool MayWriteIn(const std::string& dir) { return access(dir.empty() ? "." : dir.c_str(), W_OK) == 0; }

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
  SettingsDir = MayWriteIn(ProgramDir) ? ProgramDir : UserSettingsDir();
  IniFile = std::make_unique<kcl::TIniFile>(SettingsDir + "Korvax.ini");
  const std::string delphi = AddBackslash(StartSetting("DELPHI"));
  DelphiBinDir = delphi + "bin/";
  DesktopDir = StartSetting("DESKTOP");
  return delphi + "help/delphi3.hlp";
}

}  // namespace korvax
