#include "ide/inspector/propertyrows.h"

#include <algorithm>

#include "kcl/rtl/sysutils.h"
#include "kcl/system/colors.h"

namespace korvax::inspector {

using namespace kcl;

namespace {

std::string SetText(const TTypeInfo* setType, int64_t value) {
  const TTypeInfo* element = GetTypeData(setType)->CompType;
  const TTypeData* data = GetTypeData(element);
  std::string text = "[";
  const auto bits = static_cast<uint32_t>(value);
  for (int i = std::max(data->MinValue, 0); i <= std::min(data->MaxValue, 31); ++i) {
    if ((bits & (1u << i)) == 0) continue;
    if (text.size() > 1) text += ",";
    text += GetEnumName(element, i);
  }
  return text + "]";
}

}  // namespace

std::string PropertyValueText(PPropInfo prop, const TObject* instance) {
  const TTypeInfo* type = prop->PropType;
  switch (type->Kind) {
    case tkInteger: {
      const int64_t value = GetOrdProp(instance, prop);
      const std::string name = UpperCase(prop->Name);
      if (name.find("COLOR") != std::string::npos) return ColorToString(static_cast<TColor>(value));
      if (name.find("CURSOR") != std::string::npos) return CursorToString(static_cast<int16_t>(value));
      return std::to_string(value);
    }
    case tkEnumeration: return GetEnumName(type, static_cast<int>(GetOrdProp(instance, prop)));
    case tkString:
    case tkLString: return GetStrProp(instance, prop);
    case tkSet: return SetText(type, GetOrdProp(instance, prop));
    case tkClass: {
      const TTypeData* data = GetTypeData(type);
      return data->PropCount() > 0 ? "(" + data->ClassType->ClassName() + ")" : "";
    }
    default: return "";
  }
}

bool ClassDescendsFrom(const TTypeInfo* classTypeInfo, const std::string& className) {
  const std::string wanted = UpperCase(className);
  for (TClass cls = classTypeInfo ? GetTypeData(classTypeInfo)->ClassType : nullptr; cls; cls = cls->ClassParent()) {
    const std::string name = UpperCase(cls->ClassName());
    if (name == "TOBJECT") return false;
    if (name == wanted) return true;
  }
  return false;
}

std::string PropertyRowText(PPropInfo prop, const std::string& valueText) {
  const bool expands = prop->PropType->Kind == tkSet ||
                       (prop->PropType->Kind == tkClass && !ClassDescendsFrom(prop->PropType, "TCOMPONENT"));
  return Format(expands ? "+%-20s" : "%-20s", {prop->Name}) + valueText;
}

std::string SubPropertyRowText(const std::string& name, const std::string& valueText) {
  return Format("  %-18s%-s", {name, valueText});
}

std::string ValueRowText(const std::string& name, const std::string& valueText) {
  return Format("%-20s", {name}) + valueText;
}

std::string RowName(const std::string& row) { return Trim(row.substr(0, 20)); }

std::string RowValue(const std::string& row) { return row.size() > 20 ? Trim(row.substr(20, 235)) : ""; }

std::string MethodParamsText(const TTypeData& methodType) {
  std::string text;
  for (const TParamRecord& param : methodType.Params) {
    if (param.Flags & pfVar) text += "var ";
    if (param.Flags & pfConst) text += "const ";
    text += param.ParamName + ": ";
    if (param.Flags & pfArray) text += "array of ";
    text += param.TypeName + ";";
  }
  if (!text.empty() && text.back() == ';') text.pop_back();
  return text;
}

}  // namespace korvax::inspector
