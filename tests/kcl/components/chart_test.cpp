// Charts and bar series: Delphi 3's published properties, what a freshly placed
// chart writes, the sample forms' charts read and written back byte for byte,
// the series' life on their chart, and the bars drawn and clicked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "kcl/classes/objecttext.h"
#include "kcl/components/chart.h"
#include "kcl/controls/form.h"
#include "support/formrecords.h"
#include "support/formtext.h"
#include "support/propnames.h"
#include "support/recordroot.h"
#include "support/samplefiles.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

namespace {

TBarSeries* AddBarSeries(TForm* form, TCustomAxisPanel* chart, const std::string& name) {
  auto* series = new TBarSeries(form);
  series->SetName(name);
  series->SetParentChart(chart);
  return series;
}

RecordRootPtr ReadRecord(const std::string& record, bool designing) {
  RecordRootPtr root = NewRecordRoot();
  root->SetDesigning(designing);
  ReadText(root.get(), RecordRootText(Indented(record)));
  return root;
}

QColor QtColorOf(TColor color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

TPoint Center(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

}  // namespace

TEST(Charts, PublishTeeChartsPropertiesInItsOrder) {
  const std::string control = "Name Tag Left Top Width Height Cursor Hint HelpContext ";
  EXPECT_EQ(DeclaredPropNames(&TChart::StaticClass()),
            control +
                "AxisVisible BackColor BottomAxis Chart3DPercent ClipPoints Frame LeftAxis Legend MaxPointsPerPage "
                "Monochrome RightAxis ScaleLastPage TopAxis View3D View3DWalls AllowPanning AllowZoom AnimatedZoom "
                "AnimatedZoomSteps BackImage BackImageInside BackImageMode BackWall BottomWall Foot LeftWall "
                "MarginBottom MarginLeft MarginRight MarginTop Title OnAllowScroll OnClickAxis OnClickBackground "
                "OnClickLegend OnClickSeries OnGetAxisLabel OnGetLegendPos OnGetLegendRect OnGetLegendText "
                "OnGetNextAxisLabel OnPageChange OnScroll OnUndoZoom OnZoom Align BevelInner BevelOuter BevelWidth "
                "BorderWidth BorderStyle Color DragCursor DragMode Enabled ParentColor ParentShowHint PopupMenu "
                "ShowHint TabOrder TabStop Visible OnClick OnDblClick OnDragDrop OnDragOver OnEndDrag OnEnter OnExit "
                "OnMouseDown OnMouseMove OnMouseUp OnResize OnStartDrag");
  EXPECT_EQ(DeclaredPropNames(&TBarSeries::StaticClass()),
            "Name Tag Active ColorEachPoint ColorSource Cursor HorizAxis Marks ParentChart DataSource PercentFormat "
            "SeriesColor ShowInLegend Title ValueFormat VertAxis XLabelsSource OnAfterAdd OnBeforeAdd OnClearValues "
            "OnClick OnDblClick OnGetMarkText AutoMarkPosition BarBrush BarPen BarStyle BarWidthPercent Dark3D "
            "MultiBar OffsetPercent SideMargins UseYOrigin YOrigin XValues YValues");
  EXPECT_EQ(DeclaredPropNames(&TChartValueList::StaticClass()), "DateTime Name Multiplier Order ValueSource");
  EXPECT_EQ(DeclaredPropNames(&TSeriesMarks::StaticClass()),
            "Arrow ArrowLength BackColor Clip Font Frame Style Transparent Visible");
  EXPECT_EQ(DeclaredPropNames(&TChartTitle::StaticClass()), "AdjustFrame Alignment Brush Font Frame Text Visible");
  EXPECT_EQ(DeclaredPropNames(&TChartWall::StaticClass()), "Brush Color Dark3D Pen Size");
  EXPECT_EQ(DeclaredPropNames(&TChartPen::StaticClass()), "Color Mode Style Width Visible");
  EXPECT_EQ(DeclaredPropNames(&TChartLegend::StaticClass()),
            "Alignment Color ColorWidth Font Frame HorizMargin LegendStyle MaxNumRows ResizeChart ShadowColor "
            "ShadowSize TextStyle TopPos VertMargin Visible");
  EXPECT_EQ(DeclaredPropNames(&TChartAxis::StaticClass()),
            "Automatic AutomaticMaximum AutomaticMinimum Axis AxisValuesFormat DateTimeFormat ExactDateTime Grid "
            "Increment Inverted Labels LabelsAngle LabelsFont LabelsOnAxis LabelsSeparation LabelsSize LabelStyle "
            "Logarithmic Maximum Minimum MinorGrid MinorTickCount MinorTickLength MinorTicks TickInnerLength "
            "TickLength Ticks TicksInner TickOnLabelsOnly Title TitleSize Visible");
  EXPECT_EQ(DeclaredPropNames(&TChartAxisTitle::StaticClass()), "Angle Caption Font");
  for (TClass cls : {&TChart::StaticClass(), &TBarSeries::StaticClass(), &TChartAxis::StaticClass(),
                     &TChartLegend::StaticClass(), &TSeriesMarks::StaticClass()})
    ExpectListedInNameOrder(cls);

  // Types the inspector and the handler declarations show.
  const TTypeInfo* multiBar = GetPropInfo(&TBarSeries::StaticClass(), "MultiBar")->PropType;
  EXPECT_EQ(GetEnumName(multiBar, 0) + GetEnumName(multiBar, 3), "mbNonembStacked100");
  EXPECT_EQ(GetPropInfo(&TBarSeries::StaticClass(), "SeriesColor")->PropType->Name, "TColor");
  EXPECT_EQ(GetPropInfo(&TBarSeries::StaticClass(), "ParentChart")->PropType->Name, "TCustomAxisPanel");
  const TTypeData* click = GetTypeData(GetPropInfo(&TBarSeries::StaticClass(), "OnClick")->PropType);
  ASSERT_EQ(click->Params.size(), 6u);
  EXPECT_EQ(click->Params[0].TypeName, "TChartSeries");
  EXPECT_EQ(click->Params[3].TypeName, "TShiftState");
  const TTypeData* legendPos = GetTypeData(GetPropInfo(&TChart::StaticClass(), "OnGetLegendPos")->PropType);
  ASSERT_EQ(legendPos->Params.size(), 5u);
  EXPECT_EQ(legendPos->Params[4].Flags, pfVar);
  EXPECT_EQ(legendPos->Params[4].ParamName, "XColor");
}

TEST(Charts, AFreshlyPlacedChartWritesItsTitleAndSeriesTheirValueLists) {
  RegisterCharts();
  FormPtr form(new TForm(nullptr));
  form->SetName("Form1");
  form->SetDesigning(true);
  TChart* chart = Place<TChart>(form.get(), "Chart1", 8, 16);
  AddBarSeries(form.get(), chart, "Series1");
  EXPECT_EQ(RecordOf(WriteTextLf(form.get()), "Chart1"),
            "object Chart1: TChart\n"
            "  Left = 8\n  Top = 16\n  Width = 400\n  Height = 250\n"
            "  Title.Text.Strings = (\n    'TChart')\n"
            "  TabOrder = 0\n"
            "  object Series1: TBarSeries\n"
            "    Marks.ArrowLength = 20\n    Marks.Visible = True\n    SeriesColor = clRed\n"
            "    XValues.DateTime = False\n    XValues.Name = 'X'\n    XValues.Multiplier = 1.0\n"
            "    XValues.Order = loAscending\n"
            "    YValues.DateTime = False\n    YValues.Name = 'Bar'\n    YValues.Multiplier = 1.0\n"
            "    YValues.Order = loNone\n"
            "  end\n"
            "end\n");
  // Parts stream what was changed on them, and only that.
  chart->LeftAxis()->Grid()->SetVisible(false);
  chart->LeftAxis()->Title()->SetAngle(0);
  chart->Legend()->Font()->SetColor(clRed);
  chart->Foot()->Font()->SetColor(clRed);  // the foot's own colour
  const std::string text = RecordOf(WriteTextLf(form.get()), "Chart1");
  EXPECT_NE(text.find("  LeftAxis.Grid.Visible = False\n  LeftAxis.Title.Angle = 0\n  Legend.Font.Charset"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("Foot."), std::string::npos);
}

TEST(Charts, SampleFormChartsLoadAndWriteBackUnchanged) {
  RegisterCharts();
  for (const char* file : {"11/GRAPH1/GRAPHF.DFM", "11/GRAPH2/GRAPHF.DFM", "29/GRAPH3/GRAPHF.DFM",
                           "29/GRAPH4/GRAPHF.DFM"}) {
    SCOPED_TRACE(file);
    const std::string record = SampleRecord(file, "Chart1");
    RecordRootPtr root = ReadRecord(record, false);
    root->SetDesigning(true);
    auto* chart = static_cast<TChart*>(root->FindComponent("Chart1"));
    ASSERT_EQ(chart->SeriesCount(), 4);
    EXPECT_EQ(chart->Series(3)->SeriesColor(), clBlue);
    EXPECT_EQ(chart->Title()->Text()->Strings(0), "Simple TeeChart Demo for Mastering Delphi");
    EXPECT_EQ(RecordOf(ObjectBinaryToText(WriteBinary(root.get())), "Chart1"), record);
  }
}

TEST(Charts, ReadingKeepsWhatTheFileSays) {
  RegisterCharts();
  // Neither the designer's default title nor a palette colour is added to what
  // a file gives.
  const std::string record =
      "object Chart1: TChart\n  Left = 0\n  Top = 0\n  Width = 400\n  Height = 250\n  TabOrder = 0\n"
      "  object Series1: TBarSeries\n    Marks.ArrowLength = 20\n    Marks.Visible = True\n"
      "    XValues.DateTime = False\n    XValues.Name = 'X'\n    XValues.Multiplier = 1.0\n"
      "    XValues.Order = loAscending\n    YValues.DateTime = False\n    YValues.Name = 'Bar'\n"
      "    YValues.Multiplier = 1.0\n    YValues.Order = loNone\n  end\nend\n";
  RecordRootPtr root = ReadRecord(record, true);
  auto* chart = static_cast<TChart*>(root->FindComponent("Chart1"));
  EXPECT_EQ(chart->Title()->Text()->Count(), 0);
  EXPECT_EQ(chart->Series(0)->SeriesColor(), clTeeColor);
  EXPECT_EQ(RecordOf(WriteTextLf(root.get()), "Chart1"), record);
}

TEST(Charts, SeriesLiveOnTheirChart) {
  FormPtr form(new TForm(nullptr));
  TChart* chart = Place<TChart>(form.get(), "Chart1", 0, 0);
  TBarSeries* first = AddBarSeries(form.get(), chart, "Series1");
  TBarSeries* second = AddBarSeries(form.get(), chart, "Series2");
  EXPECT_EQ(chart->SeriesCount(), 2);
  EXPECT_EQ(first->SeriesColor(), clRed);
  EXPECT_EQ(second->SeriesColor(), clGreen);
  EXPECT_EQ(second->GetParentComponent(), chart);

  second->Add(5);
  second->AddXY(0.5, 7, "half");
  second->Add(9, "", clYellow);
  ASSERT_EQ(second->Count(), 3);
  EXPECT_EQ(second->XLabel(1), "half");  // X values stay in ascending order
  EXPECT_EQ(second->YValues()->Value(1), 7);
  EXPECT_EQ(second->XValues()->Value(2), 1.5);
  EXPECT_EQ(second->ValueColor(2), clYellow);
  second->YValues()->SetMultiplier(2);
  EXPECT_EQ(second->YValues()->MaxValue(), 18);
  EXPECT_THROW(second->XLabel(3), EListError);
  second->OnBeforeAdd.SetHandler([](TChartSeries*) { return false; });
  EXPECT_EQ(second->Add(1), -1);
  EXPECT_EQ(second->Count(), 3);

  first->Free();
  EXPECT_EQ(chart->SeriesCount(), 1);
  chart->RemoveSeries(second);
  EXPECT_EQ(chart->SeriesCount(), 0);
  EXPECT_EQ(second->ParentChart(), nullptr);
  chart->AddSeries(second);
  // The chart takes its series with it.
  chart->Free();
  EXPECT_EQ(form->FindComponent("Series2"), nullptr);
}

TEST(Charts, DrawTheirBarsAndReportClicksOnThem) {
  FormPtr form = NewForm(500, 400);
  TChart* chart = Place<TChart>(form.get(), "Chart1", 0, 0);
  chart->SetView3D(false);
  TBarSeries* series = AddBarSeries(form.get(), chart, "Series1");
  series->Add(10);
  series->Add(30);
  form->Show();
  const TChartLayout layout = chart->Layout();
  ASSERT_EQ(layout.Bars.size(), 2u);
  const TRect low = layout.Bars[0].Front, high = layout.Bars[1].Front;
  EXPECT_LT(high.Top, low.Top);
  EXPECT_EQ(high.Bottom, low.Bottom);
  const QImage shot = chart->Widget()->grab().toImage();
  EXPECT_EQ(shot.pixelColor(Center(low).X, Center(low).Y), QtColorOf(clRed));
  EXPECT_EQ(shot.pixelColor(Center(high).X, Center(high).Y), QtColorOf(clRed));
  EXPECT_NE(shot.pixelColor(Center(low).X, high.Top + 2), QtColorOf(clRed));  // above the lower bar

  TChartSeries* clickedSeries = nullptr;
  int clickedIndex = -1;
  bool background = false;
  chart->OnClickSeries.SetHandler([&](TCustomChart*, TChartSeries* s, int index, TMouseButton, TShiftState, int, int) {
    clickedSeries = s;
    clickedIndex = index;
  });
  chart->OnClickBackground.SetHandler([&](TCustomChart*, TMouseButton, TShiftState, int, int) { background = true; });
  QTest::mouseClick(chart->Widget(), Qt::LeftButton, {}, QPoint(Center(high).X, Center(high).Y));
  EXPECT_EQ(clickedSeries, series);
  EXPECT_EQ(clickedIndex, 1);
  QTest::mouseClick(chart->Widget(), Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_TRUE(background);
}

TEST(Charts, ShowSampleBarsAtDesignTime) {
  FormPtr form = NewForm(500, 400);
  form->SetDesigning(true);
  TChart* chart = Place<TChart>(form.get(), "Chart1", 0, 0);
  AddBarSeries(form.get(), chart, "Series1")->SetSeriesColor(clBlue);
  form->Show();
  const TChartLayout layout = chart->Layout();
  ASSERT_EQ(layout.Bars.size(), static_cast<size_t>(TCustomChart::SampleCount));
  EXPECT_EQ(layout.SlotLabels.front(), "0");
  const QImage shot = chart->Widget()->grab().toImage();
  for (const TChartLayout::Bar& bar : layout.Bars)
    EXPECT_EQ(shot.pixelColor(Center(bar.Front).X, Center(bar.Front).Y), QtColorOf(clBlue));
}
