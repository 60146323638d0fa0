// The main window's compiling and running: the project goes to the installed
// command-line compiler through "execute.bat", or to the alternative compiler (Free
// Pascal), whose output the Compile Information dialog shows; Run starts the
// program the compiler left. The Tools menu's image editor and database desktop
// are started here too.
#include <filesystem>

#include "ide/common/environment.h"
#include "ide/common/routines.h"
#include "ide/shell/compileform.h"
#include "ide/shell/mainform.h"
#include "kcl/classes/streams.h"
#include "kcl/components/msgdlg.h"
#include "kcl/controls/application.h"
#include "kcl/platform/process.h"
#include "kcl/rtl/sysutils.h"

namespace korvax {

using namespace kcl;

namespace {

// What WinExec returns below this is an error.
constexpr uint32_t FirstSuccess = 31;

// A path as one word of a command line. Windows would give a short name without
// blanks; this system has none, so a path with a blank is quoted instead.
std::string CommandWord(const std::string& path) {
  return path.find_first_of(" \t") == std::string::npos ? path : "\"" + path + "\"";
}

// The compiler's file as it is on disk, or "" when it is not installed there.
std::string CompilerFile() {
  const std::string found = GetShortPathName(DelphiBinDir + "DCC32.exe");
  std::error_code ignored;
  return !found.empty() && std::filesystem::is_regular_file(found, ignored) ? found : std::string();
}

bool UsesAltCompiler() { return !SettingBool("SYSTEM", "UseDelphiCompiler", true); }

void StartTool(const std::string& program, const std::string& failure) {
  Screen()->SetCursor(crHourGlass);
  OnScopeExit restoreCursor([] { Screen()->SetCursor(crDefault); });
  if (WinExec(CommandWord(program), SW_SHOWNORMAL) < FirstSuccess)
    ShowMessageBox(failure, Application()->Title(), 0);
}

}  // namespace

void TFMainForm::OfferToSaveBeforeCompiling() {
  const std::string projectFile = ProjectInfo->ProjectFile();
  if (ProjectInfo->State() == psModified &&
      MessageDlg(Format("Save Change to %s?", {ExtractFileName(projectFile)}), mtWarning, mbYesNoCancel, 0) == mrYes)
    SaveProject(projectFile);
}

bool TFMainForm::Compile(const std::string& compileSwitch) {
  if (UsesAltCompiler()) return BuildWithAltCompiler(compileSwitch == "/B").has_value();
  const std::string compiler = CompilerFile();
  if (compiler.empty()) {
    ShowMessageBox("Cannot find Delphi complier!", Application()->Title(), 0);
    return false;
  }
  OfferToSaveBeforeCompiling();
  const std::string projectFile = ProjectInfo->ProjectFile();
  // A project without its resource file gets the default one; its own stays.
  CopyFile(StartDir + "default.res", AddBackslash(ProjectInfo->ProjectDir()) + ExtractBaseName(projectFile) + ".res",
           true);
  Screen()->SetCursor(crHourGlass);
  OnScopeExit restoreCursor([] { Screen()->SetCursor(crDefault); });
  // Written once: a user may have edited it, and it outlives a changed setting.
  const std::string batchFile = SettingsDir + "execute.bat";
  if (!FileExists(batchFile))
    SaveBytesToFile(batchFile, CommandWord(compiler) + " %1 %2 >" + CommandWord(CompileOutputFile()) + "\r\n");
  // The windows paint while the compiler runs; what the user does meanwhile is dropped.
  ExecAndWait(CommandWord(batchFile) + " " + compileSwitch + " " + CommandWord(GetShortPathName(projectFile)),
              [] { Application()->ProcessMessagesWithoutInput(); });
  return true;
}

std::optional<fpcbuild::TBuildResult> TFMainForm::BuildWithAltCompiler(bool buildAll) {
  const fpcbuild::TFreePascal fpc = fpcbuild::FindFreePascal(SettingString("SYSTEM", "AltCompiler", ""));
  if (!fpc.Problem.empty()) {
    ShowMessageBox(fpc.Problem, Application()->Title(), 0);
    return std::nullopt;
  }
  OfferToSaveBeforeCompiling();
  Screen()->SetCursor(crHourGlass);
  OnScopeExit restoreCursor([] { Screen()->SetCursor(crDefault); });
  fpcbuild::TBuildRequest request;
  request.ProjectFile = ProjectInfo->ProjectFile();
  request.BuildAll = buildAll;
  request.OutputFile = CompileOutputFile();
  request.WhileWaiting = [] { Application()->ProcessMessagesWithoutInput(); };
  return fpcbuild::BuildWithFreePascal(fpc, request);
}

// A program that was not built is not started: the compiler's messages say why.
void TFMainForm::RunWithAltCompiler() {
  const std::optional<fpcbuild::TBuildResult> build = BuildWithAltCompiler(false);
  if (!build) return;
  if (!build->Built) {
    ShowModalDialog<TCompile>();
    return;
  }
  if (WinExec(CommandWord(build->Program), SW_SHOWNORMAL, ProjectInfo->ProjectDir()) < FirstSuccess)
    ShowMessageBox("Cannot Execute " + ExtractFileName(build->Program) + "!", Application()->Title(), 0);
}

void TFMainForm::ProjectCompileItemClick(TObject*) {
  Compile("/M");
  ShowModalDialog<TCompile>();
}

void TFMainForm::ProjectBuildAllItemClick(TObject*) {
  Compile("/B");
  ShowModalDialog<TCompile>();
}

void TFMainForm::RunRunItemClick(TObject*) {
  if (UsesAltCompiler()) return RunWithAltCompiler();
  if (!Compile("/M")) return;
  const std::string& projectFile = ProjectInfo->ProjectFile();
  const std::string program = projectFile.substr(0, projectFile.size() - std::min<size_t>(3, projectFile.size())) + "exe";
  // The program starts in its own directory, where it finds its files.
  if (WinExec(CommandWord(program), SW_SHOWNORMAL, ExtractFilePath(program)) < FirstSuccess)
    ShowMessageBox("Cannot Execute " + ExtractFileName(program) + "!", Application()->Title(), 0);
}

void TFMainForm::ToolsImageEditorItemClick(TObject*) {
  StartTool(DelphiBinDir + "IMAGEDIT.EXE", "Cannot Execute Program !");
}

void TFMainForm::ToolsDatabaseDesktopItemClick(TObject*) {
  StartTool(DesktopDir + "DBD32.EXE", "Cannot Execute Program!");
}

}  // namespace korvax
