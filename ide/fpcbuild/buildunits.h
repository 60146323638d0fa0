#pragma once
// The units the build adds to the project: what a Delphi program has on Windows
// and its Free Pascal build lacks. Each is a file name and its source.
#include <set>
#include <string>
#include <vector>

namespace korvax::fpcbuild {

struct TUnitFile {
  std::string FileName;
  std::string Source;
};

// The unit the program uses first after the LCL's "Interfaces".
inline constexpr const char* FormReadingUnit = "KorvaxForms";

// Empty units for the emptyUnits: a unit that only names them builds; one that
// uses their declarations fails on the first of them, which the messages explain.
// The forms' unit: properties a form holds that the LCL's classes do not have
// are skipped when the program reads its forms, as they are when Delphi reads a
// form of a later version.
std::vector<TUnitFile> BuildUnits(const std::vector<std::string>& emptyUnits,
                                  const std::set<std::string>& propertyNames);

// The units of Delphi for Windows that a unit names without using them ("Windows",
// "Messages") which none of unitDirs holds: the build offers them empty.
std::vector<std::string> MissingCommonUnits(const std::vector<std::string>& unitDirs);

}  // namespace korvax::fpcbuild
