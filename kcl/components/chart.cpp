#include "kcl/components/chart.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/reader.h"
#include "kcl/components/panelpublish.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

const std::vector<TParamRecord> MouseTail = {
    {0, "Button", "TMouseButton"}, {0, "Shift", "TShiftState"}, {0, "X", "Integer"}, {0, "Y", "Integer"}};

const TTypeInfo* ChartEventType(const char* name, std::vector<TParamRecord> params, bool withMouse = false) {
  if (withMouse) params.insert(params.end(), MouseTail.begin(), MouseTail.end());
  return MakeMethodType(name, mkProcedure, std::move(params));
}

const TTypeInfo* TChartClickType() {
  static const TTypeInfo* t = ChartEventType("TChartClick", {{0, "Sender", "TCustomChart"}}, true);
  return t;
}

}  // namespace

// --- TCustomAxisPanel

KCL_CLASS_INFO(TCustomAxisPanel) {}

TCustomAxisPanel::TCustomAxisPanel(TComponent* owner)
    : TCustomPanel(owner),
      FBottomAxis(std::make_unique<TChartAxis>(false, [this] { Invalidate(); })),
      FFrame(std::make_unique<TChartPen>()),
      FLeftAxis(std::make_unique<TChartAxis>(true, [this] { Invalidate(); })),
      FRightAxis(std::make_unique<TChartAxis>(true, [this] { Invalidate(); })),
      FTopAxis(std::make_unique<TChartAxis>(false, [this] { Invalidate(); })) {
  FControlStyle.Exclude(csSetCaption);
  NotifyChanges(*FFrame, [this] { Invalidate(); });
  SetBounds(Left(), Top(), 400, 250);
}

TCustomAxisPanel::~TCustomAxisPanel() = default;

void TCustomAxisPanel::BeforeDestruction() {
  FreeAllSeries();
  TCustomPanel::BeforeDestruction();
}

TChartSeries* TCustomAxisPanel::Series(int index) const {
  if (index < 0 || index >= SeriesCount()) throw EListError(Format(msg::ListIndexError, {index}));
  return FSeries[static_cast<size_t>(index)];
}

int TCustomAxisPanel::SeriesIndexOf(const TChartSeries* series) const {
  auto it = std::find(FSeries.begin(), FSeries.end(), series);
  return it == FSeries.end() ? -1 : static_cast<int>(it - FSeries.begin());
}

void TCustomAxisPanel::RemoveSeries(TChartSeries* series) {
  if (series && series->ParentChart() == this) series->SetParentChart(nullptr);
}

void TCustomAxisPanel::RemoveSeriesEntry(TChartSeries* series) {
  std::erase(FSeries, series);
  Invalidate();
}

void TCustomAxisPanel::FreeAllSeries() {
  while (!FSeries.empty()) FSeries.back()->Free();
}

TColor TCustomAxisPanel::PaletteColor(int index) {
  static constexpr TColor Palette[] = {clRed,    clGreen, clYellow, clBlue,   clWhite,  clGray,
                                       clFuchsia, clTeal, clNavy,   clMaroon, clLime,   clOlive,
                                       clPurple, clSilver, clAqua,  clBlack};
  constexpr int count = static_cast<int>(std::size(Palette));
  return Palette[((index % count) + count) % count];
}

void TCustomAxisPanel::GetChildren(const TGetChildProc& proc, TComponent* root) {
  TCustomPanel::GetChildren(proc, root);
  for (TChartSeries* series : FSeries)
    if (series->Owner() == root) proc(series);
}

// --- TCustomChart

KCL_CLASS_INFO(TCustomChart) {}

TCustomChart::TCustomChart(TComponent* owner)
    : TCustomAxisPanel(owner),
      FBackImage(std::make_unique<TPicture>()),
      FBackWall(std::make_unique<TChartWall>([this] { Invalidate(); })),
      FBottomWall(std::make_unique<TChartWall>([this] { Invalidate(); })),
      FFoot(std::make_unique<TChartTitle>(clRed, [this] { Invalidate(); })),
      FLeftWall(std::make_unique<TChartWall>([this] { Invalidate(); })),
      FLegend(std::make_unique<TChartLegend>([this] { Invalidate(); })),
      FTitle(std::make_unique<TChartTitle>(clBlue, [this] { Invalidate(); })) {
  if (IsDesigning()) FTitle->Text()->Add("TChart");
}

TCustomChart::~TCustomChart() = default;

void TCustomChart::ReadState(TReader& reader) {
  FTitle->Text()->Clear();
  TCustomAxisPanel::ReadState(reader);
}

KCL_CLASS_INFO(TChart) {
  using T = TChart;
  cls.property("AxisVisible", &T::AxisVisible, &T::SetAxisVisible).Default(true);
  cls.property("BackColor", &T::BackColor, &T::SetBackColor, TColorType()).Default(clTeeColor);
  cls.property("BottomAxis", &T::BottomAxis, &T::SetBottomAxis);
  cls.property("Chart3DPercent", &T::Chart3DPercent, &T::SetChart3DPercent).Default(15);
  cls.property("ClipPoints", &T::ClipPoints, &T::SetClipPoints).Default(true);
  cls.property("Frame", &T::Frame, &T::SetFrame);
  cls.property("LeftAxis", &T::LeftAxis, &T::SetLeftAxis);
  cls.property("Legend", &T::Legend, &T::SetLegend);
  cls.property("MaxPointsPerPage", &T::MaxPointsPerPage, &T::SetMaxPointsPerPage).Default(0);
  cls.property("Monochrome", &T::Monochrome, &T::SetMonochrome).Default(false);
  cls.property("RightAxis", &T::RightAxis, &T::SetRightAxis);
  cls.property("ScaleLastPage", &T::ScaleLastPage, &T::SetScaleLastPage).Default(true);
  cls.property("TopAxis", &T::TopAxis, &T::SetTopAxis);
  cls.property("View3D", &T::View3D, &T::SetView3D).Default(true);
  cls.property("View3DWalls", &T::View3DWalls, &T::SetView3DWalls).Default(true);

  cls.property("AllowPanning", &T::AllowPanning, &T::SetAllowPanning).Default(pmBoth);
  cls.property("AllowZoom", &T::AllowZoom, &T::SetAllowZoom).Default(true);
  cls.property("AnimatedZoom", &T::AnimatedZoom, &T::SetAnimatedZoom).Default(false);
  cls.property("AnimatedZoomSteps", &T::AnimatedZoomSteps, &T::SetAnimatedZoomSteps).Default(8);
  cls.property("BackImage", &T::BackImage, &T::SetBackImage);
  cls.property("BackImageInside", &T::BackImageInside, &T::SetBackImageInside).Default(false);
  cls.property("BackImageMode", &T::BackImageMode, &T::SetBackImageMode).Default(pbmStretch);
  cls.property("BackWall", &T::BackWall, &T::SetBackWall);
  cls.property("BottomWall", &T::BottomWall, &T::SetBottomWall);
  cls.property("Foot", &T::Foot, &T::SetFoot);
  cls.property("LeftWall", &T::LeftWall, &T::SetLeftWall);
  cls.property("MarginBottom", &T::MarginBottom, &T::SetMarginBottom).Default(4);
  cls.property("MarginLeft", &T::MarginLeft, &T::SetMarginLeft).Default(3);
  cls.property("MarginRight", &T::MarginRight, &T::SetMarginRight).Default(3);
  cls.property("MarginTop", &T::MarginTop, &T::SetMarginTop).Default(4);
  cls.property("Title", &T::Title, &T::SetTitle);

  cls.event("OnAllowScroll", &T::OnAllowScroll,
            ChartEventType("TChartAllowScrollEvent", {{0, "Sender", "TChartAxis"},
                                                      {pfVar, "AMin", "Double"},
                                                      {pfVar, "AMax", "Double"},
                                                      {pfVar, "AllowScroll", "Boolean"}}));
  cls.event("OnClickAxis", &T::OnClickAxis,
            ChartEventType("TChartClickAxis", {{0, "Sender", "TCustomChart"}, {0, "Axis", "TChartAxis"}}, true));
  cls.event("OnClickBackground", &T::OnClickBackground, TChartClickType());
  cls.event("OnClickLegend", &T::OnClickLegend, TChartClickType());
  cls.event("OnClickSeries", &T::OnClickSeries,
            ChartEventType("TChartClickSeries",
                           {{0, "Sender", "TCustomChart"}, {0, "Series", "TChartSeries"}, {0, "ValueIndex", "Longint"}},
                           true));
  cls.event("OnGetAxisLabel", &T::OnGetAxisLabel,
            ChartEventType("TAxisOnGetLabel", {{0, "Sender", "TChartAxis"},
                                               {0, "Series", "TChartSeries"},
                                               {0, "ValueIndex", "Longint"},
                                               {pfVar, "LabelText", "String"}}));
  cls.event("OnGetLegendPos", &T::OnGetLegendPos,
            ChartEventType("TOnGetLegendPos", {{0, "Sender", "TCustomChart"},
                                               {0, "Index", "Longint"},
                                               {pfVar, "X", "Integer"},
                                               {pfVar, "Y", "Integer"},
                                               {pfVar, "XColor", "Integer"}}));
  cls.event("OnGetLegendRect", &T::OnGetLegendRect,
            ChartEventType("TOnGetLegendRect", {{0, "Sender", "TCustomChart"}, {pfVar, "Rect", "TRect"}}));
  cls.event("OnGetLegendText", &T::OnGetLegendText,
            ChartEventType("TOnGetLegendText", {{0, "Sender", "TCustomAxisPanel"},
                                                {0, "LegendStyle", "TLegendStyle"},
                                                {0, "Index", "Longint"},
                                                {pfVar, "LegendText", "String"}}));
  cls.event("OnGetNextAxisLabel", &T::OnGetNextAxisLabel,
            ChartEventType("TAxisOnGetNextLabel", {{0, "Sender", "TChartAxis"},
                                                   {0, "LabelIndex", "Longint"},
                                                   {pfVar, "LabelValue", "Double"},
                                                   {pfVar, "Stop", "Boolean"}}));
  cls.event("OnPageChange", &T::OnPageChange, TNotifyEventType());
  cls.event("OnScroll", &T::OnScroll, TNotifyEventType());
  cls.event("OnUndoZoom", &T::OnUndoZoom, TNotifyEventType());
  cls.event("OnZoom", &T::OnZoom, TNotifyEventType());

  cls.publish({"Align"});
  PublishPanelBorders(cls);
  cls.publish({"Color", "DragCursor", "DragMode", "Enabled", "ParentColor", "ParentShowHint", "PopupMenu", "ShowHint",
                "TabOrder", "TabStop", "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag",
                "OnEnter", "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
  cls.event("OnResize", &T::OnResize, TNotifyEventType());
  cls.publish({"OnStartDrag"});
}

void RegisterCharts() {
  static const bool registered = [] {
    RegisterClasses({&TChart::StaticClass(), &TBarSeries::StaticClass()});
    return true;
  }();
  (void)registered;
}

}  // namespace kcl
