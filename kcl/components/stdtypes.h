#pragma once
// The types the standard controls publish (TAlignment, TScrollStyle and
// TBorderStyle come from the controls), and the string lists bound to a peer.
#include <functional>
#include <string>

#include "kcl/classes/boundstrings.h"
#include "kcl/components/edittypes.h"
#include "kcl/controls/controltypes.h"
#include "kcl/controls/windowsstyle.h"
#include "kcl/graphics/font.h"
#include "kcl/rtl/types.h"

namespace kcl {

class TWinControl;

KCL_ENUM(TTextLayout, tlTop, tlCenter, tlBottom)
KCL_ENUM(TEditCharCase, ecNormal, ecUpperCase, ecLowerCase)
KCL_ENUM(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)
KCL_ENUM(TListBoxStyle, lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable)
KCL_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable)
KCL_ENUM(TOwnerDrawStateFlag, odSelected, odGrayed, odDisabled, odChecked, odFocused)
KCL_SET(TOwnerDrawState, TOwnerDrawStateFlag)

// TAlignment restricted to its first two values, as check boxes publish it.
const TTypeInfo* TLeftRightType();

using TDrawItemEvent = TEvent<void(TWinControl* control, int index, TRect rect, TOwnerDrawState state)>;
using TMeasureItemEvent = TEvent<void(TWinControl* control, int index, int& height)>;
const TTypeInfo* TDrawItemEventType();
const TTypeInfo* TMeasureItemEventType();



}  // namespace kcl

namespace kcl {

// ItemHeight of list and combo boxes: owner-drawn ones use the height set;
// standard ones the height of their font's line. A value read from a form file
// stands until the font changes, so that files keep what they hold.
class TItemHeight {
public:
  int Get(bool ownerDraw) const { return ownerDraw ? FOwnerDraw : FStandard; }
  void Set(int v) {
    if (v > 0) FOwnerDraw = FStandard = v;
  }
  void FontChanged(const TFont& font) { FStandard = TextCellHeight(font); }

private:
  int FOwnerDraw = 16;
  int FStandard = 13;
};

}  // namespace kcl
