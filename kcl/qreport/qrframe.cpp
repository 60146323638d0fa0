#include "kcl/qreport/qrframe.h"

#include "kcl/classes/classbuilder.h"

namespace kcl {

KCL_CLASS_INFO(TQRFrame) {
  using T = TQRFrame;
  cls.property("Color", &T::Color, &T::SetColor, TColorType()).Default(clBlack);
  cls.property("DrawBottom", &T::DrawBottom, &T::SetDrawBottom).Default(false);
  cls.property("DrawLeft", &T::DrawLeft, &T::SetDrawLeft).Default(false);
  cls.property("DrawRight", &T::DrawRight, &T::SetDrawRight).Default(false);
  cls.property("DrawTop", &T::DrawTop, &T::SetDrawTop).Default(false);
  cls.property("Style", &T::Style, &T::SetStyle).Default(psSolid);
  cls.property("Width", &T::Width, &T::SetWidth).Default(1);
}

void TQRFrame::Assign(const TPersistent* source) {
  const auto* frame = dynamic_cast<const TQRFrame*>(source);
  if (!frame) return TPersistent::Assign(source);
  FColor = frame->FColor;
  FDrawBottom = frame->FDrawBottom;
  FDrawLeft = frame->FDrawLeft;
  FDrawRight = frame->FDrawRight;
  FDrawTop = frame->FDrawTop;
  FStyle = frame->FStyle;
  FWidth = frame->FWidth;
  if (FChanged) FChanged();
}

void TQRFrame::Paint(TCanvas& canvas, const TRect& rect) const {
  canvas.Pen()->SetColor(FColor);
  canvas.Pen()->SetStyle(FStyle);
  canvas.Pen()->SetWidth(1);
  canvas.Pen()->SetMode(pmCopy);
  for (int i = 0; i < FWidth; ++i) {
    const int left = rect.Left + i, top = rect.Top + i, right = rect.Right - 1 - i, bottom = rect.Bottom - 1 - i;
    const auto line = [&](int x1, int y1, int x2, int y2) {
      canvas.MoveTo(x1, y1);
      canvas.LineTo(x2, y2);
    };
    if (FDrawTop) line(rect.Left, top, rect.Right, top);
    if (FDrawBottom) line(rect.Left, bottom, rect.Right, bottom);
    if (FDrawLeft) line(left, rect.Top, left, rect.Bottom);
    if (FDrawRight) line(right, rect.Top, right, rect.Bottom);
  }
}

}  // namespace kcl
