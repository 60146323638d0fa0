#include "kcl/components/hotkey.h"

#include <QLineEdit>

#include "kcl/classes/classbuilder.h"
#include "kcl/controls/keys.h"
#include "kcl/controls/windowsstyle.h"
#include "kcl/graphics/ansitext.h"
#include "kcl/graphics/font.h"

namespace kcl {

KCL_CLASS_INFO(THotKey) {
  using T = THotKey;
  cls.property("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(true);
  cls.publish({"Enabled"});
  cls.property("HotKey", &T::HotKey, &T::SetHotKey, TShortCutType()).Default(0x0041);
  cls.property("InvalidKeys", &T::InvalidKeys, &T::SetInvalidKeys);
  cls.property("Modifiers", &T::Modifiers, &T::SetModifiers);
  cls.publish({"ParentShowHint", "PopupMenu", "ShowHint", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.publish({"Visible", "OnEnter", "OnExit"});
}

THotKey::THotKey(TComponent* owner) : TWinControl(owner) {
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
  SetBounds(Left(), Top(), 121, 25);
  AdjustHeight();
}

void THotKey::SetAutoSize(bool v) {
  FAutoSize = v;
  AdjustHeight();
}

void THotKey::SetHotKey(TShortCut v) {
  FHotKey = v;
  UpdateWidget();
}

// The height of a line of the font and the sunken border around it.
void THotKey::AdjustHeight() {
  if (FAutoSize && !IsLoading()) SetHeight(TextCellHeight(*Font()) + 6);
}

void THotKey::FontChanged() {
  TWinControl::FontChanged();
  AdjustHeight();
}

TShortCut THotKey::Combine(Word key, TShiftState shift) const {
  // Shift, Ctrl and Alt as bits 0, 1 and 2 index the combinations.
  static constexpr THKInvalidKey Combinations[] = {hcNone, hcShift,    hcCtrl,    hcShiftCtrl,
                                                   hcAlt,  hcShiftAlt, hcCtrlAlt, hcShiftCtrlAlt};
  const int bits =
      (shift.Contains(ssShift) ? 1 : 0) | (shift.Contains(ssCtrl) ? 2 : 0) | (shift.Contains(ssAlt) ? 4 : 0);
  const THKInvalidKey combination = Combinations[bits];
  TShiftState used = shift * TShiftState{ssShift, ssCtrl, ssAlt};
  if (FInvalidKeys.Contains(combination)) {
    used = {};
    if (FModifiers.Contains(hkShift)) used.Include(ssShift);
    if (FModifiers.Contains(hkCtrl)) used.Include(ssCtrl);
    if (FModifiers.Contains(hkAlt)) used.Include(ssAlt);
  }
  return ShortCut(key, used);
}

std::string THotKey::HotKeyText() const {
  if ((FHotKey & 0xFF) == 0) return "None";
  std::string text = ShortCutToText(FHotKey);
  // Windows' hot key control spaces its plus signs.
  for (size_t at = text.find('+'); at != std::string::npos && at + 1 < text.size(); at = text.find('+', at + 3))
    text.replace(at, 1, " + ");
  return text;
}

QWidget* THotKey::CreateWidget(QWidget* parentWidget) {
  auto* edit = new QLineEdit(parentWidget);
  edit->setReadOnly(true);
  UseWindowsStyle(edit);
  return edit;
}

void THotKey::InitWidget() {
  TWinControl::InitWidget();
  UpdateWidget();
}

void THotKey::UpdateWidget() {
  if (auto* edit = static_cast<QLineEdit*>(FWidget.data())) edit->setText(AnsiToQString(HotKeyText()));
}

void THotKey::KeyDown(Word& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  if (key == 0 || key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == VK_TAB) return;
  SetHotKey(key == VK_BACK && (shift * TShiftState{ssShift, ssCtrl, ssAlt}).Empty() ? 0 : Combine(key, shift));
  key = 0;
}

}  // namespace kcl
