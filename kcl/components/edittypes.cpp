#include "kcl/components/edittypes.h"

namespace kcl {

const TTypeInfo* TBorderStyleType() {
  static const TTypeInfo* t = MakeEnumTypeFromList("TBorderStyle", "bsNone, bsSingle");
  return t;
}

}  // namespace kcl
