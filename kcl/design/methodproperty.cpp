#include "kcl/classes/classbuilder.h"
#include "kcl/classes/component.h"
#include "kcl/design/propertyeditor.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

KCL_CLASS_INFO(TMethodProperty) {}

namespace {

constexpr int MaxIdentLength = 63;

TFormDesigner& NeedDesigner(TFormDesigner* designer) {
  if (!designer) throw EPropertyError(msg::InvalidPropertyValue);
  return *designer;
}

void NeedIdent(const std::string& name) {
  if (!IsValidIdent(name)) throw EPropertyError(Format(msg::InvalidIdent, {name}));
}

}  // namespace

bool TMethodProperty::AllEqual() {
  const TMethod first = GetMethodValue();
  for (int i = 1; i < PropCount(); ++i)
    if (GetMethodValueAt(i) != first) return false;
  return true;
}

void TMethodProperty::Edit() {
  TFormDesigner& designer = NeedDesigner(Designer());
  std::string name = GetValue();
  if (!GetMethodValue().Code) {
    name = GetFormMethodName();
    NeedIdent(name);
    SetMethodValue(designer.CreateMethod(name, GetTypeData(GetPropType())));
  }
  designer.ShowMethod(name);
}

TPropertyAttributes TMethodProperty::GetAttributes() {
  return AttributeBit(paMultiSelect) | AttributeBit(paValueList) | AttributeBit(paSortList) |
         AttributeBit(paRevertable);
}

int TMethodProperty::GetEditLimit() { return MaxIdentLength; }

std::string TMethodProperty::GetValue() {
  const TMethod method = GetMethodValue();
  if (!method.Code) return {};
  return Designer() ? Designer()->GetMethodName(method) : method.Code->Name;
}

void TMethodProperty::GetValues(const TGetStrProc& proc) {
  if (Designer()) Designer()->GetMethods(GetTypeData(GetPropType()), proc);
}

void TMethodProperty::SetValue(const std::string& value) {
  if (value.empty()) {
    SetMethodValue({});
    return;
  }
  NeedIdent(value);
  TFormDesigner& designer = NeedDesigner(Designer());
  // CreateMethod makes only a method the form does not have; for one it has, it
  // hands that one out.
  SetMethodValue(designer.CreateMethod(value, GetTypeData(GetPropType())));
}

// Letters, digits and "_" of the instance's name, so that a nested object's
// name path ("Button1.Font") gives an identifier too.
std::string TMethodProperty::GetFormMethodName() {
  TPersistent* instance = GetComponent(0);
  std::string owner;
  if (auto* component = dynamic_cast<TComponent*>(instance))
    owner = component->Name();
  else if (Designer())
    owner = Designer()->GetObjectName(instance);
  std::erase_if(owner, [](char c) {
    const bool identChar = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    return !identChar;
  });
  return owner + GetTrimmedEventName();
}

std::string TMethodProperty::GetTrimmedEventName() {
  std::string name = GetName();
  if (name.size() >= 2 && SameText(std::string_view(name).substr(0, 2), "On")) name.erase(0, 2);
  return name;
}

}  // namespace kcl
