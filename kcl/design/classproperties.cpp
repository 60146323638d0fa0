#include <memory>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/persistent.h"
#include "kcl/components/dialogs.h"
#include "kcl/design/propertyeditor.h"
#include "kcl/graphics/font.h"

namespace kcl {

KCL_CLASS_INFO(TClassProperty) {}
KCL_CLASS_INFO(TFontProperty) {}

TPropertyAttributes TClassProperty::GetAttributes() {
  return AttributeBit(paMultiSelect) | AttributeBit(paSubProperties) | AttributeBit(paReadOnly);
}

// With several instances, the properties their objects share.
void TClassProperty::GetProperties(const TGetPropEditProc& proc) {
  std::vector<TPersistent*> objects;
  for (int i = 0; i < PropCount(); ++i) {
    auto* object = dynamic_cast<TPersistent*>(GetObjectValueAt(i));
    if (!object) return;
    objects.push_back(object);
  }
  GetComponentProperties(objects, tkProperties, Designer(), proc);
}

std::string TClassProperty::GetValue() { return "(" + GetPropType()->Name + ")"; }

TPropertyAttributes TFontProperty::GetAttributes() { return TClassProperty::GetAttributes() | AttributeBit(paDialog); }

void TFontProperty::Edit() {
  auto* font = dynamic_cast<TFont*>(GetObjectValue());
  if (!font) return;
  std::unique_ptr<TFontDialog, TObjectFree> dialog(new TFontDialog(nullptr));
  dialog->Font()->Assign(font);
  if (!dialog->Execute()) return;
  for (int i = 0; i < PropCount(); ++i)
    if (auto* own = dynamic_cast<TFont*>(GetObjectValueAt(i))) own->Assign(dialog->Font());
  Modified();
}

}  // namespace kcl
