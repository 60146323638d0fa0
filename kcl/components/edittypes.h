#pragma once
// The options of a text search.
#include "kcl/classes/typeof.h"
#include "kcl/controls/controltypes.h"

namespace kcl {

KCL_ENUM(TSearchType, stWholeWord, stMatchCase)
KCL_SET(TSearchTypes, TSearchType)

}  // namespace kcl
