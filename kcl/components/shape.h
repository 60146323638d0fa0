#pragma once
// TShape: a rectangle, square, rounded rectangle or square, ellipse or circle
// drawn with its own Pen and Brush; squares and circles sit centred in the bounds.
#include <memory>

#include "kcl/controls/customcontrol.h"

namespace kcl {

class TBrush;
class TPen;

KCL_ENUM(TShapeType, stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle)

class TShape : public TGraphicControl {
  KCL_CLASS(TShape, TGraphicControl)
public:
  explicit TShape(TComponent* owner);
  ~TShape() override;

  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TBrush* v);
  TPen* Pen() const { return FPen.get(); }
  void SetPen(TPen* v);
  TShapeType Shape() const { return FShape; }
  void SetShape(TShapeType v);

protected:
  void Paint() override;
  // What lies outside the figure shows the parent through.
  void InitWidget() override;
  void ColorChanged() override;

private:
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
  TShapeType FShape = stRectangle;
};

}  // namespace kcl
