#pragma once
// The build's copy of the project's sources: the user's files are only read. Forms
// become resource files the compiler links, and each file is also reachable under
// the names the sources may spell it by on this case-sensitive system.
#include <map>
#include <set>
#include <string>
#include <vector>

namespace korvax::fpcbuild {

struct TSourceCopy {
  // Each file of the copy, under every name it has there, and the user's file it came from.
  std::map<std::string, std::string> Originals;
  // The names the forms' property paths use.
  std::set<std::string> PropertyNames;
  // A line for each form that could not be read: "Unit1.dfm: Invalid stream format".
  std::vector<std::string> Problems;
};

// Copies the units, programs, include files, forms and resource files found in
// projectDir and its folders (not in skippedDir or hidden folders) into copyDir,
// removing what an earlier copy holds that is gone. A file whose bytes did not
// change is not written again, so that the compiler sees it unchanged. The project
// file is copied as the program the build compiles (see programuses.h), and its
// base name gets an empty resource file when the project has none.
TSourceCopy CopySources(const std::string& projectDir, const std::string& projectFile, const std::string& copyDir,
                        const std::string& skippedDir);

// Writes the bytes (in place of a link) unless the file holds them already: the
// compiler compiles again what it finds newer than it compiled.
void WriteIfChanged(const std::string& file, const std::string& bytes);

// The names a file is looked for by: its base name as it is and in lower case,
// each with its extension as it is, in lower and in upper case ("Unit1.PAS" also
// as "unit1.pas", "unit1.PAS", "Unit1.pas"). The compiler looks for "uses Unit1" as
// "unit1.pas", and for {$R *.DFM} under the name of the unit file it found.
std::vector<std::string> NameVariants(const std::string& fileName);

}  // namespace korvax::fpcbuild
