#pragma once
// Publishing what panels and the classes built on them publish alike: their
// bevels and border, from BevelInner to BorderStyle.
#include "kcl/classes/classbuilder.h"
#include "kcl/components/extctrls.h"

namespace kcl {

const TTypeInfo* TBevelWidthType();   // "TBevelWidth", 1..MaxInt
const TTypeInfo* TBorderWidthType();  // "TBorderWidth", 0..MaxInt

template <class T>
void PublishPanelBorders(TClassBuilder<T>& cls) {
  cls.property("BevelInner", &T::BevelInner, &T::SetBevelInner).Default(bvNone);
  cls.property("BevelOuter", &T::BevelOuter, &T::SetBevelOuter).Default(bvRaised);
  cls.property("BevelWidth", &T::BevelWidth, &T::SetBevelWidth, TBevelWidthType()).Default(1);
  cls.property("BorderWidth", &T::BorderWidth, &T::SetBorderWidth, TBorderWidthType()).Default(0);
  cls.property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, TBorderStyleType()).Default(bsNone);
}

}  // namespace kcl
