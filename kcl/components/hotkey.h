#pragma once
// THotKey: a box that shows a key combination ("Ctrl + Alt + A") and takes the
// next one the user presses. Combinations the control does not accept take its
// Modifiers instead, as Windows' hot key control does.
#include "kcl/controls/shortcuts.h"
#include "kcl/controls/wincontrol.h"

class QLineEdit;

namespace kcl {

KCL_ENUM(THKModifier, hkShift, hkCtrl, hkAlt, hkExt)
KCL_SET(THKModifiers, THKModifier)
KCL_ENUM(THKInvalidKey, hcNone, hcShift, hcCtrl, hcAlt, hcShiftCtrl, hcShiftAlt, hcCtrlAlt, hcShiftCtrlAlt)
KCL_SET(THKInvalidKeys, THKInvalidKey)

class THotKey : public TWinControl {
  KCL_CLASS(THotKey, TWinControl)
public:
  explicit THotKey(TComponent* owner);

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v);
  TShortCut HotKey() const { return FHotKey; }
  void SetHotKey(TShortCut v);
  THKInvalidKeys InvalidKeys() const { return FInvalidKeys; }
  void SetInvalidKeys(THKInvalidKeys v) { FInvalidKeys = v; }
  THKModifiers Modifiers() const { return FModifiers; }
  void SetModifiers(THKModifiers v) { FModifiers = v; }

  // The combination a key pressed with these shift keys makes.
  TShortCut Combine(Word key, TShiftState shift) const;
  // The text shown: "None" without a key.
  std::string HotKeyText() const;

protected:
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void InitWidget() override;
  void FontChanged() override;
  void KeyDown(Word& key, TShiftState shift) override;

private:
  void AdjustHeight();
  void UpdateWidget();

  bool FAutoSize = true;
  TShortCut FHotKey = scAlt | 'A';
  THKInvalidKeys FInvalidKeys{hcNone, hcShift};
  THKModifiers FModifiers{hkAlt};
};

}  // namespace kcl
