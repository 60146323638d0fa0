#include "kcl/components/shape.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/pen.h"

namespace kcl {

KCL_CLASS_INFO(TShape) {
  cls.publish({"Align"});
  cls.property("Brush", &TShape::Brush, &TShape::SetBrush);
  cls.publish({"DragCursor", "DragMode", "Enabled", "ParentShowHint"});
  cls.property("Pen", &TShape::Pen, &TShape::SetPen);
  cls.property("Shape", &TShape::Shape, &TShape::SetShape).Default(stRectangle);
  cls.publish({"ShowHint", "Visible", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown", "OnMouseMove",
                "OnMouseUp", "OnStartDrag"});
}

TShape::TShape(TComponent* owner)
    : TGraphicControl(owner), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()) {
  FControlStyle.Include(csReplicatable);
  SetBounds(0, 0, 65, 65);
  FPen->OnChange.SetHandler([this](TObject*) { Invalidate(); });
  FBrush->OnChange.SetHandler([this](TObject*) { Invalidate(); });
}

TShape::~TShape() = default;

void TShape::SetBrush(TBrush* v) { FBrush->Assign(v); }
void TShape::SetPen(TPen* v) { FPen->Assign(v); }

void TShape::SetShape(TShapeType v) {
  if (FShape == v) return;
  FShape = v;
  Invalidate();
}

void TShape::Paint() {
  TCanvas& canvas = *Canvas();
  canvas.SetPen(FPen.get());
  canvas.SetBrush(FBrush.get());
  // The outline's middle runs half a pen inside the bounds.
  const int penWidth = FPen->Width();
  int x = penWidth / 2, y = x;
  int w = Width() - penWidth + 1, h = Height() - penWidth + 1;
  if (penWidth == 0) --w, --h;
  const int side = std::min(w, h);
  if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
    x += (w - side) / 2, y += (h - side) / 2;
    w = h = side;
  }
  switch (FShape) {
    case stRectangle:
    case stSquare: canvas.Rectangle(x, y, x + w, y + h); break;
    case stRoundRect:
    case stRoundSquare: canvas.RoundRect(x, y, x + w, y + h, side / 4, side / 4); break;
    case stEllipse:
    case stCircle: canvas.Ellipse(x, y, x + w, y + h); break;
  }
}

void TShape::InitWidget() {
  TGraphicControl::InitWidget();
  Widget()->setAutoFillBackground(false);
}

void TShape::ColorChanged() {
  TGraphicControl::ColorChanged();
  if (Widget()) Widget()->setAutoFillBackground(false);
  Invalidate();
}

}  // namespace kcl
