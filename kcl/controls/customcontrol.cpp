#include "kcl/controls/customcontrol.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/font.h"
#include "kcl/rtl/scopeguard.h"

namespace kcl {

KCL_CLASS_INFO(TCustomControl) {}
KCL_CLASS_INFO(TGraphicControl) {}

void PaintThroughCanvas(TControl* control, TControlCanvas& canvas, const std::function<void()>& paint) {
  canvas.BeginWidgetPaint();
  OnScopeExit endPaint([&] { canvas.EndWidgetPaint(); });
  canvas.SetFont(control->Font());
  canvas.Brush()->SetColor(control->Color());
  paint();
}

void PaintLabelledBox(TCanvas& canvas, const TRect& rect, const std::string& text) {
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(clBtnFace);
  canvas.Pen()->SetColor(clBlack);
  canvas.Rectangle(rect);
  canvas.Font()->SetColor(clBtnText);
  canvas.Brush()->SetStyle(bsClear);
  canvas.TextOut(rect.Left + (rect.Width() - canvas.TextWidth(text)) / 2,
                 rect.Top + (rect.Height() - canvas.TextHeight(text)) / 2, text);
}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), FCanvas(std::make_unique<TControlCanvas>(this)) {}

TCustomControl::~TCustomControl() = default;

bool TCustomControl::PaintWidget() {
  PaintThroughCanvas(this, *FCanvas, [this] { Paint(); });
  return true;
}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), FCanvas(std::make_unique<TControlCanvas>(this)) {}

TGraphicControl::~TGraphicControl() = default;

bool TGraphicControl::PaintWidget() {
  PaintThroughCanvas(this, *FCanvas, [this] { Paint(); });
  return true;
}

}  // namespace kcl
