#include "ide/fpcbuild/sourcecopy.h"

#include <filesystem>
#include <system_error>

#include "ide/fpcbuild/buildunits.h"
#include "ide/fpcbuild/formresource.h"
#include "ide/fpcbuild/programuses.h"
#include "kcl/classes/streams.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::fpcbuild {

namespace fs = std::filesystem;
using namespace kcl;

namespace {

bool IsSourceFile(const fs::path& path) {
  const std::string extension = LowerCase(path.extension().string());
  for (const char* wanted : {".pas", ".pp", ".inc", ".dpr", ".dfm", ".res"})
    if (extension == wanted) return true;
  return false;
}

bool IsForm(const fs::path& path) { return LowerCase(path.extension().string()) == ".dfm"; }

// A link to target beside it, named name, unless it is one already.
void Link(const fs::path& link, const fs::path& target) {
  std::error_code error;
  if (fs::is_symlink(link, error) && fs::read_symlink(link, error) == target.filename()) return;
  fs::remove(link, error);
  fs::create_symlink(target.filename(), link, error);
}

class TCopier {
public:
  TCopier(const fs::path& projectDir, const fs::path& projectFile, const fs::path& copyDir)
      : FProjectDir(projectDir), FProjectFile(projectFile.lexically_normal()), FCopyDir(copyDir) {}

  void Copy(const fs::path& original) {
    const fs::path relative = fs::relative(original, FProjectDir);
    const fs::path target = FCopyDir / relative;
    if (FResult.Originals.count(target.string())) return;  // "UNIT1.PAS" beside "Unit1.pas"
    std::string bytes = LoadBytesFromFile(original.string());
    if (IsForm(original)) bytes = FormBytes(relative.string(), bytes);
    if (original == FProjectFile) bytes = ProgramForBuild(bytes);
    WriteIfChanged(target.string(), bytes);
    Add(target, original.string());
  }

  void AddEmptyResource(const fs::path& target) {
    WriteIfChanged(target.string(), EmptyResourceFile());
    Add(target, target.string());
  }

  // Everything below the copy's folder that this copy did not make.
  void RemoveStale() {
    std::error_code error;
    std::vector<fs::path> stale;
    for (fs::recursive_directory_iterator it(FCopyDir, error), end; it != end; it.increment(error))
      if (!it->is_directory(error) && !FResult.Originals.count(it->path().string())) stale.push_back(it->path());
    for (const fs::path& file : stale) fs::remove(file, error);
  }

  TSourceCopy& Result() { return FResult; }

private:
  std::string FormBytes(const std::string& name, const std::string& bytes) {
    try {
      TFormResource form = ReadFormResource(bytes);
      FResult.PropertyNames.merge(form.PropertyNames);
      return ResourceFileOf(form);
    } catch (const Exception& e) {
      FResult.Problems.push_back(name + ": " + e.Message());
      return bytes;
    }
  }

  void Add(const fs::path& target, const std::string& original) {
    FResult.Originals[target.string()] = original;
    for (const std::string& variant : NameVariants(target.filename().string())) {
      const fs::path link = target.parent_path() / variant;
      if (FResult.Originals.count(link.string())) continue;
      Link(link, target);
      FResult.Originals[link.string()] = original;
    }
  }

  // The program as the build compiles it: the LCL's widget set and the forms' unit
  // first, its units' files named as they are on disk.
  std::string ProgramForBuild(const std::string& source) const {
    return WithUnitsFirstInUses(WithUnitPathsAsOnDisk(source, FProjectDir.string()), {"Interfaces", FormReadingUnit});
  }

  fs::path FProjectDir;
  fs::path FProjectFile;
  fs::path FCopyDir;
  TSourceCopy FResult;
};

bool Skipped(const fs::path& dir, const fs::path& skippedDir) {
  const std::string name = dir.filename().string();
  std::error_code error;
  return (!name.empty() && name.front() == '.') || fs::equivalent(dir, skippedDir, error);
}

}  // namespace

void WriteIfChanged(const std::string& file, const std::string& bytes) {
  std::error_code error;
  if (fs::is_regular_file(file, error) && !fs::is_symlink(file, error) && LoadBytesFromFile(file) == bytes) return;
  fs::remove(file, error);
  fs::create_directories(fs::path(file).parent_path(), error);
  SaveBytesToFile(file, bytes);
}

std::vector<std::string> NameVariants(const std::string& fileName) {
  const fs::path name(fileName);
  const std::string base = name.stem().string();
  const std::string extension = name.extension().string();
  std::vector<std::string> variants;
  for (const std::string& b : {base, LowerCase(base)})
    for (const std::string& e : {extension, LowerCase(extension), UpperCase(extension)}) {
      const std::string variant = b + e;
      bool known = variant == fileName;
      for (const std::string& v : variants) known = known || v == variant;
      if (!known) variants.push_back(variant);
    }
  return variants;
}

TSourceCopy CopySources(const std::string& projectDir, const std::string& projectFile, const std::string& copyDir,
                        const std::string& skippedDir) {
  TCopier copier{fs::path(projectDir), fs::path(projectFile), fs::path(copyDir)};
  std::error_code error;
  fs::create_directories(copyDir, error);
  bool hasResource = false;
  const std::string resourceName = LowerCase(fs::path(projectFile).stem().string() + ".res");
  for (fs::recursive_directory_iterator it(projectDir, fs::directory_options::skip_permission_denied, error), end;
       it != end; it.increment(error)) {
    if (it->is_directory(error)) {
      if (Skipped(it->path(), skippedDir)) it.disable_recursion_pending();
      continue;
    }
    if (!it->is_regular_file(error) || !IsSourceFile(it->path())) continue;
    copier.Copy(it->path());
    hasResource = hasResource || (it.depth() == 0 && LowerCase(it->path().filename().string()) == resourceName);
  }
  if (!hasResource) copier.AddEmptyResource(fs::path(copyDir) / (fs::path(projectFile).stem().string() + ".res"));
  copier.RemoveStale();
  return std::move(copier.Result());
}

}  // namespace korvax::fpcbuild
