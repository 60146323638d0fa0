#include "ide/inspector/propertyeditors.h"

#include <memory>

#include "ide/designer/menudesigner.h"
#include "ide/designer/proxyform.h"
#include "ide/inspector/editordialogs.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/controls/application.h"
#include "kcl/graphics/font.h"
#include "kcl/graphics/picture.h"
#include "kcl/system/colors.h"

namespace korvax::inspector {

using namespace kcl;

KCL_CLASS_INFO(TKV_StringListProperty) {}
KCL_CLASS_INFO(TKV_PictureProperty) {}
KCL_CLASS_INFO(TKV_MenuItemProperty) {}

namespace {

// The dialog goes when the edit ends, also by an error.
template <class F>
std::unique_ptr<F, TObjectFree> NewDialog() {
  return std::unique_ptr<F, TObjectFree>(new F(Application()));
}

}  // namespace

void TKV_StringListProperty::Edit() {
  auto dialog = NewDialog<TStringsForm>();
  if (auto* lines = dynamic_cast<TStrings*>(GetObjectValue())) dialog->Memo1->Lines()->Assign(lines);
  if (dialog->ShowModal() == mrOk) SetObjectValue(dialog->Memo1->Lines());
}

TPropertyAttributes TKV_StringListProperty::GetAttributes() {
  return TClassProperty::GetAttributes() | AttributeBit(paDialog);
}

void TKV_PictureProperty::Edit() {
  auto dialog = NewDialog<TPictureEdit>();
  if (auto* picture = dynamic_cast<TPicture*>(GetObjectValue())) dialog->Image1->Picture()->Assign(picture);
  if (dialog->ShowModal() == mrOk) SetObjectValue(dialog->Image1->Picture());
}

TPropertyAttributes TKV_PictureProperty::GetAttributes() {
  return TClassProperty::GetAttributes() | AttributeBit(paDialog);
}

void TKV_MenuItemProperty::Edit() {
  // The items of a menu on a design form, edited through that form's designer.
  auto* menu = dynamic_cast<TMenu*>(GetComponent(0));
  if (auto* form = menu ? dynamic_cast<designer::TProxyForm*>(menu->Owner()) : nullptr)
    designer::EditMenu(*form->ProxyDesigner(), *menu);
}

TPropertyAttributes TKV_MenuItemProperty::GetAttributes() {
  return TClassProperty::GetAttributes() | AttributeBit(paDialog);
}

void RegisterPropertyEditors() {
  RegisterPropertyEditor(TFont::StaticClass().ClassTypeInfo(), nullptr, "", EditorClassOf<TFontProperty>());
  RegisterPropertyEditor(TColorType(), nullptr, "", EditorClassOf<TColorProperty>());
  RegisterPropertyEditor(TCursorType(), nullptr, "", EditorClassOf<TCursorProperty>());
  RegisterPropertyEditor(TStrings::StaticClass().ClassTypeInfo(), nullptr, "", EditorClassOf<TKV_StringListProperty>());
  RegisterPropertyEditor(TPicture::StaticClass().ClassTypeInfo(), nullptr, "", EditorClassOf<TKV_PictureProperty>());
  RegisterPropertyEditor(TMenuItem::StaticClass().ClassTypeInfo(), nullptr, "", EditorClassOf<TKV_MenuItemProperty>());
}

}  // namespace korvax::inspector
