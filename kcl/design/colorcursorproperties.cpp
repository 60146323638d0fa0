#include "kcl/classes/classbuilder.h"
#include "kcl/design/propertyeditor.h"
#include "kcl/rtl/sysutils.h"
#include "kcl/system/colors.h"

namespace kcl {

KCL_CLASS_INFO(TColorProperty) {}
KCL_CLASS_INFO(TCursorProperty) {}

TPropertyAttributes TColorProperty::GetAttributes() {
  return AttributeBit(paMultiSelect) | AttributeBit(paValueList) | AttributeBit(paRevertable);
}

std::string TColorProperty::GetValue() { return ColorToString(static_cast<TColor>(GetOrdValue())); }

void TColorProperty::GetValues(const TGetStrProc& proc) { GetColorValues(proc); }

void TColorProperty::SetValue(const std::string& value) {
  TColor color = 0;
  if (IdentToColor(Trim(value), color))
    SetOrdValueInRange(color);
  else
    TIntegerProperty::SetValue(value);
}

TPropertyAttributes TCursorProperty::GetAttributes() {
  return AttributeBit(paMultiSelect) | AttributeBit(paValueList) | AttributeBit(paSortList) |
         AttributeBit(paRevertable);
}

std::string TCursorProperty::GetValue() { return CursorToString(static_cast<int32_t>(GetOrdValue())); }

void TCursorProperty::GetValues(const TGetStrProc& proc) { GetCursorValues(proc); }

void TCursorProperty::SetValue(const std::string& value) {
  int32_t cursor = 0;
  if (IdentToCursor(Trim(value), cursor))
    SetOrdValueInRange(cursor);
  else
    TIntegerProperty::SetValue(value);
}

}  // namespace kcl
