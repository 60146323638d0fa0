#pragma once
// TChart: a panel that draws its series (bars) between walls and axes, with a
// title, a foot and a legend. The series are components of the form that stream
// as the chart's children.
#include <memory>
#include <vector>

#include "kcl/components/chartaxis.h"
#include "kcl/components/chartseries.h"
#include "kcl/components/extctrls.h"
#include "kcl/graphics/picture.h"

namespace kcl {

class TCustomChart;

KCL_ENUM(TPanningMode, pmNone, pmHorizontal, pmVertical, pmBoth)
KCL_ENUM(TTeeBackImageMode, pbmStretch, pbmTile, pbmCenter)

// The axes, the series and the 3D view of a chart.
class TCustomAxisPanel : public TCustomPanel {
  KCL_CLASS(TCustomAxisPanel, TCustomPanel)
public:
  explicit TCustomAxisPanel(TComponent* owner);
  ~TCustomAxisPanel() override;
  // Frees its series, wherever they belong.
  void BeforeDestruction() override;

  int SeriesCount() const { return static_cast<int>(FSeries.size()); }
  TChartSeries* Series(int index) const;
  int SeriesIndexOf(const TChartSeries* series) const;
  void AddSeries(TChartSeries* series) { series->SetParentChart(this); }
  void RemoveSeries(TChartSeries* series);
  void FreeAllSeries();
  // The colour a series or point of this index takes when it has none.
  static TColor PaletteColor(int index);

  bool AxisVisible() const { return FAxisVisible; }
  void SetAxisVisible(bool v) { Change(FAxisVisible, v); }
  TColor BackColor() const { return FBackColor; }
  void SetBackColor(TColor v) { Change(FBackColor, v); }
  TChartAxis* BottomAxis() const { return FBottomAxis.get(); }
  void SetBottomAxis(TChartAxis* v) { FBottomAxis->Assign(v); }
  int Chart3DPercent() const { return FChart3DPercent; }
  void SetChart3DPercent(int v) { Change(FChart3DPercent, std::clamp(v, 1, 100)); }
  bool ClipPoints() const { return FClipPoints; }
  void SetClipPoints(bool v) { Change(FClipPoints, v); }
  TChartPen* Frame() const { return FFrame.get(); }
  void SetFrame(TChartPen* v) { FFrame->Assign(v); }
  TChartAxis* LeftAxis() const { return FLeftAxis.get(); }
  void SetLeftAxis(TChartAxis* v) { FLeftAxis->Assign(v); }
  int MaxPointsPerPage() const { return FMaxPointsPerPage; }
  void SetMaxPointsPerPage(int v) { Change(FMaxPointsPerPage, std::max(v, 0)); }
  bool Monochrome() const { return FMonochrome; }
  void SetMonochrome(bool v) { Change(FMonochrome, v); }
  TChartAxis* RightAxis() const { return FRightAxis.get(); }
  void SetRightAxis(TChartAxis* v) { FRightAxis->Assign(v); }
  bool ScaleLastPage() const { return FScaleLastPage; }
  void SetScaleLastPage(bool v) { Change(FScaleLastPage, v); }
  TChartAxis* TopAxis() const { return FTopAxis.get(); }
  void SetTopAxis(TChartAxis* v) { FTopAxis->Assign(v); }
  bool View3D() const { return FView3D; }
  void SetView3D(bool v) { Change(FView3D, v); }
  bool View3DWalls() const { return FView3DWalls; }
  void SetView3DWalls(bool v) { Change(FView3DWalls, v); }

  // The form's series stream after the chart's controls.
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

protected:
  template <class V>
  void Change(V& field, V value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }

private:
  friend class TChartSeries;
  void AddSeriesEntry(TChartSeries* series) { FSeries.push_back(series); }
  void RemoveSeriesEntry(TChartSeries* series);

  std::vector<TChartSeries*> FSeries;
  bool FAxisVisible = true;
  TColor FBackColor = clTeeColor;
  std::unique_ptr<TChartAxis> FBottomAxis;
  int FChart3DPercent = 15;
  bool FClipPoints = true;
  std::unique_ptr<TChartPen> FFrame;
  std::unique_ptr<TChartAxis> FLeftAxis;
  int FMaxPointsPerPage = 0;
  bool FMonochrome = false;
  std::unique_ptr<TChartAxis> FRightAxis;
  bool FScaleLastPage = true;
  std::unique_ptr<TChartAxis> FTopAxis;
  bool FView3D = true;
  bool FView3DWalls = true;
};

using TChartClick = TEvent<void(TCustomChart* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TChartClickAxis =
    TEvent<void(TCustomChart* sender, TChartAxis* axis, TMouseButton button, TShiftState shift, int x, int y)>;
using TChartClickSeries = TEvent<void(TCustomChart* sender, TChartSeries* series, int valueIndex, TMouseButton button,
                                      TShiftState shift, int x, int y)>;
using TChartAllowScrollEvent = TEvent<void(TChartAxis* sender, double& aMin, double& aMax, bool& allowScroll)>;
using TOnGetAxisLabel = TEvent<void(TChartAxis* sender, TChartSeries* series, int valueIndex, std::string& labelText)>;
using TOnGetNextAxisLabel = TEvent<void(TChartAxis* sender, int labelIndex, double& labelValue, bool& stop)>;
using TOnGetLegendPos = TEvent<void(TCustomChart* sender, int index, int& x, int& y, int& xColor)>;
using TOnGetLegendRect = TEvent<void(TCustomChart* sender, TRect& rect)>;
using TOnGetLegendText =
    TEvent<void(TCustomAxisPanel* sender, TLegendStyle legendStyle, int index, std::string& legendText)>;

// Where the parts of a chart are drawn, worked out from its size and values.
struct TChartLayout {
  struct Bar {
    TCustomBarSeries* Series;
    int ValueIndex;
    TRect Front;
    TColor Color;
  };
  TRect Back;   // the back wall
  TRect Front;  // the back wall brought to the front; the axes lie on its left and bottom edges
  int Depth = 0;
  double Minimum = 0, Maximum = 1, Increment = 1;
  std::vector<std::string> SlotLabels;
  std::vector<Bar> Bars;
  TRect Legend;  // empty without a legend
  std::vector<std::pair<TColor, std::string>> LegendRows;
};

class TCustomChart : public TCustomAxisPanel {
  KCL_CLASS(TCustomChart, TCustomAxisPanel)
public:
  explicit TCustomChart(TComponent* owner);
  ~TCustomChart() override;

  TPanningMode AllowPanning() const { return FAllowPanning; }
  void SetAllowPanning(TPanningMode v) { FAllowPanning = v; }
  bool AllowZoom() const { return FAllowZoom; }
  void SetAllowZoom(bool v) { FAllowZoom = v; }
  bool AnimatedZoom() const { return FAnimatedZoom; }
  void SetAnimatedZoom(bool v) { FAnimatedZoom = v; }
  int AnimatedZoomSteps() const { return FAnimatedZoomSteps; }
  void SetAnimatedZoomSteps(int v) { FAnimatedZoomSteps = std::max(v, 1); }
  TPicture* BackImage() const { return FBackImage.get(); }
  void SetBackImage(TPicture* v) { FBackImage->Assign(v); }
  bool BackImageInside() const { return FBackImageInside; }
  void SetBackImageInside(bool v) { Change(FBackImageInside, v); }
  TTeeBackImageMode BackImageMode() const { return FBackImageMode; }
  void SetBackImageMode(TTeeBackImageMode v) { Change(FBackImageMode, v); }
  TChartWall* BackWall() const { return FBackWall.get(); }
  void SetBackWall(TChartWall* v) { FBackWall->Assign(v); }
  TChartWall* BottomWall() const { return FBottomWall.get(); }
  void SetBottomWall(TChartWall* v) { FBottomWall->Assign(v); }
  TChartTitle* Foot() const { return FFoot.get(); }
  void SetFoot(TChartTitle* v) { FFoot->Assign(v); }
  TChartWall* LeftWall() const { return FLeftWall.get(); }
  void SetLeftWall(TChartWall* v) { FLeftWall->Assign(v); }
  TChartLegend* Legend() const { return FLegend.get(); }
  void SetLegend(TChartLegend* v) { FLegend->Assign(v); }
  // Percent of the chart's height (top, bottom) or width (left, right).
  int MarginBottom() const { return FMarginBottom; }
  void SetMarginBottom(int v) { Change(FMarginBottom, v); }
  int MarginLeft() const { return FMarginLeft; }
  void SetMarginLeft(int v) { Change(FMarginLeft, v); }
  int MarginRight() const { return FMarginRight; }
  void SetMarginRight(int v) { Change(FMarginRight, v); }
  int MarginTop() const { return FMarginTop; }
  void SetMarginTop(int v) { Change(FMarginTop, v); }
  TChartTitle* Title() const { return FTitle.get(); }
  void SetTitle(TChartTitle* v) { FTitle->Assign(v); }

  // What a series without values shows at design time.
  static double SampleValue(int seriesIndex, int valueIndex);
  static constexpr int SampleCount = 6;
  TChartLayout Layout() const;

  // A chart read from a file has the title the file gives it, if any.
  void ReadState(TReader& reader) override;

  TChartAllowScrollEvent OnAllowScroll;
  TChartClickAxis OnClickAxis;
  TChartClick OnClickBackground;
  TChartClick OnClickLegend;
  TChartClickSeries OnClickSeries;
  TOnGetAxisLabel OnGetAxisLabel;
  TOnGetLegendPos OnGetLegendPos;
  TOnGetLegendRect OnGetLegendRect;
  TOnGetLegendText OnGetLegendText;
  TOnGetNextAxisLabel OnGetNextAxisLabel;
  TNotifyEvent OnPageChange;
  TNotifyEvent OnScroll;
  TNotifyEvent OnUndoZoom;
  TNotifyEvent OnZoom;

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  TPanningMode FAllowPanning = pmBoth;
  bool FAllowZoom = true;
  bool FAnimatedZoom = false;
  int FAnimatedZoomSteps = 8;
  std::unique_ptr<TPicture> FBackImage;
  bool FBackImageInside = false;
  TTeeBackImageMode FBackImageMode = pbmStretch;
  std::unique_ptr<TChartWall> FBackWall;
  std::unique_ptr<TChartWall> FBottomWall;
  std::unique_ptr<TChartTitle> FFoot;
  std::unique_ptr<TChartWall> FLeftWall;
  std::unique_ptr<TChartLegend> FLegend;
  int FMarginBottom = 4;
  int FMarginLeft = 3;
  int FMarginRight = 3;
  int FMarginTop = 4;
  std::unique_ptr<TChartTitle> FTitle;
};

class TChart : public TCustomChart {
  KCL_CLASS(TChart, TCustomChart)
public:
  using TCustomChart::TCustomChart;
};

// Registers TChart and TBarSeries for streaming; calling it again does nothing.
void RegisterCharts();

}  // namespace kcl
