#pragma once
// The types of published properties and the parameters of events, as the
// object inspector and the handlers it declares show them.
#include <string>

#include "kcl/classes/typinfo.h"

namespace korvax::test {

// The type of the registered class's property.
const kcl::TTypeInfo* PropType(const std::string& className, const std::string& prop);
// An event type's parameters as Pascal declares them: "Sender: TObject; var Key: Char; ".
std::string ParamList(const kcl::TTypeInfo* method);

}  // namespace korvax::test
