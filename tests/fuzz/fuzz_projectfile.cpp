// Project files of any content: reading never crashes and gives parallel unit
// and form lists; the source edits either change what they say or nothing.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "ide/project/projectinfo.h"
#include "ide/project/projectsource.h"
#include "kcl/rtl/exceptions.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("fuzz_projectfile_" + std::to_string(::getpid()) + ".dpr");
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  korvax::TProjectInfo project(nullptr);
  try {
    project.ParseProjectFile(file.string());
  } catch (const kcl::Exception&) {
    return 0;
  }
  Check(project.Units()->Count() == project.Forms()->Count());
  Check(project.State() == korvax::psOpened);
  kcl::TStrings& source = *project.Source();
  const int lines = source.Count();
  const bool added = korvax::AddUnitToProjectSource(source, "/p/Unit9.pas", "/p/Form9.dfm");
  Check(source.Count() == lines + (added ? 1 : 0));
  Check(!added || source.IndexOf("  Unit9 in 'Unit9.pas' {Form9};") >= 0);
  const int before = source.Count();
  const bool deleted = korvax::DeleteProjectSourceLine(source, "Unit9");
  Check(!added || deleted);
  Check(source.Count() == before - (deleted ? 1 : 0));
  project.SetProjectFile(file.string());
  project.RenameUnit("Unit1.pas", "Main.pas");
  try {
    project.SetTitle("Fuzzed");
  } catch (const kcl::Exception&) {
  }
  project.ParseSource();
  std::error_code ec;
  std::filesystem::remove(file, ec);
  return 0;
}
