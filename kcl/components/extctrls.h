#pragma once
// TPanel, TBevel and TSplitter, drawn by the framework as Windows draws them;
// Frame3D, the framework's helper for raised and lowered frames.
#include "kcl/components/stdtypes.h"
#include "kcl/controls/customcontrol.h"

namespace kcl {

class TCanvas;

KCL_ENUM(TBevelCut, bvNone, bvLowered, bvRaised)
// bsBox ... and bsLowered, bsRaised are Delphi's names; other enumerations of
// the framework use "bs" names too, so these are scoped.
enum class TBevelShape : int { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine };
KCL_ENUM_TYPE(TBevelShape, "TBevelShape", bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine)
enum class TBevelStyle : int { bsLowered, bsRaised };
KCL_ENUM_TYPE(TBevelStyle, "TBevelStyle", bsLowered, bsRaised)

// Draws width one-pixel frames just inside rect, which shrinks by width on
// every side: topColor on the top and left, bottomColor on the others.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);

class TCustomPanel : public TCustomControl {
  KCL_CLASS(TCustomPanel, TCustomControl)
public:
  explicit TCustomPanel(TComponent* owner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut v);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut v);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int v);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int v);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle v);
  bool FullRepaint() const { return FFullRepaint; }
  void SetFullRepaint(bool v) { FFullRepaint = v; }
  bool Locked() const { return FLocked; }
  void SetLocked(bool v) { FLocked = v; }

  void SetBounds(int left, int top, int width, int height) override;
  TNotifyEvent OnResize;

protected:
  void Paint() override;
  // Inside the border and the bevels.
  TRect AlignRect() const override;
  void TextChanged() override { Invalidate(); }
  void FontChanged() override;

private:
  void Changed();

  TAlignment FAlignment = taCenter;
  TBevelCut FBevelInner = bvNone;
  TBevelCut FBevelOuter = bvRaised;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  TBorderStyle FBorderStyle = bsNone;
  bool FFullRepaint = true;
  bool FLocked = false;
};

class TPanel : public TCustomPanel {
  KCL_CLASS(TPanel, TCustomPanel)
public:
  using TCustomPanel::TCustomPanel;
};

class TBevel : public TGraphicControl {
  KCL_CLASS(TBevel, TGraphicControl)
public:
  explicit TBevel(TComponent* owner);

  TBevelShape Shape() const { return FShape; }
  void SetShape(TBevelShape v);
  TBevelStyle Style() const { return FStyle; }
  void SetStyle(TBevelStyle v);

protected:
  void Paint() override;

private:
  TBevelShape FShape = TBevelShape::bsBox;
  TBevelStyle FStyle = TBevelStyle::bsLowered;
};

// Resizes the control aligned before it (to its left, above it, ...) when the
// user drags it; the new size is applied when the mouse button goes up.
class TSplitter : public TGraphicControl {
  KCL_CLASS(TSplitter, TGraphicControl)
public:
  explicit TSplitter(TComponent* owner);

  bool Beveled() const { return FBeveled; }
  void SetBeveled(bool v);
  int MinSize() const { return FMinSize; }
  void SetMinSize(int v) { FMinSize = std::max(v, 1); }

  TNotifyEvent OnMoved;

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  // The control the splitter resizes: a visible sibling with the same Align
  // whose edge touches the splitter.
  TControl* FindControl() const;

  bool FBeveled = true;
  int FMinSize = 30;
  TControl* FControl = nullptr;
  TPoint FDownPos;
  bool FDragging = false;
};

}  // namespace kcl
