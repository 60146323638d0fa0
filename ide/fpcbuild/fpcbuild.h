#pragma once
// A Delphi project built for this system by Free Pascal in Delphi mode with the
// LCL, in a folder of its own beside the project ("fpc-build"): the user's files
// are only read. The compiler's messages, about the user's files, go where the
// Delphi compiler's go.
#include <functional>
#include <string>

#include "ide/fpcbuild/freepascal.h"

namespace korvax::fpcbuild {

struct TBuildRequest {
  std::string ProjectFile;  // the user's .dpr
  bool BuildAll = false;    // every unit compiled again, not only the changed ones
  std::string OutputFile;   // receives the messages
  // Called every few hundredths of a second while the compiler runs.
  std::function<void()> WhileWaiting;
};

struct TBuildResult {
  bool Built = false;   // the compiler made the program
  std::string Program;  // where the program is
  std::string Messages;  // what OutputFile received
};

// The name of the build's folder in the project's folder.
inline constexpr const char* BuildFolderName = "fpc-build";

// The folder of the build beside the project file, and the program it makes
// there (the project file's base name, without an extension on this system).
std::string BuildDirOf(const std::string& projectFile);
std::string ProgramOf(const std::string& projectFile);

// Builds with the compiler and LCL found (FindFreePascal without a Problem).
TBuildResult BuildWithFreePascal(const TFreePascal& fpc, const TBuildRequest& request);

}  // namespace korvax::fpcbuild
