#pragma once
// Child processes: started from an argument vector, never through a shell, so that no
// file name or argument is ever read as shell syntax.
#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kcl {

// The child's standard input, output and error: descriptors of this process, or
// -1 for /dev/null. By default the child reads nothing (a hidden program has no
// console to read from) and writes where this process writes.
struct TStdio {
  int Fd[3] = {-1, 1, 2};
};

// The child's process id, or (Pid -1) a Windows error code: ERROR_BAD_FORMAT for a
// file the system cannot run, ERROR_OUT_OF_RESOURCES, else ERROR_FILE_NOT_FOUND.
struct TStartResult {
  pid_t Pid = -1;
  uint32_t Error = 0;
};

// argv[0] is the program's path. The child has this process's environment,
// default signal handling and no other inherited descriptors; it starts in
// directory, or in this process's current directory when directory is "".
TStartResult StartChild(const std::vector<std::string>& argv, const TStdio& stdio, const std::string& directory = {});

// Returns when the child has ended, looking at it once a second (sooner when it
// ends); no events are processed meanwhile. With whileWaiting, it looks every few
// hundredths of a second and calls whileWaiting each time the child still runs.
// Returns the child's exit status, 128 + the signal that ended it, or -1 when it
// cannot be waited for.
int WaitForChild(pid_t pid, const std::function<void()>& whileWaiting = {});

// Runs work on a thread of its own; false when no thread can be had.
bool RunInBackground(std::function<void()> work);
// Collects the child's exit status whenever it ends, so that it leaves no zombie.
void ReapInBackground(pid_t pid);

}  // namespace kcl
