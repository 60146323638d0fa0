#pragma once
// The compiler's output as the user reads it: the files it names are the user's
// own, not the build's copies, and a message that means the project cannot be
// built this way is followed by a line that says why.
#include <string>
#include <string_view>
#include <vector>

#include "ide/fpcbuild/sourcecopy.h"

namespace korvax::fpcbuild {

// A file of the copy (under copyDir, as the compiler names it with its folder or
// bare) becomes the user's file: its bare name when it is in projectDir itself,
// else its full path. After "Can't find unit X used by Y" comes a line naming
// both; after the first declaration not found in a unit that uses one of the
// emptyUnits the build offered, a line naming the unit and those units.
std::string UserMessages(std::string_view output, const TSourceCopy& copy, const std::string& copyDir,
                         const std::string& projectDir, const std::vector<std::string>& emptyUnits);

}  // namespace korvax::fpcbuild
