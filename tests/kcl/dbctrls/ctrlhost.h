#pragma once
// A streaming root for data controls that keeps the bounds they were read with
// (it does not align them), and a form to show them on; both with the
// data-aware classes registered.
#include <memory>
#include <string>

#include "kcl/controls/form.h"
#include "kcl/controls/wincontrol.h"

namespace dbtest {

class TCtrlHost : public kcl::TWinControl {
  KCL_CLASS(TCtrlHost, kcl::TWinControl)
public:
  explicit TCtrlHost(kcl::TComponent* owner) : TWinControl(owner) { DisableAlign(); }
  void GetChildren(const kcl::TGetChildProc& proc, kcl::TComponent* root) override;
};
using CtrlHostPtr = std::unique_ptr<TCtrlHost, kcl::TObjectFree>;

CtrlHostPtr NewCtrlHost();

// Places a control as the designer does: named, on the host, at (8, 8).
template <class T>
T* Place(TCtrlHost* host, const std::string& name) {
  auto* control = new T(host);
  control->SetParent(host);
  control->SetName(name);
  if (control->ControlStyle().Contains(kcl::csSetCaption)) control->SetText(name);
  control->SetBounds(8, 8, control->Width(), control->Height());
  return control;
}

using FormPtr = std::unique_ptr<kcl::TForm, kcl::TObjectFree>;

// A 400 x 300 form for controls that are shown, with the data-aware classes registered.
FormPtr ShownForm();

// Places a control on a form at (left, top) in its own size.
template <class T>
T* PlaceOn(kcl::TForm* form, int left, int top) {
  auto* control = new T(form);
  control->SetParent(form);
  control->SetBounds(left, top, control->Width(), control->Height());
  return control;
}

}  // namespace dbtest
