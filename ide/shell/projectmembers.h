#pragma once
// Adding units to the project and taking them out of its source.
#include <string>

#include "ide/project/projectinfo.h"

namespace korvax {

// Names the unit in the uses clause as the project names its units (relative to
// the project's directory when it is below it, else its full path) with its
// form's name in braces when a form file is beside it, and appends the same path
// and form name (or "") to Units and Forms. A unit the uses clause names already,
// or a clause laid out so that no entry can be added, is reported and changes
// nothing; false then. An unreadable form file raises the framework's error.
bool AddUnitToProject(TProjectInfo& project, const std::string& unitFile);

// Takes the unit of a Units entry out of the uses clause; Units and Forms keep
// their entries. False when the clause does not name it.
bool RemoveUnitFromSource(TProjectInfo& project, const std::string& entry);

}  // namespace korvax
