#pragma once
// The texts of the inspector's rows. A row holds its name in characters 1 to 20
// and its value from character 21 on (after a leading "+" of an expandable row);
// readers split a row there, so the layout is fixed.
#include <string>

#include "kcl/classes/typinfo.h"

namespace korvax::inspector {

// The value text of a published property of instance: colours and cursors by
// identifier (chosen by the property's name), enumerations by name, sets as
// "[a,b]", classes with published properties as "(TClassName)"; empty for the
// kinds that show no value (events, chars, floats).
std::string PropertyValueText(kcl::PPropInfo prop, const kcl::TObject* instance);

// Whether the class (not TObject itself) is or descends from className, compared
// without regard to case.
bool ClassDescendsFrom(const kcl::TTypeInfo* classTypeInfo, const std::string& className);

// The row of a listed property: "+" before sets and classes that are not
// components (they expand), the name in 20 characters, then the value.
std::string PropertyRowText(kcl::PPropInfo prop, const std::string& valueText);
// The row of a sub-property: indented by two, the name in 18 characters.
std::string SubPropertyRowText(const std::string& name, const std::string& valueText);
// A row rebuilt after a value was applied: the name in 20 characters, then text.
std::string ValueRowText(const std::string& name, const std::string& valueText);

// The name (characters 1 to 20) and value (21 to 255) of a row, trimmed.
std::string RowName(const std::string& row);
std::string RowValue(const std::string& row);

// The parameter list of an event type as a handler declares it:
// "Sender: TObject;var Key: Word;Shift: TShiftState".
std::string MethodParamsText(const kcl::TTypeData& methodType);

}  // namespace korvax::inspector
