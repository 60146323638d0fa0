#include "kcl/components/stdtypes.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/font.h"

namespace kcl {

const TTypeInfo* TLeftRightType() {
  static const TTypeInfo* t = MakeEnumTypeFromList("TLeftRight", "taLeftJustify, taRightJustify");
  return t;
}

const TTypeInfo* TDrawItemEventType() {
  static const TTypeInfo* t = MakeMethodType("TDrawItemEvent", mkProcedure,
                                             {{0, "Control", "TWinControl"},
                                              {0, "Index", "Integer"},
                                              {0, "Rect", "TRect"},
                                              {0, "State", "TOwnerDrawState"}});
  return t;
}

const TTypeInfo* TMeasureItemEventType() {
  static const TTypeInfo* t = MakeMethodType(
      "TMeasureItemEvent", mkProcedure,
      {{0, "Control", "TWinControl"}, {0, "Index", "Integer"}, {pfVar, "Height", "Integer"}});
  return t;
}

}  // namespace kcl
