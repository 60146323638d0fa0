#pragma once
// TChartAxis: one of a chart's four axes, with its scale (automatic or fixed),
// its labels, ticks, grid and title.
#include <string>

#include "kcl/components/chartparts.h"

namespace kcl {

KCL_ENUM(TAxisLabelStyle, talAuto, talNone, talValue, talMark, talText)

class TChartAxisTitle : public TChartPart {
  KCL_CLASS(TChartAxisTitle, TChartPart)
public:
  TChartAxisTitle(int angle, TChangeProc changed);
  int Angle() const { return FAngle; }
  void SetAngle(int v) { Change(FAngle, v); }
  bool AngleStored() const { return FAngle != FDefaultAngle; }
  std::string Caption() const { return FCaption; }
  void SetCaption(std::string v) { Change(FCaption, std::move(v)); }
  TFont* Font() const { return FFont.Font(); }
  void SetFont(TFont* v) { FFont.Assign(v); }
  bool FontStored() const { return FFont.Stored(); }

private:
  int FDefaultAngle;
  int FAngle;
  std::string FCaption;
  TPartFont FFont;
};

class TChartAxis : public TChartPart {
  KCL_CLASS(TChartAxis, TChartPart)
public:
  static constexpr const char* DefaultValuesFormat = "#,##0.###";

  // Vertical axes turn their title by 90 degrees.
  TChartAxis(bool vertical, TChangeProc changed);

  bool Vertical() const { return FVertical; }
  bool Automatic() const { return FAutomatic; }
  void SetAutomatic(bool v) { Change(FAutomatic, v); }
  bool AutomaticMaximum() const { return FAutomaticMaximum; }
  void SetAutomaticMaximum(bool v) { Change(FAutomaticMaximum, v); }
  bool AutomaticMinimum() const { return FAutomaticMinimum; }
  void SetAutomaticMinimum(bool v) { Change(FAutomaticMinimum, v); }
  TChartPen* Axis() const { return FAxis.get(); }
  void SetAxis(TChartPen* v) { FAxis->Assign(v); }
  std::string AxisValuesFormat() const { return FAxisValuesFormat; }
  void SetAxisValuesFormat(std::string v) { Change(FAxisValuesFormat, std::move(v)); }
  bool AxisValuesFormatStored() const { return FAxisValuesFormat != DefaultValuesFormat; }
  std::string DateTimeFormat() const { return FDateTimeFormat; }
  void SetDateTimeFormat(std::string v) { Change(FDateTimeFormat, std::move(v)); }
  bool ExactDateTime() const { return FExactDateTime; }
  void SetExactDateTime(bool v) { Change(FExactDateTime, v); }
  TChartPen* Grid() const { return FGrid.get(); }
  void SetGrid(TChartPen* v) { FGrid->Assign(v); }
  double Increment() const { return FIncrement; }
  void SetIncrement(double v) { Change(FIncrement, v < 0 ? 0 : v); }
  bool Inverted() const { return FInverted; }
  void SetInverted(bool v) { Change(FInverted, v); }
  bool Labels() const { return FLabels; }
  void SetLabels(bool v) { Change(FLabels, v); }
  int LabelsAngle() const { return FLabelsAngle; }
  void SetLabelsAngle(int v) { Change(FLabelsAngle, v); }
  TFont* LabelsFont() const { return FLabelsFont.Font(); }
  void SetLabelsFont(TFont* v) { FLabelsFont.Assign(v); }
  bool LabelsFontStored() const { return FLabelsFont.Stored(); }
  bool LabelsOnAxis() const { return FLabelsOnAxis; }
  void SetLabelsOnAxis(bool v) { Change(FLabelsOnAxis, v); }
  int LabelsSeparation() const { return FLabelsSeparation; }
  void SetLabelsSeparation(int v) { Change(FLabelsSeparation, v); }
  int LabelsSize() const { return FLabelsSize; }
  void SetLabelsSize(int v) { Change(FLabelsSize, v); }
  TAxisLabelStyle LabelStyle() const { return FLabelStyle; }
  void SetLabelStyle(TAxisLabelStyle v) { Change(FLabelStyle, v); }
  bool Logarithmic() const { return FLogarithmic; }
  void SetLogarithmic(bool v) { Change(FLogarithmic, v); }
  double Maximum() const { return FMaximum; }
  void SetMaximum(double v) { Change(FMaximum, v); }
  double Minimum() const { return FMinimum; }
  void SetMinimum(double v) { Change(FMinimum, v); }
  TChartPen* MinorGrid() const { return FMinorGrid.get(); }
  void SetMinorGrid(TChartPen* v) { FMinorGrid->Assign(v); }
  int MinorTickCount() const { return FMinorTickCount; }
  void SetMinorTickCount(int v) { Change(FMinorTickCount, v); }
  int MinorTickLength() const { return FMinorTickLength; }
  void SetMinorTickLength(int v) { Change(FMinorTickLength, v); }
  TChartPen* MinorTicks() const { return FMinorTicks.get(); }
  void SetMinorTicks(TChartPen* v) { FMinorTicks->Assign(v); }
  int TickInnerLength() const { return FTickInnerLength; }
  void SetTickInnerLength(int v) { Change(FTickInnerLength, v); }
  int TickLength() const { return FTickLength; }
  void SetTickLength(int v) { Change(FTickLength, v); }
  TChartPen* Ticks() const { return FTicks.get(); }
  void SetTicks(TChartPen* v) { FTicks->Assign(v); }
  TChartPen* TicksInner() const { return FTicksInner.get(); }
  void SetTicksInner(TChartPen* v) { FTicksInner->Assign(v); }
  bool TickOnLabelsOnly() const { return FTickOnLabelsOnly; }
  void SetTickOnLabelsOnly(bool v) { Change(FTickOnLabelsOnly, v); }
  TChartAxisTitle* Title() const { return FTitle.get(); }
  void SetTitle(TChartAxisTitle* v) { FTitle->Assign(v); }
  int TitleSize() const { return FTitleSize; }
  void SetTitleSize(int v) { Change(FTitleSize, v); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { Change(FVisible, v); }

  // The range shown: the fixed one, or the one given by the data when automatic.
  double ShownMinimum(double dataMin) const { return FAutomatic || FAutomaticMinimum ? dataMin : FMinimum; }
  double ShownMaximum(double dataMax) const { return FAutomatic || FAutomaticMaximum ? dataMax : FMaximum; }

private:
  bool FVertical;
  bool FAutomatic = true;
  bool FAutomaticMaximum = true;
  bool FAutomaticMinimum = true;
  std::unique_ptr<TChartPen> FAxis;
  std::string FAxisValuesFormat = DefaultValuesFormat;
  std::string FDateTimeFormat;
  bool FExactDateTime = true;
  std::unique_ptr<TChartPen> FGrid;
  double FIncrement = 0;
  bool FInverted = false;
  bool FLabels = true;
  int FLabelsAngle = 0;
  TPartFont FLabelsFont;
  bool FLabelsOnAxis = true;
  int FLabelsSeparation = 10;
  int FLabelsSize = 0;
  TAxisLabelStyle FLabelStyle = talAuto;
  bool FLogarithmic = false;
  double FMaximum = 0;
  double FMinimum = 0;
  std::unique_ptr<TChartPen> FMinorGrid;
  int FMinorTickCount = 3;
  int FMinorTickLength = 2;
  std::unique_ptr<TChartPen> FMinorTicks;
  int FTickInnerLength = 0;
  int FTickLength = 4;
  std::unique_ptr<TChartPen> FTicks;
  std::unique_ptr<TChartPen> FTicksInner;
  bool FTickOnLabelsOnly = true;
  std::unique_ptr<TChartAxisTitle> FTitle;
  int FTitleSize = 0;
  bool FVisible = true;
};

}  // namespace kcl
