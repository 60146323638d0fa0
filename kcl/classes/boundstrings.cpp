#include "kcl/classes/boundstrings.h"

#include "kcl/classes/classbuilder.h"

namespace kcl {

KCL_CLASS_INFO(TBoundStrings) {}

void TBoundStrings::Changed() {
  if (UpdateCount() == 0 && FChanged) FChanged();
  TStringList::Changed();
}

}  // namespace kcl
