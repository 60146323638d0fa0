#pragma once
// TWinControl: a control that holds other controls, takes the focus and gets key
// messages. Child controls keep the framework's order: controls without a window
// of their own first, then windowed ones, each in z-order; that order is also the
// order in which a form file lists them.
#include <initializer_list>
#include <string_view>
#include <vector>

#include "kcl/controls/control.h"

namespace kcl {

// Every event a windowed control declares, in the order a class publishes them
// when it publishes them all.
inline const std::initializer_list<std::string_view> WinControlEvents = {
    "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit",
    "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"};

class TWinControl : public TControl {
  KCL_CLASS(TWinControl, TControl)
public:
  explicit TWinControl(TComponent* owner);
  void BeforeDestruction() override;
  ~TWinControl() override;

  int ControlCount() const { return static_cast<int>(FGraphicControls.size() + FWinControls.size()); }
  TControl* Controls(int index) const;
  std::vector<TControl*> Controls() const;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool ContainsControl(const TControl* control) const;
  // The child control at a client point (the topmost, visible or in design state).
  TControl* ControlAtPos(TPoint p, bool allowDisabled) const;

  // Lays out the aligned children by the framework's rules: top, bottom, left,
  // right, then client, each group in the order of its controls' positions.
  void Realign();
  void DisableAlign() { ++FAlignLevel; }
  void EnableAlign();
  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;
  void ReadState(TReader& reader) override;

  // Moves a child to the top (or bottom) of its group.
  void SetZOrder(TControl* control, bool topmost);
  void SetChildOrder(TComponent* child, int order) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

  // Tab order among the windowed children of the parent.
  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool v);
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool v);
  bool ParentCtl3D() const { return FParentCtl3D; }
  void SetParentCtl3D(bool v);
  int32_t HelpContext() const { return FHelpContext; }
  void SetHelpContext(int32_t v) { FHelpContext = v; }
  bool CanFocus() const;
  TImeMode ImeMode() const { return FImeMode; }
  void SetImeMode(TImeMode v) { FImeMode = v; }
  std::string ImeName() const { return FImeName; }
  void SetImeName(const std::string& v) { FImeName = v; }
  bool Focused() const;
  virtual void SetFocus();

  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  void WndProc(TMessage& message) override;
  // Offers Enter or Escape to the buttons inside (the default and cancel
  // buttons of a dialog); true when one of them took it.
  virtual bool DialogKey(Word key, TShiftState shift);
  // The widget children sit in (a form's client area; the peer itself otherwise).
  virtual QWidget* ClientWidget() const { return FWidget; }

protected:
  // Puts the children read with a tab order at their places (after all are read).
  void FixupTabList();
  void InitWidget() override;
  virtual void KeyDown(Word& key, TShiftState shift);
  virtual void KeyPress(char& key);
  virtual void KeyUp(Word& key, TShiftState shift);
  virtual void DoEnter() { OnEnter(this); }
  virtual void DoExit() { OnExit(this); }
  // Whether the control uses Enter or Escape itself rather than leave it to
  // the form's buttons.
  virtual bool WantsKey(Word /*key*/) const { return false; }
  // The part of the client area that aligned children share.
  virtual TRect AlignRect() const { return ClientRect(); }
  void RestackWidgets();
  // Stacks the peer of a control just added at the end of its list.
  void StackLast(TControl* control);

private:
  std::vector<TControl*>& ListOf(const TControl* control);
  void MoveInTabList(int order);
  bool DoKeyDown(TMessage& message);

  std::vector<TControl*> FGraphicControls;
  std::vector<TControl*> FWinControls;
  std::vector<TWinControl*> FTabList;
  // The tab order a form file gives, kept until the parent has read all its
  // children: one given early may name a place that only exists later.
  int FReadTabOrder = -1;
  bool FTabStop = false;
  bool FCtl3D = true;
  bool FParentCtl3D = true;
  TImeMode FImeMode = imDontCare;
  std::string FImeName;
  int32_t FHelpContext = 0;
  int FAlignLevel = 0;
  bool FAligning = false;
};

}  // namespace kcl
