#include "kcl/components/gauge.h"

#include <cmath>
#include <numbers>

#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/pen.h"

namespace kcl {

KCL_CLASS_INFO(TGauge) {
  using T = TGauge;
  cls.publish({"Align", "Color", "Enabled"});
  cls.property("Kind", &T::Kind, &T::SetKind).Default(gkHorizontalBar);
  cls.publish({"Font"});
  cls.property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.property("ForeColor", &T::ForeColor, &T::SetForeColor, TColorType()).Default(clBlack);
  cls.property("BackColor", &T::BackColor, &T::SetBackColor, TColorType()).Default(clWhite);
  cls.property("MinValue", &T::MinValue, &T::SetMinValue).Default(0);
  cls.property("MaxValue", &T::MaxValue, &T::SetMaxValue).Default(100);
  cls.publish({"ParentColor", "ParentFont", "ParentShowHint", "PopupMenu"});
  cls.property("Progress", &T::Progress, &T::SetProgress);
  cls.publish({"ShowHint"});
  cls.property("ShowText", &T::ShowText, &T::SetShowText).Default(true);
  cls.publish({"Visible"});
}

TGauge::TGauge(TComponent* owner) : TGraphicControl(owner) {
  FControlStyle.Include(csFramed);
  FControlStyle.Include(csOpaque);
  SetBounds(0, 0, 100, 100);
}

int TGauge::PercentDone() const {
  const int64_t range = static_cast<int64_t>(FMaxValue) - FMinValue;
  if (range <= 0) return 0;
  return static_cast<int>((static_cast<int64_t>(FProgress) - FMinValue) * 100 / range);
}

void TGauge::SetKind(TGaugeKind v) {
  FKind = v;
  Invalidate();
}

void TGauge::SetBorderStyle(TBorderStyle v) {
  FBorderStyle = v == bsSingle ? bsSingle : bsNone;
  Invalidate();
}

void TGauge::SetForeColor(TColor v) {
  FForeColor = v;
  Invalidate();
}

void TGauge::SetBackColor(TColor v) {
  FBackColor = v;
  Invalidate();
}

void TGauge::SetMinValue(int v) {
  if (v == FMinValue || (!IsLoading() && v >= FMaxValue)) return;
  FMinValue = v;
  if (!IsLoading()) FProgress = std::max(FProgress, v);
  Invalidate();
}

void TGauge::SetMaxValue(int v) {
  if (v == FMaxValue || (!IsLoading() && v <= FMinValue)) return;
  FMaxValue = v;
  if (!IsLoading()) FProgress = std::min(FProgress, v);
  Invalidate();
}

void TGauge::SetProgress(int v) {
  // While a form loads, MinValue and MaxValue may still be on their way.
  FProgress = IsLoading() ? v : std::clamp(v, FMinValue, FMaxValue);
  Invalidate();
}

void TGauge::SetShowText(bool v) {
  FShowText = v;
  Invalidate();
}

void TGauge::Paint() {
  TCanvas& canvas = *Canvas();
  TRect rect = ClientRect();
  canvas.Pen()->SetWidth(1);
  canvas.Pen()->SetStyle(psSolid);
  if (FBorderStyle == bsSingle) {
    canvas.Brush()->SetColor(clBlack);
    canvas.FrameRect(rect);
    rect = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
  }
  PaintFigure(canvas, rect);
  if (!FShowText) return;
  const std::string text = std::to_string(PercentDone()) + "%";
  canvas.SetFont(Font());
  canvas.Brush()->SetStyle(bsClear);
  canvas.TextOut(rect.Left + (rect.Width() - canvas.TextWidth(text)) / 2,
                 rect.Top + (rect.Height() - canvas.TextHeight(text)) / 2, text);
  canvas.Brush()->SetStyle(bsSolid);
}

void TGauge::PaintFigure(TCanvas& canvas, const TRect& rect) {
  const int percent = PercentDone();
  canvas.Brush()->SetStyle(bsSolid);
  const auto fill = [&](TColor color, const TRect& r) {
    canvas.Brush()->SetColor(color);
    canvas.FillRect(r);
  };
  switch (FKind) {
    case gkText: fill(FBackColor, rect); break;
    case gkHorizontalBar: {
      const int done = rect.Width() * percent / 100;
      fill(FBackColor, rect);
      fill(FForeColor, Rect(rect.Left, rect.Top, rect.Left + done, rect.Bottom));
      break;
    }
    case gkVerticalBar: {
      const int done = rect.Height() * percent / 100;
      fill(FBackColor, rect);
      fill(FForeColor, Rect(rect.Left, rect.Bottom - done, rect.Right, rect.Bottom));
      break;
    }
    case gkPie:
    case gkNeedle: {
      // Both stand on the control's colour: the pie fills a circle clockwise from
      // twelve o'clock, the needle sweeps a half circle from left to right.
      fill(Color(), rect);
      QPainter* painter = canvas.Painter();
      if (!painter) break;
      const bool pie = FKind == gkPie;
      const QRectF box(rect.Left, rect.Top, rect.Width() - 1, (pie ? rect.Height() : 2 * rect.Height()) - 1);
      const auto sector = [&](TColor color, int startDegrees, int spanDegrees) {
        canvas.Brush()->SetColor(color);
        painter->save();
        painter->setPen(QPen(Qt::black));
        painter->setBrush(canvas.Brush()->ToQBrush());
        if (spanDegrees == 360) painter->drawEllipse(box);
        else painter->drawPie(box, startDegrees * 16, spanDegrees * 16);
        painter->restore();
      };
      if (pie) {
        sector(FBackColor, 0, 360);
        if (percent > 0) sector(FForeColor, 90, percent >= 100 ? 360 : -percent * 360 / 100);
      } else {
        sector(FBackColor, 0, 180);
        const double angle = std::numbers::pi * (1.0 - percent / 100.0);
        const QPointF centre = box.center();
        canvas.Pen()->SetColor(FForeColor);
        canvas.MoveTo(static_cast<int>(centre.x()), static_cast<int>(centre.y()));
        canvas.LineTo(static_cast<int>(centre.x() + std::cos(angle) * box.width() / 2),
                      static_cast<int>(centre.y() - std::sin(angle) * box.height() / 2));
      }
      break;
    }
  }
}

}  // namespace kcl
