#pragma once
// TCheckListBox: a list box with a check box before every item. A click on the
// box or the space bar moves the item through its states and tells
// OnClickCheck. The states stay with their items as the list changes; forms do
// not hold them.
#include "kcl/components/listbox.h"

namespace kcl {

class TCheckStrings;

class TCheckListBox : public TListBox {
  KCL_CLASS(TCheckListBox, TListBox)
public:
  explicit TCheckListBox(TComponent* owner);

  // With AllowGrayed a click goes from unchecked to grayed before checked.
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool v) { FAllowGrayed = v; }
  // Out of range indexes raise EListError.
  TCheckBoxState State(int index) const;
  void SetState(int index, TCheckBoxState v);
  bool Checked(int index) const { return State(index) == cbChecked; }
  void SetChecked(int index, bool v) { SetState(index, v ? cbChecked : cbUnchecked); }

  TNotifyEvent OnClickCheck;

  bool IsOwnerDraw() const override { return true; }
  int MeasureItem(int index) override;
  void PaintItem(QPainter& painter, int index, const TRect& rect, TOwnerDrawState state) override;

protected:
  void DrawItem(int index, TRect rect, TOwnerDrawState state) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyPress(char& key) override;
  virtual void ClickCheck() { OnClickCheck(this); }

private:
  TCheckStrings& CheckItems() const;
  // The state a click gives the item, then OnClickCheck.
  void ToggleClickCheck(int index);

  bool FAllowGrayed = false;
};

}  // namespace kcl
