#include "kcl/classes/classbuilder.h"
#include "kcl/design/propertyeditor.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

KCL_CLASS_INFO(TOrdinalProperty) {}
KCL_CLASS_INFO(TIntegerProperty) {}
KCL_CLASS_INFO(TCharProperty) {}
KCL_CLASS_INFO(TEnumProperty) {}

bool TOrdinalProperty::AllEqual() {
  const int64_t first = GetOrdValue();
  for (int i = 1; i < PropCount(); ++i)
    if (GetOrdValueAt(i) != first) return false;
  return true;
}

int TOrdinalProperty::GetEditLimit() { return 63; }

void TOrdinalProperty::SetOrdValueInRange(int64_t value) {
  const TTypeData* data = GetTypeData(GetPropType());
  if (value < data->MinValue || value > data->MaxValue)
    throw EPropertyError(Format(msg::OutOfRange, {data->MinValue, data->MaxValue}));
  SetOrdValue(value);
}

std::string TIntegerProperty::GetValue() { return IntToStr(GetOrdValue()); }

void TIntegerProperty::SetValue(const std::string& value) {
  int32_t number = 0;
  if (!TryStrToInt(Trim(value), number)) throw EConvertError(Format(msg::InvalidInteger, {value}));
  SetOrdValueInRange(number);
}

std::string TCharProperty::GetValue() {
  int64_t code = GetOrdValue();
  // A C++ char may come back sign-extended.
  if (GetTypeData(GetPropType())->OrdType == otUByte) code &= 0xFF;
  if (code >= 32 && code <= 126) return std::string(1, static_cast<char>(code));
  return "#" + IntToStr(code);
}

// A character stands for itself; "#n" is the character of code n, and an empty
// text the character #0.
void TCharProperty::SetValue(const std::string& value) {
  int64_t code = 0;
  if (value.size() == 1)
    code = static_cast<unsigned char>(value[0]);
  else if (value.size() > 1 && value[0] == '#')
    code = StrToInt(std::string_view(value).substr(1));
  else if (!value.empty())
    throw EPropertyError(msg::InvalidPropertyValue);
  SetOrdValueInRange(code);
}

TPropertyAttributes TEnumProperty::GetAttributes() {
  return AttributeBit(paMultiSelect) | AttributeBit(paValueList) | AttributeBit(paSortList) |
         AttributeBit(paRevertable);
}

std::string TEnumProperty::GetValue() { return GetEnumName(GetPropType(), static_cast<int>(GetOrdValue())); }

void TEnumProperty::GetValues(const TGetStrProc& proc) {
  const TTypeData* data = GetTypeData(GetPropType());
  for (int64_t i = data->MinValue; i <= data->MaxValue; ++i) proc(GetEnumName(GetPropType(), static_cast<int>(i)));
}

void TEnumProperty::SetValue(const std::string& value) {
  const int ordinal = GetEnumValue(GetPropType(), value);
  if (ordinal < 0) throw EPropertyError(msg::InvalidPropertyValue);
  SetOrdValue(ordinal);
}

}  // namespace kcl
