#include "kcl/components/chartseries.h"

#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/components/chart.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

// The method types of the series' events.
const TTypeInfo* SeriesEventType(const char* name, std::vector<TParamRecord> params, std::string result = {}) {
  params.insert(params.begin(), {0, "Sender", "TChartSeries"});
  return MakeMethodType(name, result.empty() ? mkProcedure : mkFunction, std::move(params), std::move(result));
}

const TTypeInfo* TSeriesClickType() {
  static const TTypeInfo* t = SeriesEventType("TSeriesClick", {{0, "ValueIndex", "Longint"},
                                                               {0, "Button", "TMouseButton"},
                                                               {0, "Shift", "TShiftState"},
                                                               {0, "X", "Integer"},
                                                               {0, "Y", "Integer"}});
  return t;
}

void CheckIndex(int index, int count) {
  if (index < 0 || index >= count) throw EListError(Format(msg::ListIndexError, {index}));
}

}  // namespace

// --- TChartValueList

KCL_CLASS_INFO(TChartValueList) {
  using T = TChartValueList;
  cls.property("DateTime", &T::DateTime, &T::SetDateTime);
  cls.property("Name", &T::Name, &T::SetName);
  cls.property("Multiplier", &T::Multiplier, &T::SetMultiplier);
  cls.property("Order", &T::Order, &T::SetOrder);
  cls.property("ValueSource", &T::ValueSource, &T::SetValueSource);
}

TChartValueList::TChartValueList(std::string name, TChartListOrder order, TChangeProc changed)
    : TChartPart(std::move(changed)), FName(std::move(name)), FOrder(order) {}

double TChartValueList::Value(int index) const {
  CheckIndex(index, Count());
  return FValues[static_cast<size_t>(index)] * FMultiplier;
}

double TChartValueList::MinValue() const {
  return FValues.empty() ? 0 : *std::min_element(FValues.begin(), FValues.end()) * FMultiplier;
}

double TChartValueList::MaxValue() const {
  return FValues.empty() ? 0 : *std::max_element(FValues.begin(), FValues.end()) * FMultiplier;
}

// --- TSeriesMarks

KCL_CLASS_INFO(TSeriesMarks) {
  using T = TSeriesMarks;
  cls.property("Arrow", &T::Arrow, &T::SetArrow);
  cls.property("ArrowLength", &T::ArrowLength, &T::SetArrowLength);
  cls.property("BackColor", &T::BackColor, &T::SetBackColor, TColorType()).Default(TColor(0x80FFFF));
  cls.property("Clip", &T::Clip, &T::SetClip).Default(false);
  cls.property("Font", &T::Font, &T::SetFont).Stored(&T::FontStored);
  cls.property("Frame", &T::Frame, &T::SetFrame);
  cls.property("Style", &T::Style, &T::SetStyle).Default(smsLabel);
  cls.property("Transparent", &T::Transparent, &T::SetTransparent).Default(false);
  cls.property("Visible", &T::Visible, &T::SetVisible);
}

TSeriesMarks::TSeriesMarks(int arrowLength, TChangeProc changed)
    : TChartPart(std::move(changed)),
      FArrow(std::make_unique<TChartPen>(clWhite)),
      FArrowLength(arrowLength),
      FBackColor(0x80FFFF),
      FFont(clBlack, {}, ChangeProc()),
      FFrame(std::make_unique<TChartPen>()) {
  NotifyChanges(*FArrow, ChangeProc());
  NotifyChanges(*FFrame, ChangeProc());
}

// --- TChartSeries

KCL_CLASS_INFO(TChartSeries) {
  using T = TChartSeries;
  cls.property("Active", &T::Active, &T::SetActive).Default(true);
  cls.property("ColorEachPoint", &T::ColorEachPoint, &T::SetColorEachPoint).Default(false);
  cls.property("ColorSource", &T::ColorSource, &T::SetColorSource);
  cls.property("Cursor", &T::Cursor, &T::SetCursor, TCursorType()).Default(crDefault);
  cls.property("HorizAxis", &T::HorizAxis, &T::SetHorizAxis).Default(aBottomAxis);
  cls.property("Marks", &T::Marks, &T::SetMarks);
  cls.property("ParentChart", &T::ParentChart, &T::SetParentChart).Stored(false);
  cls.property("DataSource", &T::DataSource, &T::SetDataSource);
  cls.property("PercentFormat", &T::PercentFormat, &T::SetPercentFormat).Stored(&T::PercentFormatStored);
  cls.property("SeriesColor", &T::SeriesColor, &T::SetSeriesColor, TColorType()).Default(clTeeColor);
  cls.property("ShowInLegend", &T::ShowInLegend, &T::SetShowInLegend).Default(true);
  cls.property("Title", &T::Title, &T::SetTitle);
  cls.property("ValueFormat", &T::ValueFormat, &T::SetValueFormat).Stored(&T::ValueFormatStored);
  cls.property("VertAxis", &T::VertAxis, &T::SetVertAxis).Default(aLeftAxis);
  cls.property("XLabelsSource", &T::XLabelsSource, &T::SetXLabelsSource);
  cls.event("OnAfterAdd", &T::OnAfterAdd, SeriesEventType("TSeriesOnAfterAdd", {{0, "ValueIndex", "Longint"}}));
  cls.event("OnBeforeAdd", &T::OnBeforeAdd, SeriesEventType("TSeriesOnBeforeAdd", {}, "Boolean"));
  cls.event("OnClearValues", &T::OnClearValues, SeriesEventType("TSeriesOnClear", {}));
  cls.event("OnClick", &T::OnClick, TSeriesClickType());
  cls.event("OnDblClick", &T::OnDblClick, TSeriesClickType());
  cls.event("OnGetMarkText", &T::OnGetMarkText,
            SeriesEventType("TSeriesOnGetMarkText", {{0, "ValueIndex", "Longint"}, {pfVar, "MarkText", "String"}}));
}

TChartSeries::TChartSeries(TComponent* owner)
    : TComponent(owner),
      FMarks(std::make_unique<TSeriesMarks>(8, [this] { Changed(); })),
      FXValues(std::make_unique<TChartValueList>("X", loAscending, [this] { Changed(); })),
      FYValues(std::make_unique<TChartValueList>("Y", loNone, [this] { Changed(); })) {}

TChartSeries::~TChartSeries() = default;

void TChartSeries::BeforeDestruction() {
  SetParentChart(nullptr);
  TComponent::BeforeDestruction();
}

void TChartSeries::Changed() const {
  if (FParentChart) FParentChart->Invalidate();
}

void TChartSeries::SetParentChart(TCustomAxisPanel* chart) {
  if (chart == FParentChart) return;
  if (FParentChart) FParentChart->RemoveSeriesEntry(this);
  FParentChart = chart;
  if (!chart) return;
  chart->FreeNotification(this);
  chart->AddSeriesEntry(this);
  // A series put on a chart takes the next colour of the chart's palette; one
  // being read keeps the colour its file gives (or none).
  if (FSeriesColor == clTeeColor && !IsLoading()) FSeriesColor = chart->PaletteColor(chart->SeriesIndexOf(this));
  Changed();
}

void TChartSeries::SetDataSource(TComponent* v) {
  if (v == this) return;
  FDataSource = v;
  if (v) v->FreeNotification(this);
}

void TChartSeries::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FParentChart) FParentChart = nullptr;
  if (component == FDataSource) FDataSource = nullptr;
}

TComponent* TChartSeries::GetParentComponent() const { return FParentChart; }

void TChartSeries::SetParentComponent(TComponent* parent) {
  if (auto* chart = dynamic_cast<TCustomAxisPanel*>(parent)) SetParentChart(chart);
}

int TChartSeries::Add(double y, const std::string& label, TColor color) {
  return AddXY(Count() == 0 ? 0 : FXValues->FValues.back() + 1, y, label, color);
}

int TChartSeries::AddXY(double x, double y, const std::string& label, TColor color) {
  if (OnBeforeAdd.Assigned() && !OnBeforeAdd(this)) return -1;
  auto& xs = FXValues->FValues;
  auto at = xs.end();
  if (FXValues->Order() == loAscending) at = std::upper_bound(xs.begin(), xs.end(), x);
  else if (FXValues->Order() == loDescending) at = std::upper_bound(xs.begin(), xs.end(), x, std::greater<>());
  const auto index = at - xs.begin();
  xs.insert(at, x);
  FYValues->FValues.insert(FYValues->FValues.begin() + index, y);
  FPoints.insert(FPoints.begin() + index, Point{label, color});
  OnAfterAdd(this, static_cast<int>(index));
  Changed();
  return static_cast<int>(index);
}

void TChartSeries::Delete(int index) {
  CheckIndex(index, Count());
  FXValues->FValues.erase(FXValues->FValues.begin() + index);
  FYValues->FValues.erase(FYValues->FValues.begin() + index);
  FPoints.erase(FPoints.begin() + index);
  Changed();
}

void TChartSeries::Clear() {
  FXValues->FValues.clear();
  FYValues->FValues.clear();
  FPoints.clear();
  OnClearValues(this);
  Changed();
}

std::string TChartSeries::XLabel(int index) const {
  CheckIndex(index, Count());
  return FPoints[static_cast<size_t>(index)].Label;
}

TColor TChartSeries::ValueColor(int index) const {
  if (index >= 0 && index < Count() && FPoints[static_cast<size_t>(index)].Color != clTeeColor)
    return FPoints[static_cast<size_t>(index)].Color;
  if (FColorEachPoint && FParentChart) return FParentChart->PaletteColor(index);
  return FSeriesColor;
}

// --- bar series

KCL_CLASS_INFO(TCustomBarSeries) {
  using T = TCustomBarSeries;
  cls.property("AutoMarkPosition", &T::AutoMarkPosition, &T::SetAutoMarkPosition).Default(true);
  cls.property("BarBrush", &T::BarBrush, &T::SetBarBrush);
  cls.property("BarPen", &T::BarPen, &T::SetBarPen);
  cls.property("BarStyle", &T::BarStyle, &T::SetBarStyle).Default(bsRectangle);
  cls.property("BarWidthPercent", &T::BarWidthPercent, &T::SetBarWidthPercent).Default(70);
  cls.property("Dark3D", &T::Dark3D, &T::SetDark3D).Default(true);
  cls.property("MultiBar", &T::MultiBar, &T::SetMultiBar).Default(TMultiBar::mbSide);
  cls.property("OffsetPercent", &T::OffsetPercent, &T::SetOffsetPercent).Default(0);
  cls.property("SideMargins", &T::SideMargins, &T::SetSideMargins).Default(true);
  cls.property("UseYOrigin", &T::UseYOrigin, &T::SetUseYOrigin).Default(true);
  cls.property("YOrigin", &T::YOrigin, &T::SetYOrigin);
  cls.property("XValues", &T::XValues, &T::SetXValues);
  cls.property("YValues", &T::YValues, &T::SetYValues);
}

KCL_CLASS_INFO(TBarSeries) {}

TCustomBarSeries::TCustomBarSeries(TComponent* owner)
    : TChartSeries(owner), FBarBrush(std::make_unique<TBrush>()), FBarPen(std::make_unique<TChartPen>()) {
  RenameValues("Bar");
  Marks()->SetArrowLength(20);
  NotifyChanges(*FBarBrush, [this] { Changed(); });
  NotifyChanges(*FBarPen, [this] { Changed(); });
}

}  // namespace kcl
