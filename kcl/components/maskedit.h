#pragma once
// TCustomMaskEdit and TMaskEdit: an edit whose EditMask ("!99/99/00;1;_": the
// mask, whether literals are kept in Text, the blank character) restricts what
// the user types. The peer shows the mask through Qt's input masks.
#include <string>

#include "kcl/components/edit.h"

namespace kcl {

// The Qt input mask for a mask of the framework's syntax; "" for no mask.
std::string EditMaskToQtInputMask(const std::string& editMask);

// The text a mask edit holds for what its box shows: the typed characters, blanks
// as spaces, and the mask's literals unless the mask says not to keep them
// ("!999-000-0000;0;_" keeps "1234567890" for "123-456-7890").
std::string MaskedText(const std::string& editMask, const std::string& shown);

class TCustomMaskEdit : public TCustomEdit {
  KCL_CLASS(TCustomMaskEdit, TCustomEdit)
public:
  using TCustomEdit::TCustomEdit;

  const std::string& EditMask() const { return FEditMask; }
  void SetEditMask(const std::string& v);
  bool IsMasked() const { return !FEditMask.empty(); }

protected:
  void UpdateWidgetOptions() override;
  std::string TextOfWidget(const QLineEdit& edit) const override;

private:
  std::string FEditMask;
};

class TMaskEdit : public TCustomMaskEdit {
  KCL_CLASS(TMaskEdit, TCustomMaskEdit)
public:
  using TCustomMaskEdit::TCustomMaskEdit;
};

}  // namespace kcl
