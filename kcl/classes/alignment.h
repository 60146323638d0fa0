#pragma once
// Text alignment within a field or a control.
#include "kcl/classes/typeof.h"

namespace kcl {

KCL_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)

}  // namespace kcl
