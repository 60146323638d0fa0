#pragma once
// TPaintBox: a rectangle the program draws on in OnPaint; in design state it
// shows a dashed frame so that it can be found on the form.
#include "kcl/controls/customcontrol.h"

namespace kcl {

class TPaintBox : public TGraphicControl {
  KCL_CLASS(TPaintBox, TGraphicControl)
public:
  explicit TPaintBox(TComponent* owner);

  TNotifyEvent OnPaint;

protected:
  void Paint() override;
  // What lies outside the figure shows the parent through.
  void InitWidget() override;
  void ColorChanged() override;
};

}  // namespace kcl
