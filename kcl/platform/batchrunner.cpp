#include "kcl/platform/batchrunner.h"

#include <fcntl.h>

#include <algorithm>
#include <fstream>
#include <optional>

#include "kcl/platform/batchline.h"
#include "kcl/platform/filelookup.h"
#include "kcl/platform/ownedfd.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

constexpr int MaxNesting = 8;
// A batch file is a few lines; anything larger is not taken for one.
constexpr size_t MaxBatchFileSize = 1 << 20;

std::optional<std::string> ReadBatchFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::string bytes;
  char chunk[4096];
  while (file && bytes.size() <= MaxBatchFileSize) {
    file.read(chunk, sizeof chunk);
    bytes.append(chunk, static_cast<size_t>(file.gcount()));
  }
  if (!file.is_open() || file.bad() || bytes.size() > MaxBatchFileSize) return std::nullopt;
  return bytes;
}

// Lines end with LF or CR LF.
std::vector<std::string_view> Lines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const size_t end = std::min(bytes.find('\n'), bytes.size());
    std::string_view line = bytes.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    bytes.remove_prefix(std::min(end + 1, bytes.size()));
  }
  return lines;
}

int OpenRedirection(const TRedirection& redirection) {
  if (SameText(redirection.File, "nul"))
    return ::open("/dev/null", (redirection.Kind == rkRead ? O_RDONLY : O_WRONLY) | O_CLOEXEC);
  if (redirection.Kind == rkRead) {
    const std::string path = FindFileIgnoringCase(redirection.File);
    return path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  }
  const std::string path = FindFileForWriting(redirection.File);
  const int mode = redirection.Kind == rkAppend ? O_APPEND : O_TRUNC;
  return path.empty() ? -1 : ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | mode, 0666);
}

// Applies the line's redirections to stdio, in their order; false when a file
// cannot be opened.
bool Redirect(const std::vector<TRedirection>& redirections, TStdio& stdio, std::vector<TOwnedFd>& files) {
  for (const TRedirection& redirection : redirections) {
    if (redirection.Kind == rkCopy) {
      stdio.Fd[redirection.Fd] = stdio.Fd[redirection.CopyOf];
      continue;
    }
    files.emplace_back(OpenRedirection(redirection));
    if (!files.back().Valid()) return false;
    stdio.Fd[redirection.Fd] = files.back().Get();
  }
  return true;
}

void Run(const TCommandLine& command, const TStdio& stdio, const TRunOptions& options, int depth);

void RunBatchFile(const TCommandLine& command, const TStdio& stdio, const TRunOptions& options, int depth) {
  const std::optional<std::string> bytes = ReadBatchFile(command.Program.Path);
  if (!bytes) return;
  std::vector<std::string> params{command.Name};
  params.insert(params.end(), command.Arguments.begin(), command.Arguments.end());
  for (const std::string_view line : Lines(*bytes)) {
    const std::optional<TBatchCommand> parsed = ParseBatchLine(line, params);
    if (!parsed) continue;
    TStdio lineStdio = stdio;
    std::vector<TOwnedFd> files;
    if (!Redirect(parsed->Redirections, lineStdio, files) || parsed->Words.empty()) continue;
    const std::string& name = parsed->Words.front();
    Run({FindProgram(name), name, {parsed->Words.begin() + 1, parsed->Words.end()}}, lineStdio, options, depth + 1);
  }
}

void Run(const TCommandLine& command, const TStdio& stdio, const TRunOptions& options, int depth) {
  if (command.Program.Path.empty() || depth > MaxNesting) return;
  if (IsBatchFile(command.Program.Path)) {
    RunBatchFile(command, stdio, options, depth);
    return;
  }
  const TStartResult started = StartProgram(command.Program.Path, command.Arguments, stdio, options.Directory);
  if (started.Pid > 0) WaitForChild(started.Pid, options.WhileWaiting);
}

}  // namespace

void RunAndWait(const TCommandLine& command, const TStdio& stdio, const TRunOptions& options) {
  Run(command, stdio, options, 0);
}

}  // namespace kcl
