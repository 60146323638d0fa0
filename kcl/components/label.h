#pragma once
// TCustomLabel and TLabel: text drawn on the parent, with an accelerator that
// focuses another control, sized to its text while AutoSize is on.
#include "kcl/components/stdtypes.h"
#include "kcl/controls/customcontrol.h"

namespace kcl {

class TCustomLabel : public TGraphicControl {
  KCL_CLASS(TCustomLabel, TGraphicControl)
public:
  explicit TCustomLabel(TComponent* owner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v);
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* v);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout v);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool v);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v);

  void Notification(TComponent* component, TOperation operation) override;

protected:
  // The caption as drawn and measured.
  virtual std::string GetLabelText() const { return Caption(); }
  // Fits Width and Height to the text (keeping the right edge of right-aligned text).
  void AdjustBounds();
  void Paint() override;
  void InitWidget() override;
  void TextChanged() override;
  void FontChanged() override;
  void ColorChanged() override;
  void EnabledChanged() override;

private:
  int TextFlags() const;
  void Changed();

  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = true;
  TWinControl* FFocusControl = nullptr;
  TTextLayout FLayout = tlTop;
  bool FShowAccelChar = true;
  bool FTransparent = false;
  bool FWordWrap = false;
};

class TLabel : public TCustomLabel {
  KCL_CLASS(TLabel, TCustomLabel)
public:
  using TCustomLabel::TCustomLabel;
};

}  // namespace kcl
