#pragma once
// TUpDown: a pair of arrow buttons that step a position between Min and Max, drawn
// by the framework as Windows draws an up-down control. An associated control
// (an edit box, typically) shows the position as its text and gets the buttons
// beside it.
#include <optional>

#include "kcl/controls/customcontrol.h"

namespace kcl {

KCL_ENUM(TUDAlignButton, udLeft, udRight)
KCL_ENUM(TUDOrientation, udHorizontal, udVertical)
// Scoped: the media player has buttons of the same names.
enum class TUDBtnType : int { btNext, btPrev };
KCL_ENUM_TYPE(TUDBtnType, "TUDBtnType", btNext, btPrev)

using TUDClickEvent = TEvent<void(TObject* sender, TUDBtnType button)>;
using TUDChangingEvent = TEvent<void(TObject* sender, bool& allowChange)>;
const TTypeInfo* TUDClickEventType();
const TTypeInfo* TUDChangingEventType();

class TUpDown : public TCustomControl {
  KCL_CLASS(TUpDown, TCustomControl)
public:
  explicit TUpDown(TComponent* owner);

  TUDAlignButton AlignButton() const { return FAlignButton; }
  void SetAlignButton(TUDAlignButton v);
  TWinControl* Associate() const { return FAssociate; }
  // The associate gets the position as its text and, unless a form is being read
  // (its places are already as the buttons left them), makes room for the buttons.
  void SetAssociate(TWinControl* v);
  bool ArrowKeys() const { return FArrowKeys; }
  void SetArrowKeys(bool v) { FArrowKeys = v; }
  short Min() const { return FMin; }
  void SetMin(short v) { FMin = v; }
  short Max() const { return FMax; }
  void SetMax(short v) { FMax = v; }
  int Increment() const { return FIncrement; }
  void SetIncrement(int v) { FIncrement = v; }
  TUDOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TUDOrientation v);
  short Position() const { return FPosition; }
  void SetPosition(short v);
  bool Thousands() const { return FThousands; }
  void SetThousands(bool v);
  bool Wrap() const { return FWrap; }
  void SetWrap(bool v) { FWrap = v; }

  // What a click on a button does: asks OnChanging, steps (wrapping when Wrap
  // allows), then tells OnClick.
  void ButtonClicked(TUDBtnType button);
  // The position as the associate shows it.
  std::string PositionText() const;

  TUDChangingEvent OnChanging;
  TUDClickEvent OnClick;  // the buttons' own click, with the button clicked

  void Notification(TComponent* component, TOperation operation) override;

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(Word& key, TShiftState shift) override;

private:
  TRect ButtonRect(TUDBtnType button) const;
  void PaintButton(TUDBtnType button);
  void PlaceBesideAssociate();
  void UpdateAssociate();

  TUDAlignButton FAlignButton = udRight;
  TWinControl* FAssociate = nullptr;
  bool FArrowKeys = true;
  short FMin = 0, FMax = 100, FPosition = 0;
  int FIncrement = 1;
  TUDOrientation FOrientation = udVertical;
  bool FThousands = true;
  bool FWrap = false;
  std::optional<TUDBtnType> FPressed;  // the button held down
};

}  // namespace kcl
