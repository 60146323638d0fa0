#include "kcl/platform/process.h"

#include <unistd.h>

#include "kcl/platform/batchrunner.h"
#include "kcl/platform/filelookup.h"

namespace kcl {

namespace {

// What WinExec returns for a started program: any value above 31 means success.
constexpr uint32_t Started = 33;

}  // namespace

void ExecAndWait(const std::string& commandLine) { RunAndWait(ParseCommandLine(commandLine)); }

void ExecAndWait(const std::string& commandLine, const std::function<void()>& whileWaiting) {
  RunAndWait(ParseCommandLine(commandLine), {}, {{}, whileWaiting});
}

uint32_t WinExec(const std::string& commandLine, int showCmd) { return WinExec(commandLine, showCmd, {}); }

uint32_t WinExec(const std::string& commandLine, int /*showCmd*/, const std::string& currentDirectory) {
  TCommandLine command = ParseCommandLine(commandLine);
  if (command.Program.Path.empty()) return command.Program.Error;
  if (IsBatchFile(command.Program.Path)) {
    if (::access(command.Program.Path.c_str(), R_OK) != 0) return ERROR_FILE_NOT_FOUND;
    const TRunOptions options{currentDirectory, {}};
    return RunInBackground([command = std::move(command), options] { RunAndWait(command, {}, options); })
               ? Started
               : ERROR_OUT_OF_RESOURCES;
  }
  const TStartResult started = StartProgram(command.Program.Path, command.Arguments, {}, currentDirectory);
  if (started.Pid < 0) return started.Error;
  ReapInBackground(started.Pid);
  return Started;
}

std::string GetShortPathName(const std::string& path) { return FindFileIgnoringCase(path); }

}  // namespace kcl
