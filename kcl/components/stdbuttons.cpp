#include "kcl/components/stdbuttons.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "kcl/classes/classbuilder.h"
#include "kcl/controls/application.h"
#include "kcl/controls/form.h"
#include "kcl/controls/keys.h"
#include "kcl/controls/windowsstyle.h"
#include "kcl/graphics/ansitext.h"

namespace kcl {

KCL_CLASS_INFO(TButtonControl) {}

KCL_CLASS_INFO(TButton) {
  cls.property("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false);
  cls.publish({"Caption"});
  cls.property("Default", &TButton::Default, &TButton::SetDefault).Default(false);
  cls.publish({"DragCursor", "DragMode", "Enabled", "Font"});
  cls.property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult, TModalResultType()).Default(mrNone);
  cls.publish({"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder"});
  cls.property("TabStop", &TButton::TabStop, &TButton::SetTabStop).Default(true);
  cls.publish({"Visible", "OnClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown",
                "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

KCL_CLASS_INFO(TCustomCheckBox) {}

KCL_CLASS_INFO(TCheckBox) {
  cls.property("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment, TLeftRightType()).Default(taRightJustify);
  cls.property("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed).Default(false);
  cls.publish({"Caption"});
  cls.property("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked).Stored(false);
  cls.publish({"Color", "Ctl3D", "DragCursor", "DragMode", "Enabled", "Font", "ParentColor", "ParentCtl3D",
                "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"});
  cls.property("State", &TCheckBox::State, &TCheckBox::SetState).Default(cbUnchecked);
  cls.publish({"TabOrder"});
  cls.property("TabStop", &TCheckBox::TabStop, &TCheckBox::SetTabStop).Default(true);
  cls.publish({"Visible", "OnClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown",
                "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

KCL_CLASS_INFO(TRadioButton) {
  cls.property("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment, TLeftRightType())
      .Default(taRightJustify);
  cls.publish({"Caption"});
  cls.property("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked).Default(false);
  cls.publish({"Color", "Ctl3D", "DragCursor", "DragMode", "Enabled", "Font", "ParentColor", "ParentCtl3D",
                "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Visible", "OnClick", "OnDblClick",
                "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp",
                "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

// --- TButtonControl

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
  // Clicks come from the peer's signal, not from the mouse messages.
  FControlStyle = {csCaptureMouse, csSetCaption, csDoubleClicks};
}

QAbstractButton* TButtonControl::Button() const { return qobject_cast<QAbstractButton*>(Widget()); }

void TButtonControl::ConnectClicked(QAbstractButton* button, std::function<void()> onClick) {
  UseWindowsStyle(button);
  // An exception must not travel through Qt's signal: the application shows it and
  // goes on, as for a message, and a modal dialog stays open.
  QObject::connect(button, &QAbstractButton::clicked, button, [this, onClick = std::move(onClick)] {
    if (!IsDesigning()) Application()->Guard(onClick);
  });
}

void TButtonControl::TextChanged() {
  if (QAbstractButton* button = Button()) button->setText(AnsiToQString(Caption()));
}

void TButtonControl::InitWidget() {
  TWinControl::InitWidget();
  TextChanged();
}

// --- TButton

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
  FControlStyle.Include(csOpaque);
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

QWidget* TButton::CreateWidget(QWidget* parentWidget) {
  auto* button = new QPushButton(parentWidget);
  button->setAutoDefault(false);
  ConnectClicked(button, [this] { Click(); });
  return button;
}

void TButton::InitWidget() {
  TButtonControl::InitWidget();
  if (auto* button = qobject_cast<QPushButton*>(Widget())) button->setDefault(FDefault);
}

void TButton::SetDefault(bool v) {
  FDefault = v;
  if (auto* button = qobject_cast<QPushButton*>(Widget())) button->setDefault(v);
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm()) form->SetModalResult(FModalResult);
  TButtonControl::Click();
}

bool TButton::DialogKey(Word key, TShiftState shift) {
  if (!shift.Empty() || !CanFocus()) return false;
  const bool otherButtonFocused = !Focused() && qobject_cast<QPushButton*>(QApplication::focusWidget());
  const bool active = key == VK_RETURN ? Focused() || (FDefault && !otherButtonFocused) : key == VK_ESCAPE && FCancel;
  if (active) Click();
  return active;
}

// --- TCustomCheckBox

namespace {

// Text on the left of the box: the peer lays itself out from right to left.
void ApplyLeftRight(QWidget* widget, TAlignment alignment) {
  if (widget) widget->setLayoutDirection(alignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

}  // namespace

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {
  SetBounds(0, 0, 97, 17);
  SetTabStop(true);
}

QWidget* TCustomCheckBox::CreateWidget(QWidget* parentWidget) {
  auto* box = new QCheckBox(parentWidget);
  ConnectClicked(box, [this] { Toggle(); });
  return box;
}

void TCustomCheckBox::InitWidget() {
  TButtonControl::InitWidget();
  ApplyLeftRight(Widget(), FAlignment);
  UpdateWidgetState();
}

void TCustomCheckBox::UpdateWidgetState() {
  auto* box = qobject_cast<QCheckBox*>(Widget());
  if (!box) return;
  const QSignalBlocker blocker(box);
  box->setTristate(FAllowGrayed || FState == cbGrayed);
  box->setCheckState(FState == cbChecked ? Qt::Checked : FState == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
}

void TCustomCheckBox::Toggle() {
  switch (FState) {
    case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    default: SetState(cbChecked); break;
  }
  UpdateWidgetState();  // Qt's own idea of the next state does not count
}

void TCustomCheckBox::SetState(TCheckBoxState v) {
  if (FState == v) return;
  FState = v;
  UpdateWidgetState();
  if (!ClicksDisabled() && !IsLoading()) Click();
}

void TCustomCheckBox::SetAllowGrayed(bool v) {
  FAllowGrayed = v;
  UpdateWidgetState();
}

void TCustomCheckBox::SetAlignment(TAlignment v) {
  FAlignment = v == taCenter ? taRightJustify : v;
  ApplyLeftRight(Widget(), FAlignment);
}

// --- TRadioButton

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 113, 17); }

QWidget* TRadioButton::CreateWidget(QWidget* parentWidget) {
  auto* radio = new QRadioButton(parentWidget);
  radio->setAutoExclusive(false);  // the framework keeps the parent's buttons exclusive
  ConnectClicked(radio, [this] {
    SetChecked(true);
    UpdateWidgetState();
  });
  return radio;
}

void TRadioButton::InitWidget() {
  TButtonControl::InitWidget();
  ApplyLeftRight(Widget(), FAlignment);
  UpdateWidgetState();
}

void TRadioButton::UpdateWidgetState() {
  if (QAbstractButton* radio = Button()) {
    const QSignalBlocker blocker(radio);
    radio->setChecked(FChecked);
  }
}

void TRadioButton::SetChecked(bool v) {
  if (FChecked == v) return;
  FChecked = v;
  SetTabStop(v);
  UpdateWidgetState();
  if (!v) return;
  if (Parent())
    for (TControl* sibling : Parent()->Controls())
      if (auto* radio = dynamic_cast<TRadioButton*>(sibling); radio && radio != this) radio->SetChecked(false);
  if (!ClicksDisabled() && !IsLoading()) Click();
}

void TRadioButton::SetAlignment(TAlignment v) {
  FAlignment = v == taCenter ? taRightJustify : v;
  ApplyLeftRight(Widget(), FAlignment);
}

}  // namespace kcl
