#include "kcl/classes/object.h"

namespace kcl {

const TClassInfo& TObject::StaticClass() {
  static const TClassInfo info("TObject", nullptr);
  return info;
}

void TObject::Free() {
  BeforeDestruction();
  delete this;
}

}  // namespace kcl
