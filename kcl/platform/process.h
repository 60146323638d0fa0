#pragma once
// Starting programs and the file services that go with them, as the Win32 calls of
// the same names behave. Command lines are read as CreateProcess reads them (see
// ParseCommandLine); program names as FindProgram finds them; a Windows executable
// runs through wine when wine is on the PATH. Nothing is ever handed to a shell.
#include <cstdint>
#include <functional>
#include <string>

#include "kcl/platform/winerror.h"

namespace kcl {

// How a started program shows its window. Programs of this system place their own
// windows: the value is accepted for the callers' sake.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_NORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_MAXIMIZE = 3;
inline constexpr int SW_SHOWNOACTIVATE = 4;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_SHOWMINNOACTIVE = 7;
inline constexpr int SW_SHOWNA = 8;
inline constexpr int SW_RESTORE = 9;
inline constexpr int SW_SHOWDEFAULT = 10;

// Runs the command hidden and returns when it has ended, looking at it once a
// second without processing the user interface's events. A batch file (".bat",
// ".cmd") is interpreted here line by line (see ParseBatchLine) and the call returns
// when every line has ended. When nothing can be started it returns quietly.
// The child has the caller's environment and current directory, and reads no input.
void ExecAndWait(const std::string& commandLine);
// The same, calling whileWaiting every few hundredths of a second while the command
// runs: a caller with windows keeps them painted meanwhile.
void ExecAndWait(const std::string& commandLine, const std::function<void()>& whileWaiting);

// Starts the command without waiting for it. Above 31 when it started; else
// ERROR_FILE_NOT_FOUND (2) for a program that is missing or cannot be run here
// (not executable, or a Windows executable without wine), ERROR_PATH_NOT_FOUND (3)
// when its directory does not exist, ERROR_BAD_FORMAT (11) for a file the system
// cannot execute, ERROR_OUT_OF_RESOURCES (0). A batch file runs in the background.
uint32_t WinExec(const std::string& commandLine, int showCmd);
// The same with the program (a batch file's programs) starting in currentDirectory,
// as CreateProcess's lpCurrentDirectory; a directory that does not exist gives
// ERROR_FILE_NOT_FOUND.
uint32_t WinExec(const std::string& commandLine, int showCmd, const std::string& currentDirectory);

// This system has no short (8.3) names: the path itself, or the file's name on disk
// when path names it with '\' or in another letter case; "" when no such file or
// directory exists.
std::string GetShortPathName(const std::string& path);

// Copies the file's bytes, permissions and modification time through a temporary
// file renamed over the target, so that a failed copy leaves the target as it was.
// False, copying nothing, when failIfExists and the target exists, when the target
// is read-only or is the source itself, and on any error.
bool CopyFile(const std::string& from, const std::string& to, bool failIfExists);

}  // namespace kcl
