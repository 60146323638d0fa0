#pragma once
// Where Delphi's component library declares each component class: a unit whose
// form holds a component names that unit in its uses clause.
#include <string_view>

namespace korvax::editor {

// "StdCtrls" for "TButton"; "" for a class of no known unit.
std::string_view ComponentUnitOf(std::string_view className);

}  // namespace korvax::editor
