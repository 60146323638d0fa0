#pragma once
// Where the environment runs: the directories found at start and the settings
// file, shared by every window. The main window sets them when it is created.
#include <memory>
#include <string>

#include "kcl/system/inifile.h"

namespace korvax {

extern std::string ProgramDir;    // the executable's directory, with a separator
extern std::string StartDir;      // the current directory at start, with a separator
extern std::string DelphiBinDir;  // the compiler's directory
extern std::string DesktopDir;    // the database desktop's directory, as stored
// Where the settings file and the temporary form text go: ProgramDir, or, when the
// program may not write there (an installed program), the user's configuration
// folder ($XDG_CONFIG_HOME, else ~/.config) + "korvax/".
extern std::string SettingsDir;
extern std::unique_ptr<kcl::TIniFile> IniFile;  // SettingsDir + "Korvax.ini"

// A setting from the settings file, or fallback while there is none (in tests,
// before start-up has read the environment).
bool SettingBool(const std::string& section, const std::string& key, bool fallback);
int SettingInteger(const std::string& section, const std::string& key, int fallback);
std::string SettingString(const std::string& section, const std::string& key, const std::string& fallback);

// Where a form's text is put for the editor to show: "$$temp$$.~tm" in SettingsDir,
// removed when the main window goes.
std::string FormTextFile();

// Sets the directories above from the program's path, the current directory and
// the settings in SettingsDir + "Korvax.ini"; returns the help file to use.
std::string ReadEnvironment(const std::string& programPath, const std::string& currentDir);

}  // namespace korvax
