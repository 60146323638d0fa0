#pragma once
// TCustomStaticText and TStaticText: a windowed label, optionally framed,
// whose text wraps at word breaks; AutoSize fits it to its one-line caption.
#include "kcl/components/stdtypes.h"
#include "kcl/controls/customcontrol.h"

namespace kcl {

KCL_ENUM(TStaticBorderStyle, sbsNone, sbsSingle, sbsSunken)

class TCustomStaticText : public TCustomControl {
  KCL_CLASS(TCustomStaticText, TCustomControl)
public:
  explicit TCustomStaticText(TComponent* owner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v);
  TStaticBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TStaticBorderStyle v);
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* v);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool v);

  void Notification(TComponent* component, TOperation operation) override;

protected:
  void AdjustBounds();
  void Paint() override;
  void TextChanged() override;
  void FontChanged() override;

private:
  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = true;
  TStaticBorderStyle FBorderStyle = sbsNone;
  TWinControl* FFocusControl = nullptr;
  bool FShowAccelChar = true;
};

class TStaticText : public TCustomStaticText {
  KCL_CLASS(TStaticText, TCustomStaticText)
public:
  using TCustomStaticText::TCustomStaticText;
};

}  // namespace kcl
