#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/design/propertyeditor.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

KCL_CLASS_INFO(TSetProperty) {}
KCL_CLASS_INFO(TSetElementProperty) {}

namespace {

// A set is a 32-bit value, bit n for the element of ordinal n.
constexpr int HighestElement = 31;

const TTypeInfo* ElementType(const TTypeInfo* setType) { return GetTypeData(setType)->CompType; }

struct ElementRange {
  int Low = 0;
  int High = -1;
};

// The ordinals of the element type that the set's bits can hold.
ElementRange ElementsOf(const TTypeInfo* setType) {
  const TTypeInfo* element = ElementType(setType);
  if (!element) return {};
  return {std::max(element->Data.MinValue, 0), std::min(element->Data.MaxValue, HighestElement)};
}

uint32_t ElementBit(int element) { return 1u << element; }

}  // namespace

TPropertyAttributes TSetProperty::GetAttributes() {
  return AttributeBit(paMultiSelect) | AttributeBit(paSubProperties) | AttributeBit(paReadOnly) |
         AttributeBit(paRevertable);
}

void TSetProperty::GetProperties(const TGetPropEditProc& proc) {
  const ElementRange range = ElementsOf(GetPropType());
  for (int element = range.Low; element <= range.High; ++element) {
    auto editor = std::make_unique<TSetElementProperty>(Designer(), PropCount(), element);
    for (int i = 0; i < PropCount(); ++i) editor->SetPropEntry(i, GetComponent(i), GetPropInfoAt(i));
    proc(std::move(editor));
  }
}

std::string TSetProperty::GetValue() {
  const auto bits = static_cast<uint32_t>(GetOrdValue());
  const ElementRange range = ElementsOf(GetPropType());
  std::string text = "[";
  for (int element = range.Low; element <= range.High; ++element) {
    if (!(bits & ElementBit(element))) continue;
    if (text.size() > 1) text += ',';
    text += GetEnumName(ElementType(GetPropType()), element);
  }
  return text + "]";
}

void TSetProperty::SetValue(const std::string& value) {
  const std::string text = Trim(value);
  if (text.size() < 2 || text.front() != '[' || text.back() != ']') throw EPropertyError(msg::InvalidPropertyValue);
  const ElementRange range = ElementsOf(GetPropType());
  uint32_t bits = 0;
  std::string_view names = std::string_view(text).substr(1, text.size() - 2);
  while (!Trim(names).empty()) {
    const size_t comma = names.find(',');
    const int element = GetEnumValue(ElementType(GetPropType()), Trim(names.substr(0, comma)));
    if (element < range.Low || element > range.High) throw EPropertyError(msg::InvalidPropertyValue);
    bits |= ElementBit(element);
    if (comma == std::string_view::npos) break;
    names.remove_prefix(comma + 1);
  }
  SetOrdValue(bits);
}

TSetElementProperty::TSetElementProperty(TFormDesigner* designer, int propCount, int element)
    : TPropertyEditor(designer, propCount), FElement(element) {
  if (element < 0 || element > HighestElement) throw EPropertyError(msg::InvalidPropertyValue);
}

bool TSetElementProperty::AllEqual() {
  const bool first = GetOrdValueAt(0) & ElementBit(FElement);
  for (int i = 1; i < PropCount(); ++i)
    if (static_cast<bool>(GetOrdValueAt(i) & ElementBit(FElement)) != first) return false;
  return true;
}

TPropertyAttributes TSetElementProperty::GetAttributes() {
  return AttributeBit(paMultiSelect) | AttributeBit(paValueList) | AttributeBit(paSortList);
}

std::string TSetElementProperty::GetName() { return GetEnumName(ElementType(GetPropType()), FElement); }

std::string TSetElementProperty::GetValue() { return GetOrdValue() & ElementBit(FElement) ? "True" : "False"; }

void TSetElementProperty::GetValues(const TGetStrProc& proc) {
  proc("False");
  proc("True");
}

// Each instance keeps its other elements.
void TSetElementProperty::SetValue(const std::string& value) {
  const uint32_t bit = ElementBit(FElement);
  if (SameText(value, "True"))
    ChangeOrdValues([bit](int64_t set) { return static_cast<int64_t>(static_cast<uint32_t>(set) | bit); });
  else if (SameText(value, "False"))
    ChangeOrdValues([bit](int64_t set) { return static_cast<int64_t>(static_cast<uint32_t>(set) & ~bit); });
  else
    throw EPropertyError(msg::InvalidPropertyValue);
}

}  // namespace kcl
