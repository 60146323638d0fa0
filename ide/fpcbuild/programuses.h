#pragma once
// The program's uses clause as the Free Pascal build needs it: the LCL's widget
// set ("Interfaces") and the build's own units come before the project's units.
#include <string>
#include <string_view>
#include <vector>

namespace korvax::fpcbuild {

// The program source with units put first in its uses clause (one that is there
// already is not named twice), or a clause of them after the program heading when
// it has none. The text is inserted within a line, so every line keeps its number
// for the compiler's messages. Comments and strings are passed over.
std::string WithUnitsFirstInUses(std::string_view programSource, const std::vector<std::string>& units);

// The program source with the files its uses clause names ("Unit2 in
// 'Sub\Unit2.pas'") spelled as dir holds them: '/' for '\', each name in its
// letter case on disk. Only letter case and separators change, so every line
// keeps its length.
std::string WithUnitPathsAsOnDisk(std::string_view programSource, const std::string& dir);

}  // namespace korvax::fpcbuild
