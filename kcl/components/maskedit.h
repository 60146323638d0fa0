#pragma once
// TCustomMaskEdit and TMaskEdit: an edit whose EditMask ("!99/99/00;1;_": the
// mask, whether literals are kept in Text, the blank character) restricts what
// the user types. The peer shows the mask through Qt's input masks.
#include <string>

#include "kcl/components/edit.h"

namespace kcl {

// The Qt input mask for a mask of the framework's syntax; "" for no mask.
std::string EditMaskToQtInputMask(const std::string& editMask);

class TCustomMaskEdit : public TCustomEdit {
  KCL_CLASS(TCustomMaskEdit, TCustomEdit)
public:
  using TCustomEdit::TCustomEdit;

  const std::string& EditMask() const { return FEditMask; }
  void SetEditMask(const std::string& v);
  bool IsMasked() const { return !FEditMask.empty(); }

protected:
  void UpdateWidgetOptions() override;

private:
  std::string FEditMask;
};

class TMaskEdit : public TCustomMaskEdit {
  KCL_CLASS(TMaskEdit, TCustomMaskEdit)
public:
  using TCustomMaskEdit::TCustomMaskEdit;
};

}  // namespace kcl
