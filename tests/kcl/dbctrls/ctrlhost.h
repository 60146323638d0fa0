#pragma once
// A streaming root for data controls that keeps the bounds they were read with
// (it does not align them), with the data-aware classes registered.
#include <memory>
#include <string>

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

}  // namespace dbtest
