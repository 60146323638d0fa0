#include "kcl/qreport/qrpreview.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/muldiv.h"

namespace kcl {

KCL_CLASS_INFO(TQRPreview) {
  using T = TQRPreview;
  cls.publish({"Align", "DragCursor", "DragMode", "Enabled", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder",
                "TabStop", "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter",
                "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
  const TTypeInfo* pageEvent = MakeMethodType("TPageAvailableEvent", mkProcedure,
                                              {{0, "Sender", "TObject"}, {0, "PageNum", "Integer"}});
  cls.event("OnPageAvailable", &T::OnPageAvailable, pageEvent);
  cls.event("OnProgressUpdate", &T::OnProgressUpdate,
            MakeMethodType("TProgressUpdateEvent", mkProcedure,
                           {{0, "Sender", "TObject"}, {0, "Progress", "Integer"}}));
  cls.publish({"OnStartDrag"});
  cls.property("PageNumber", &T::PageNumber, &T::SetPageNumber).Default(1);
  cls.property("Zoom", &T::Zoom, &T::SetZoom).Default(100);
}

TQRPreview::TQRPreview(TComponent* owner) : TCustomControl(owner) { SetBounds(Left(), Top(), 100, 100); }

void TQRPreview::SetPageNumber(int v) {
  FPageNumber = std::max(v, 1);
  Invalidate();
}

void TQRPreview::SetZoom(int v) {
  FZoom = std::clamp(v, 10, 500);
  Invalidate();
}

TRect TQRPreview::PageRect() const {
  const int width = MulDiv(210 * FZoom, 96, 2540), height = MulDiv(297 * FZoom, 96, 2540);
  const int left = std::max((Width() - width) / 2, 10);
  return Rect(left, 10, left + width, 10 + height);
}

void TQRPreview::Paint() {
  TCanvas& canvas = *Canvas();
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(clBtnShadow);
  canvas.FillRect(ClientRect());
  canvas.Brush()->SetColor(clWhite);
  canvas.Pen()->SetColor(clBlack);
  canvas.Rectangle(PageRect());
}

}  // namespace kcl
