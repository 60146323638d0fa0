#pragma once
// What the framework's own dialog forms are made of beside the standard controls:
// the picture of a message type, a way to place controls, and the dialog keys.
#include <cstdint>
#include <string>

#include "kcl/controls/control.h"

namespace kcl {

class TCustomForm;
class TWinControl;

// The 32 x 32 picture of a message type: the MB_ICON* flag it shows.
class TMessageIcon : public TControl {
  KCL_CLASS(TMessageIcon, TControl)
public:
  TMessageIcon(TComponent* owner, uint32_t iconFlag);
  uint32_t IconFlag() const { return FIconFlag; }

protected:
  QWidget* CreateWidget(QWidget* parentWidget) override;

private:
  uint32_t FIconFlag;
};

// A control of class C named name, owned by parent's owner (the form), placed on
// parent at bounds.
template <class C, class... Args>
C* PlaceControl(TWinControl* parent, const std::string& name, TRect bounds, Args... args) {
  auto* control = new C(parent, args...);
  control->SetName(name);
  control->SetBoundsRect(bounds);
  control->SetParent(parent);
  return control;
}

// Escape presses the form's Cancel button; Enter the focused button, or else the
// Default one.
void HandleDialogKeys(TCustomForm* form);

}  // namespace kcl
