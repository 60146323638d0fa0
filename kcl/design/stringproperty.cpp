#include "kcl/classes/classbuilder.h"
#include "kcl/design/propertyeditor.h"

namespace kcl {

KCL_CLASS_INFO(TStringProperty) {}

bool TStringProperty::AllEqual() {
  const std::string first = GetStrValue();
  for (int i = 1; i < PropCount(); ++i)
    if (GetStrValueAt(i) != first) return false;
  return true;
}

// A short string holds its type's MaxLength characters.
int TStringProperty::GetEditLimit() {
  return GetPropType()->Kind == tkString ? GetTypeData(GetPropType())->MaxLength : 255;
}

std::string TStringProperty::GetValue() { return GetStrValue(); }

void TStringProperty::SetValue(const std::string& value) { SetStrValue(value); }

}  // namespace kcl
