#include "ide/fpcbuild/fpcbuild.h"

#include <fcntl.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "ide/fpcbuild/buildmessages.h"
#include "ide/fpcbuild/buildunits.h"
#include "ide/fpcbuild/sourcecopy.h"
#include "kcl/classes/streams.h"
#include "kcl/platform/childprocess.h"
#include "kcl/platform/ownedfd.h"
#include "kcl/rtl/exceptions.h"

namespace korvax::fpcbuild {

namespace fs = std::filesystem;
using namespace kcl;

namespace {

struct TFolders {
  fs::path Build;
  fs::path Sources;  // the copy of the project's folder
  fs::path Units;    // the build's own units
  fs::path Compiled;
};

TFolders FoldersOf(const std::string& projectFile) {
  const fs::path build = BuildDirOf(projectFile);
  return {build, build / "src", build / "units", build / "lib"};
}

std::vector<std::string> CompilerArguments(const TFreePascal& fpc, const TFolders& folders,
                                           const std::string& projectFile, bool buildAll) {
  std::vector<std::string> argv{fpc.Compiler, "-MDelphi", "-vb", "-dLCL", "-dLCL" + fpc.Widgetset};
  if (buildAll) argv.push_back("-B");
  argv.push_back("-Fu" + folders.Units.string());
  for (const std::string& dir : fpc.UnitDirs) argv.push_back("-Fu" + dir);
  argv.push_back("-FU" + folders.Compiled.string());
  argv.push_back("-o" + ProgramOf(projectFile));
  argv.push_back(fs::path(projectFile).filename().string());
  return argv;
}

// Runs the compiler in the copy's folder; its output, or "" when it could not start.
std::string RunCompiler(const std::vector<std::string>& argv, const TFolders& folders,
                        const std::function<void()>& whileWaiting, int& exitCode) {
  const fs::path outputFile = folders.Build / "compiler.out";
  {
    const TOwnedFd output(::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!output.Valid()) throw EInOutError("Cannot create " + outputFile.string());
    TStdio stdio;
    stdio.Fd[1] = stdio.Fd[2] = output.Get();
    const TStartResult started = StartChild(argv, stdio, folders.Sources.string());
    if (started.Pid <= 0) throw EInOutError("Cannot start " + argv.front());
    exitCode = WaitForChild(started.Pid, whileWaiting);
  }
  return LoadBytesFromFile(outputFile.string());
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

}  // namespace

std::string BuildDirOf(const std::string& projectFile) {
  return (fs::path(projectFile).parent_path() / BuildFolderName).string();
}

std::string ProgramOf(const std::string& projectFile) {
  return (fs::path(BuildDirOf(projectFile)) / fs::path(projectFile).stem()).string();
}

TBuildResult BuildWithFreePascal(const TFreePascal& fpc, const TBuildRequest& request) {
  TBuildResult result;
  result.Program = ProgramOf(request.ProjectFile);
  const TFolders folders = FoldersOf(request.ProjectFile);
  const std::string projectDir = fs::path(request.ProjectFile).parent_path().string();
  try {
    const TSourceCopy copy =
        CopySources(projectDir, request.ProjectFile, folders.Sources.string(), folders.Build.string());
    if (!copy.Problems.empty()) {
      result.Messages = Joined(copy.Problems) + "Korvax: the forms above cannot be read; nothing was compiled.\n";
    } else {
      const std::vector<std::string> emptyUnits = MissingCommonUnits(fpc.UnitDirs);
      for (const TUnitFile& unit : BuildUnits(emptyUnits, copy.PropertyNames))
        WriteIfChanged((folders.Units / unit.FileName).string(), unit.Source);
      fs::create_directories(folders.Compiled);
      std::error_code ignored;
      fs::remove(result.Program, ignored);
      int exitCode = -1;
      const std::string output = RunCompiler(CompilerArguments(fpc, folders, request.ProjectFile, request.BuildAll),
                                             folders, request.WhileWaiting, exitCode);
      result.Messages = UserMessages(output, copy, folders.Sources.string(), projectDir, emptyUnits);
      result.Built = exitCode == 0 && fs::exists(result.Program, ignored);
    }
  } catch (const Exception& e) {
    result.Messages += "Korvax: " + e.Message() + "\n";
  } catch (const fs::filesystem_error& e) {
    result.Messages += std::string("Korvax: ") + e.what() + "\n";
  }
  if (!request.OutputFile.empty()) SaveBytesToFile(request.OutputFile, result.Messages);
  return result;
}

}  // namespace korvax::fpcbuild
