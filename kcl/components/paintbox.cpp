#include "kcl/components/paintbox.h"

#include "kcl/classes/classbuilder.h"

namespace kcl {

KCL_CLASS_INFO(TPaintBox) {
  cls.publish({"Align", "Color", "DragCursor", "DragMode", "Enabled", "Font", "ParentColor", "ParentFont",
                "ParentShowHint", "PopupMenu", "ShowHint", "Visible", "OnClick", "OnDblClick", "OnDragDrop",
                "OnDragOver", "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
  cls.event("OnPaint", &TPaintBox::OnPaint, TNotifyEventType());
  cls.publish({"OnStartDrag"});
}

TPaintBox::TPaintBox(TComponent* owner) : TGraphicControl(owner) {
  FControlStyle.Include(csReplicatable);
  SetBounds(0, 0, 105, 105);
}

void TPaintBox::Paint() {
  TCanvas& canvas = *Canvas();
  canvas.SetFont(Font());
  canvas.Brush()->SetColor(Color());
  if (IsDesigning()) {
    canvas.Pen()->SetStyle(psDash);
    canvas.Brush()->SetStyle(bsClear);
    canvas.Rectangle(0, 0, Width(), Height());
    canvas.Pen()->SetStyle(psSolid);
    canvas.Brush()->SetStyle(bsSolid);
  }
  OnPaint(this);
}

void TPaintBox::InitWidget() {
  TGraphicControl::InitWidget();
  Widget()->setAutoFillBackground(false);
}

void TPaintBox::ColorChanged() {
  TGraphicControl::ColorChanged();
  if (Widget()) Widget()->setAutoFillBackground(false);
  Invalidate();
}

}  // namespace kcl
