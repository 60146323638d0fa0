#pragma once
// The types that the edit controls publish: text alignment, scroll bars, the
// border style, and the options of a text search.
#include "kcl/classes/typeof.h"
#include "kcl/controls/form.h"

namespace kcl {

KCL_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)
KCL_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)

// TBorderStyle is the range bsNone..bsSingle of TFormBorderStyle.
using TBorderStyle = TFormBorderStyle;
const TTypeInfo* TBorderStyleType();

KCL_ENUM(TSearchType, stWholeWord, stMatchCase)
KCL_SET(TSearchTypes, TSearchType)

}  // namespace kcl
