#pragma once
// ActiveX controls on a form. Their servers do not run here: a control keeps the
// state its server saved (ControlData) byte for byte, so that the form file
// comes back unchanged, and shows itself as a framed box with its class name.
#include <string>

#include "kcl/components/olecontainer.h"
#include "kcl/controls/customcontrol.h"

namespace kcl {

class TOleControl : public TCustomControl {
  KCL_CLASS(TOleControl, TCustomControl)
public:
  explicit TOleControl(TComponent* owner);

  // The server's saved state; empty for a control placed here, which writes none.
  const std::string& ControlData() const { return FControlData; }
  void SetControlData(std::string data);

protected:
  void DefineProperties(TFiler& filer) override;
  void Paint() override;

private:
  std::string FControlData;
};

// The chart control of the "ActiveX" page.
class TVtChart : public TOleControl {
  KCL_CLASS(TVtChart, TOleControl)
public:
  explicit TVtChart(TComponent* owner);
};

// The spelling checker of the "ActiveX" page; invisible at run time, so it
// publishes none of the visual properties.
class TVSSpell : public TOleControl {
  KCL_CLASS(TVSSpell, TOleControl)
public:
  explicit TVSSpell(TComponent* owner);
};

// Registers TVtChart, TVSSpell and TOleContainer for streaming; calling it again does nothing.
void RegisterOleControls();

}  // namespace kcl
