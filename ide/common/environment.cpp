#include "ide/common/environment.h"

#include "ide/common/routines.h"

namespace korvax {

std::string ProgramDir;
std::string StartDir;
std::string DelphiBinDir;
std::string DesktopDir;
std::unique_ptr<kcl::TIniFile> IniFile;

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
