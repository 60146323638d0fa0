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

uint32_t WinExec(const std::string& commandLine, int /*showCmd*/) {
  TCommandLine command = ParseCommandLine(commandLine);
  if (command.Program.Path.empty()) return command.Program.Error;
  if (IsBatchFile(command.Program.Path)) {
    if (::access(command.Program.Path.c_str(), R_OK) != 0) return ERROR_FILE_NOT_FOUND;
    return RunInBackground([command = std::move(command)] { RunAndWait(command); }) ? Started
                                                                                     : ERROR_OUT_OF_RESOURCES;
  }
  const TStartResult started = StartProgram(command.Program.Path, command.Arguments, {});
  if (started.Pid < 0) return started.Error;
  ReapInBackground(started.Pid);
  return Started;
}

std::string GetShortPathName(const std::string& path) { return FindFileIgnoringCase(path); }

}  // namespace kcl
