#pragma once
// Chart series: components that hold the values a chart draws. They belong to
// the form and stream as children of their chart (ParentChart), like menu items
// of their menu. TBarSeries draws its values as bars.
#include <algorithm>
#include <string>
#include <vector>

#include "kcl/classes/component.h"
#include "kcl/components/chartparts.h"
#include "kcl/controls/controltypes.h"

namespace kcl {

class TCustomAxisPanel;
class TChartSeries;

KCL_ENUM(TChartListOrder, loNone, loAscending, loDescending)
KCL_ENUM(TSeriesMarksStyle, smsValue, smsPercent, smsLabel, smsLabelPercent, smsLabelValue, smsLegend,
         smsPercentTotal, smsLabelPercentTotal, smsXValue)
KCL_ENUM(THorizAxis, aTopAxis, aBottomAxis)
KCL_ENUM(TVertAxis, aLeftAxis, aRightAxis)
KCL_ENUM(TBarStyle, bsRectangle, bsPyramid, bsInvPyramid, bsCilinder, bsEllipse, bsArrow)
// mbNone is also a menu break.
enum class TMultiBar : int { mbNone, mbSide, mbStacked, mbStacked100 };
KCL_ENUM_TYPE(TMultiBar, "TMultiBar", mbNone, mbSide, mbStacked, mbStacked100)

// The X or Y values of a series.
class TChartValueList : public TChartPart {
  KCL_CLASS(TChartValueList, TChartPart)
public:
  TChartValueList(std::string name, TChartListOrder order, TChangeProc changed);
  bool DateTime() const { return FDateTime; }
  void SetDateTime(bool v) { Change(FDateTime, v); }
  std::string Name() const { return FName; }
  void SetName(std::string v) { Change(FName, std::move(v)); }
  double Multiplier() const { return FMultiplier; }
  void SetMultiplier(double v) { Change(FMultiplier, v); }
  TChartListOrder Order() const { return FOrder; }
  void SetOrder(TChartListOrder v) { Change(FOrder, v); }
  std::string ValueSource() const { return FValueSource; }
  void SetValueSource(std::string v) { Change(FValueSource, std::move(v)); }

  int Count() const { return static_cast<int>(FValues.size()); }
  // The value as stored times Multiplier; EListError outside 0..Count-1.
  double Value(int index) const;
  double MinValue() const;
  double MaxValue() const;

private:
  friend class TChartSeries;
  bool FDateTime = false;
  std::string FName;
  double FMultiplier = 1;
  TChartListOrder FOrder;
  std::string FValueSource;
  std::vector<double> FValues;
};

class TSeriesMarks : public TChartPart {
  KCL_CLASS(TSeriesMarks, TChartPart)
public:
  TSeriesMarks(int arrowLength, TChangeProc changed);
  TChartPen* Arrow() const { return FArrow.get(); }
  void SetArrow(TChartPen* v) { FArrow->Assign(v); }
  int ArrowLength() const { return FArrowLength; }
  void SetArrowLength(int v) { Change(FArrowLength, v); }
  TColor BackColor() const { return FBackColor; }
  void SetBackColor(TColor v) { Change(FBackColor, v); }
  bool Clip() const { return FClip; }
  void SetClip(bool v) { Change(FClip, v); }
  TFont* Font() const { return FFont.Font(); }
  void SetFont(TFont* v) { FFont.Assign(v); }
  bool FontStored() const { return FFont.Stored(); }
  TChartPen* Frame() const { return FFrame.get(); }
  void SetFrame(TChartPen* v) { FFrame->Assign(v); }
  TSeriesMarksStyle Style() const { return FStyle; }
  void SetStyle(TSeriesMarksStyle v) { Change(FStyle, v); }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v) { Change(FTransparent, v); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { Change(FVisible, v); }

private:
  std::unique_ptr<TChartPen> FArrow;
  int FArrowLength;
  TColor FBackColor;
  bool FClip = false;
  TPartFont FFont;
  std::unique_ptr<TChartPen> FFrame;
  TSeriesMarksStyle FStyle = smsLabel;
  bool FTransparent = false;
  bool FVisible = true;
};

using TSeriesClick =
    TEvent<void(TChartSeries* sender, int valueIndex, TMouseButton button, TShiftState shift, int x, int y)>;
using TSeriesOnGetMarkText = TEvent<void(TChartSeries* sender, int valueIndex, std::string& markText)>;
using TSeriesOnAfterAdd = TEvent<void(TChartSeries* sender, int valueIndex)>;
using TSeriesOnBeforeAdd = TEvent<bool(TChartSeries* sender)>;
using TSeriesOnClear = TEvent<void(TChartSeries* sender)>;

class TChartSeries : public TComponent {
  KCL_CLASS(TChartSeries, TComponent)
public:
  static constexpr const char* DefaultPercentFormat = "##0.## %";
  static constexpr const char* DefaultValueFormat = "#,##0.###";

  explicit TChartSeries(TComponent* owner);
  ~TChartSeries() override;
  void BeforeDestruction() override;

  bool Active() const { return FActive; }
  void SetActive(bool v) { Change(FActive, v); }
  bool ColorEachPoint() const { return FColorEachPoint; }
  void SetColorEachPoint(bool v) { Change(FColorEachPoint, v); }
  std::string ColorSource() const { return FColorSource; }
  void SetColorSource(std::string v) { Change(FColorSource, std::move(v)); }
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor v) { FCursor = v; }
  THorizAxis HorizAxis() const { return FHorizAxis; }
  void SetHorizAxis(THorizAxis v) { Change(FHorizAxis, v); }
  TSeriesMarks* Marks() const { return FMarks.get(); }
  void SetMarks(TSeriesMarks* v) { FMarks->Assign(v); }
  TCustomAxisPanel* ParentChart() const { return FParentChart; }
  // Leaves the old chart's list of series and joins the new one's.
  void SetParentChart(TCustomAxisPanel* chart);
  TComponent* DataSource() const { return FDataSource; }
  void SetDataSource(TComponent* v);
  std::string PercentFormat() const { return FPercentFormat; }
  void SetPercentFormat(std::string v) { Change(FPercentFormat, std::move(v)); }
  bool PercentFormatStored() const { return FPercentFormat != DefaultPercentFormat; }
  // clTeeColor until the series joins a chart, which gives it a colour of its palette.
  TColor SeriesColor() const { return FSeriesColor; }
  void SetSeriesColor(TColor v) { Change(FSeriesColor, v); }
  bool ShowInLegend() const { return FShowInLegend; }
  void SetShowInLegend(bool v) { Change(FShowInLegend, v); }
  std::string Title() const { return FTitle; }
  void SetTitle(std::string v) { Change(FTitle, std::move(v)); }
  std::string ValueFormat() const { return FValueFormat; }
  void SetValueFormat(std::string v) { Change(FValueFormat, std::move(v)); }
  bool ValueFormatStored() const { return FValueFormat != DefaultValueFormat; }
  TVertAxis VertAxis() const { return FVertAxis; }
  void SetVertAxis(TVertAxis v) { Change(FVertAxis, v); }
  std::string XLabelsSource() const { return FXLabelsSource; }
  void SetXLabelsSource(std::string v) { Change(FXLabelsSource, std::move(v)); }
  TChartValueList* XValues() const { return FXValues.get(); }
  void SetXValues(TChartValueList* v) { FXValues->Assign(v); }
  TChartValueList* YValues() const { return FYValues.get(); }
  void SetYValues(TChartValueList* v) { FYValues->Assign(v); }

  // Values. Add appends a point at the next X; OnBeforeAdd may refuse it (-1).
  int Add(double y, const std::string& label = {}, TColor color = clTeeColor);
  int AddXY(double x, double y, const std::string& label = {}, TColor color = clTeeColor);
  void Delete(int index);
  void Clear();
  int Count() const { return FYValues->Count(); }
  std::string XLabel(int index) const;
  // The colour of a point: its own, else the series colour.
  TColor ValueColor(int index) const;
  // The title shown in the legend: Title, else the component's name.
  std::string LegendTitle() const { return FTitle.empty() ? Name() : FTitle; }

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  void Notification(TComponent* component, TOperation operation) override;

  TSeriesOnAfterAdd OnAfterAdd;
  TSeriesOnBeforeAdd OnBeforeAdd;
  TSeriesOnClear OnClearValues;
  TSeriesClick OnClick;
  TSeriesClick OnDblClick;
  TSeriesOnGetMarkText OnGetMarkText;

protected:
  void Changed() const;
  template <class V>
  void Change(V& field, V value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  void RenameValues(const std::string& yName) { FYValues->FName = yName; }

private:
  struct Point {
    std::string Label;
    TColor Color;
  };

  bool FActive = true;
  bool FColorEachPoint = false;
  std::string FColorSource;
  TCursor FCursor = crDefault;
  THorizAxis FHorizAxis = aBottomAxis;
  std::unique_ptr<TSeriesMarks> FMarks;
  TCustomAxisPanel* FParentChart = nullptr;
  TComponent* FDataSource = nullptr;
  std::string FPercentFormat = DefaultPercentFormat;
  TColor FSeriesColor = clTeeColor;
  bool FShowInLegend = true;
  std::string FTitle;
  std::string FValueFormat = DefaultValueFormat;
  TVertAxis FVertAxis = aLeftAxis;
  std::string FXLabelsSource;
  std::unique_ptr<TChartValueList> FXValues;
  std::unique_ptr<TChartValueList> FYValues;
  std::vector<Point> FPoints;
};

class TCustomBarSeries : public TChartSeries {
  KCL_CLASS(TCustomBarSeries, TChartSeries)
public:
  explicit TCustomBarSeries(TComponent* owner);

  bool AutoMarkPosition() const { return FAutoMarkPosition; }
  void SetAutoMarkPosition(bool v) { Change(FAutoMarkPosition, v); }
  TBrush* BarBrush() const { return FBarBrush.get(); }
  void SetBarBrush(TBrush* v) { FBarBrush->Assign(v); }
  TChartPen* BarPen() const { return FBarPen.get(); }
  void SetBarPen(TChartPen* v) { FBarPen->Assign(v); }
  TBarStyle BarStyle() const { return FBarStyle; }
  void SetBarStyle(TBarStyle v) { Change(FBarStyle, v); }
  // Percent of the space of one value that its bars fill, 1..100.
  int BarWidthPercent() const { return FBarWidthPercent; }
  void SetBarWidthPercent(int v) { Change(FBarWidthPercent, std::clamp(v, 1, 100)); }
  bool Dark3D() const { return FDark3D; }
  void SetDark3D(bool v) { Change(FDark3D, v); }
  TMultiBar MultiBar() const { return FMultiBar; }
  void SetMultiBar(TMultiBar v) { Change(FMultiBar, v); }
  int OffsetPercent() const { return FOffsetPercent; }
  void SetOffsetPercent(int v) { Change(FOffsetPercent, v); }
  bool SideMargins() const { return FSideMargins; }
  void SetSideMargins(bool v) { Change(FSideMargins, v); }
  bool UseYOrigin() const { return FUseYOrigin; }
  void SetUseYOrigin(bool v) { Change(FUseYOrigin, v); }
  double YOrigin() const { return FYOrigin; }
  void SetYOrigin(double v) { Change(FYOrigin, v); }

private:
  bool FAutoMarkPosition = true;
  std::unique_ptr<TBrush> FBarBrush;
  std::unique_ptr<TChartPen> FBarPen;
  TBarStyle FBarStyle = bsRectangle;
  int FBarWidthPercent = 70;
  bool FDark3D = true;
  TMultiBar FMultiBar = TMultiBar::mbSide;
  int FOffsetPercent = 0;
  bool FSideMargins = true;
  bool FUseYOrigin = true;
  double FYOrigin = 0;
};

class TBarSeries : public TCustomBarSeries {
  KCL_CLASS(TBarSeries, TCustomBarSeries)
public:
  using TCustomBarSeries::TCustomBarSeries;
};

}  // namespace kcl
