#pragma once
// Programs named as Windows names them, started as this system can start them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "kcl/platform/childprocess.h"

namespace kcl {

// The program's file, or (Path "") ERROR_FILE_NOT_FOUND or ERROR_PATH_NOT_FOUND.
struct TProgramFile {
  std::string Path;
  uint32_t Error = 0;
};

// A name with a directory is that file (see FindFileIgnoringCase); a bare name is
// looked for in the current directory, then on the PATH, as Windows does.
TProgramFile FindProgram(std::string_view name);

// A batch file: its name ends in ".bat" or ".cmd", in any case.
bool IsBatchFile(std::string_view path);

// Starts the program at path, in directory ("" for the caller's): directly, or
// through wine when it is a Windows executable (".exe" or ".com", or a file that
// starts with "MZ") and not one of this system's (a script starting with "#!", an
// ELF file), whatever its name; without wine on the PATH a Windows executable
// cannot start (ERROR_FILE_NOT_FOUND).
TStartResult StartProgram(const std::string& path, const std::vector<std::string>& arguments, const TStdio& stdio,
                          const std::string& directory = {});

}  // namespace kcl
