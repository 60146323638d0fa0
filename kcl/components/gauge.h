#pragma once
// TGauge: how far Progress has come from MinValue to MaxValue, drawn as a
// horizontal or vertical bar, a pie, a needle or the percentage alone, with the
// percentage written over it.
#include "kcl/components/stdtypes.h"
#include "kcl/controls/customcontrol.h"

namespace kcl {

KCL_ENUM(TGaugeKind, gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle)

class TGauge : public TGraphicControl {
  KCL_CLASS(TGauge, TGraphicControl)
public:
  explicit TGauge(TComponent* owner);

  TGaugeKind Kind() const { return FKind; }
  void SetKind(TGaugeKind v);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle v);
  TColor ForeColor() const { return FForeColor; }
  void SetForeColor(TColor v);
  TColor BackColor() const { return FBackColor; }
  void SetBackColor(TColor v);
  // MinValue and MaxValue keep Min < Max (a value past the other is refused);
  // Progress stays between them.
  int MinValue() const { return FMinValue; }
  void SetMinValue(int v);
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int v);
  int Progress() const { return FProgress; }
  void SetProgress(int v);
  void AddProgress(int v) { SetProgress(FProgress + v); }
  bool ShowText() const { return FShowText; }
  void SetShowText(bool v);
  // 0 to 100.
  int PercentDone() const;

protected:
  void Paint() override;

private:
  void PaintFigure(TCanvas& canvas, const TRect& rect);

  TGaugeKind FKind = gkHorizontalBar;
  TBorderStyle FBorderStyle = bsSingle;
  TColor FForeColor = clBlack;
  TColor FBackColor = clWhite;
  int FMinValue = 0;
  int FMaxValue = 100;
  int FProgress = 0;
  bool FShowText = true;
};

}  // namespace kcl
