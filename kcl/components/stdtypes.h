#pragma once
// The types the standard controls publish (TAlignment, TScrollStyle and
// TBorderStyle come from edittypes.h), the shared "Windows" style of their
// Qt peers, and the string lists bound to a peer.
#include <functional>
#include <string>

#include "kcl/classes/stringlist.h"
#include "kcl/components/edittypes.h"
#include "kcl/controls/controltypes.h"
#include "kcl/graphics/font.h"
#include "kcl/rtl/types.h"

class QStyle;
class QWidget;

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

// One "Windows" style object for the peers of every designed control.
QStyle* WindowsStyle();
// Gives a peer the shared style.
void UseWindowsStyle(QWidget* widget);


// A string list that tells its control after each change (once per update).
class TBoundStrings : public TStringList {
  KCL_CLASS(TBoundStrings, TStringList)
public:
  explicit TBoundStrings(std::function<void()> changed = nullptr) : FChanged(std::move(changed)) {}
  void SetChangedHandler(std::function<void()> changed) { FChanged = std::move(changed); }

protected:
  void Changed() override;

private:
  std::function<void()> FChanged;
};

}  // namespace kcl

namespace kcl {

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
