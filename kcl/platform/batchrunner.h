#pragma once
// Running a command to its end, batch files included: this system has no command
// interpreter for them, so their lines are read and run here, one after the other.
#include <functional>
#include <string>

#include "kcl/platform/childprocess.h"
#include "kcl/platform/commandline.h"

namespace kcl {

// Where the programs of a run start ("" for the caller's current directory), and
// what the caller does while one runs (see WaitForChild).
struct TRunOptions {
  std::string Directory;
  std::function<void()> WhileWaiting;
};

// Runs the command and returns when it, and every line of it when it is a batch
// file, has ended. A line whose program cannot start, or whose redirection cannot
// be opened, is passed over, as the command interpreter goes on after it. Batch
// files may call batch files, a few levels deep.
void RunAndWait(const TCommandLine& command, const TStdio& stdio = {}, const TRunOptions& options = {});

}  // namespace kcl
