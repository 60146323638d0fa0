#pragma once
// Controls that draw themselves: TCustomControl (windowed, can hold controls and
// take the focus) and TGraphicControl (windowless, like labels and shapes). Each
// has a Canvas and a Paint method called whenever it must be drawn.
#include <memory>

#include "kcl/controls/controlcanvas.h"
#include "kcl/controls/wincontrol.h"

namespace kcl {

class TCustomControl : public TWinControl {
  KCL_CLASS(TCustomControl, TWinControl)
public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;
  TCanvas* Canvas() const { return FCanvas.get(); }

protected:
  virtual void Paint() {}
  bool PaintWidget() override;

private:
  std::unique_ptr<TControlCanvas> FCanvas;
};

// A box in the button face colour, framed in black, the text in its middle: how
// controls show that stand in for something the program cannot show.
void PaintLabelledBox(TCanvas& canvas, const TRect& rect, const std::string& text);

class TGraphicControl : public TControl {
  KCL_CLASS(TGraphicControl, TControl)
public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;
  TCanvas* Canvas() const { return FCanvas.get(); }

protected:
  virtual void Paint() {}
  bool PaintWidget() override;

private:
  std::unique_ptr<TControlCanvas> FCanvas;
};

// Paints through a control's canvas: font and brush from the control, then paint.
void PaintThroughCanvas(TControl* control, TControlCanvas& canvas, const std::function<void()>& paint);

}  // namespace kcl
