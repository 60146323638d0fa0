#pragma once
// The native buttons: TButton (QPushButton), TCheckBox (QCheckBox) and
// TRadioButton (QRadioButton). Their clicks come from Qt's signals and go
// through Click(), so that OnClick runs; in design state the signals do nothing.
#include "kcl/components/stdtypes.h"
#include "kcl/controls/wincontrol.h"

class QAbstractButton;

namespace kcl {

class TButtonControl : public TWinControl {
  KCL_CLASS(TButtonControl, TWinControl)
public:
  explicit TButtonControl(TComponent* owner);

protected:
  // While set, state changes made by code do not click.
  bool ClicksDisabled() const { return FClicksDisabled > 0; }
  struct ClicksOff {
    explicit ClicksOff(TButtonControl& c) : Control(c) { ++Control.FClicksDisabled; }
    ~ClicksOff() { --Control.FClicksDisabled; }
    TButtonControl& Control;
  };
  QAbstractButton* Button() const;
  // Connects the peer's click; onClick runs unless the control is being designed.
  void ConnectClicked(QAbstractButton* button, std::function<void()> onClick);
  void TextChanged() override;
  void InitWidget() override;

private:
  int FClicksDisabled = 0;
};

class TButton : public TButtonControl {
  KCL_CLASS(TButton, TButtonControl)
public:
  explicit TButton(TComponent* owner);

  bool Cancel() const { return FCancel; }
  void SetCancel(bool v) { FCancel = v; }
  bool Default() const { return FDefault; }
  void SetDefault(bool v);
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult v) { FModalResult = v; }

  // Sets the parent form's ModalResult to this button's, then OnClick.
  void Click() override;
  // Enter clicks the focused button, or the default one when no button has the
  // focus; Escape clicks the cancel button.
  bool DialogKey(Word key, TShiftState shift) override;

protected:
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void InitWidget() override;

private:
  bool FCancel = false;
  bool FDefault = false;
  TModalResult FModalResult = mrNone;
};

class TCustomCheckBox : public TButtonControl {
  KCL_CLASS(TCustomCheckBox, TButtonControl)
public:
  explicit TCustomCheckBox(TComponent* owner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v);
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool v);
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
  TCheckBoxState State() const { return FState; }
  // A new state clicks, as a click changes the state.
  void SetState(TCheckBoxState v);

protected:
  // The next state of a click: unchecked, (grayed,) checked.
  virtual void Toggle();
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void InitWidget() override;

private:
  void UpdateWidgetState();

  TAlignment FAlignment = taRightJustify;
  bool FAllowGrayed = false;
  TCheckBoxState FState = cbUnchecked;
};

class TCheckBox : public TCustomCheckBox {
  KCL_CLASS(TCheckBox, TCustomCheckBox)
public:
  using TCustomCheckBox::TCustomCheckBox;
};

class TRadioButton : public TButtonControl {
  KCL_CLASS(TRadioButton, TButtonControl)
public:
  explicit TRadioButton(TComponent* owner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v);
  bool Checked() const { return FChecked; }
  // Checking one releases the other radio buttons of the same parent and clicks.
  void SetChecked(bool v);

protected:
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void InitWidget() override;

private:
  void UpdateWidgetState();

  TAlignment FAlignment = taRightJustify;
  bool FChecked = false;
};

}  // namespace kcl
