// korvax-build: a Delphi project built with Free Pascal and the LCL from the
// command line, as Korvax builds it with the alternative compiler, for scripts and
// the continuous integration of users' projects.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "ide/fpcbuild/fpcbuild.h"
#include "kcl/platform/childprocess.h"

namespace fs = std::filesystem;
using namespace korvax::fpcbuild;

namespace {

constexpr std::string_view Usage =
    "usage: korvax-build PROJECT.dpr [--build] [--run] [--compiler PATH]\n"
    "  --build     compile every unit again, not only the changed ones\n"
    "  --run       start the program in the project's folder once it is built\n"
    "  --compiler  the Free Pascal compiler to use (default: fpc on the PATH)\n"
    "Exit status: 0 when the program was built (with --run, the program's own),\n"
    "1 when it was not, 2 when nothing could be built.\n";

struct TOptions {
  std::string ProjectFile;
  std::string Compiler;
  bool BuildAll = false;
  bool Run = false;
};

std::optional<TOptions> ParseArguments(int argc, char** argv) {
  TOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--build") {
      options.BuildAll = true;
    } else if (arg == "--run") {
      options.Run = true;
    } else if (arg == "--compiler" && i + 1 < argc) {
      options.Compiler = argv[++i];
    } else if (arg.starts_with('-') || !options.ProjectFile.empty()) {
      return std::nullopt;
    } else {
      options.ProjectFile = arg;
    }
  }
  if (options.ProjectFile.empty()) return std::nullopt;
  return options;
}

int RunProgram(const std::string& program, const std::string& directory) {
  const kcl::TStartResult started = kcl::StartChild({program}, kcl::TStdio{{0, 1, 2}}, directory);
  if (started.Pid <= 0) {
    std::fprintf(stderr, "korvax-build: cannot start %s\n", program.c_str());
    return 2;
  }
  return kcl::WaitForChild(started.Pid);
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<TOptions> options = ParseArguments(argc, argv);
  if (!options) {
    std::fputs(Usage.data(), stderr);
    return 2;
  }
  std::error_code error;
  const fs::path projectFile = fs::absolute(options->ProjectFile, error).lexically_normal();
  if (!fs::is_regular_file(projectFile, error)) {
    std::fprintf(stderr, "korvax-build: cannot find %s\n", options->ProjectFile.c_str());
    return 2;
  }
  const TFreePascal fpc = FindFreePascal(options->Compiler);
  if (!fpc.Problem.empty()) {
    std::fprintf(stderr, "korvax-build: %s\n", fpc.Problem.c_str());
    return 2;
  }
  TBuildRequest request;
  request.ProjectFile = projectFile.string();
  request.BuildAll = options->BuildAll;
  const TBuildResult result = BuildWithFreePascal(fpc, request);
  std::fputs(result.Messages.c_str(), stdout);
  std::fflush(stdout);
  if (!result.Built) return 1;
  return options->Run ? RunProgram(result.Program, projectFile.parent_path().string()) : 0;
}
