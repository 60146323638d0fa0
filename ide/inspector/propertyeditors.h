#pragma once
// The property editors the inspector registers when it is made: the framework's
// for fonts, colours and cursors, and its own dialog editors for string lists,
// pictures, and the menu designer for menu items.
#include "kcl/design/propertyeditor.h"

namespace korvax::inspector {

// The string list in a memo; OK sets the property to the memo's lines.
class TKV_StringListProperty : public kcl::TClassProperty {
  KCL_CLASS(TKV_StringListProperty, kcl::TClassProperty)
public:
  using kcl::TClassProperty::TClassProperty;
  void Edit() override;
  kcl::TPropertyAttributes GetAttributes() override;
};

// The picture in an image, loaded from a file; OK sets the property to it.
class TKV_PictureProperty : public kcl::TClassProperty {
  KCL_CLASS(TKV_PictureProperty, kcl::TClassProperty)
public:
  using kcl::TClassProperty::TClassProperty;
  void Edit() override;
  kcl::TPropertyAttributes GetAttributes() override;
};

// A menu's items, in the menu designer of the design form that owns the menu.
class TKV_MenuItemProperty : public kcl::TClassProperty {
  KCL_CLASS(TKV_MenuItemProperty, kcl::TClassProperty)
public:
  using kcl::TClassProperty::TClassProperty;
  void Edit() override;
  kcl::TPropertyAttributes GetAttributes() override;
};

void RegisterPropertyEditors();

}  // namespace korvax::inspector
