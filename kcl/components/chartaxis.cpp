#include "kcl/components/chartaxis.h"

#include "kcl/classes/classbuilder.h"

namespace kcl {

KCL_CLASS_INFO(TChartAxisTitle) {
  using T = TChartAxisTitle;
  cls.property("Angle", &T::Angle, &T::SetAngle).NoDefault().Stored(&T::AngleStored);
  cls.property("Caption", &T::Caption, &T::SetCaption);
  cls.property("Font", &T::Font, &T::SetFont).Stored(&T::FontStored);
}

TChartAxisTitle::TChartAxisTitle(int angle, TChangeProc changed)
    : TChartPart(std::move(changed)), FDefaultAngle(angle), FAngle(angle), FFont(clBlack, {}, ChangeProc()) {}

KCL_CLASS_INFO(TChartAxis) {
  using T = TChartAxis;
  cls.property("Automatic", &T::Automatic, &T::SetAutomatic).Default(true);
  cls.property("AutomaticMaximum", &T::AutomaticMaximum, &T::SetAutomaticMaximum).Default(true);
  cls.property("AutomaticMinimum", &T::AutomaticMinimum, &T::SetAutomaticMinimum).Default(true);
  cls.property("Axis", &T::Axis, &T::SetAxis);
  cls.property("AxisValuesFormat", &T::AxisValuesFormat, &T::SetAxisValuesFormat).Stored(&T::AxisValuesFormatStored);
  cls.property("DateTimeFormat", &T::DateTimeFormat, &T::SetDateTimeFormat);
  cls.property("ExactDateTime", &T::ExactDateTime, &T::SetExactDateTime).Default(true);
  cls.property("Grid", &T::Grid, &T::SetGrid);
  cls.property("Increment", &T::Increment, &T::SetIncrement);
  cls.property("Inverted", &T::Inverted, &T::SetInverted).Default(false);
  cls.property("Labels", &T::Labels, &T::SetLabels).Default(true);
  cls.property("LabelsAngle", &T::LabelsAngle, &T::SetLabelsAngle).Default(0);
  cls.property("LabelsFont", &T::LabelsFont, &T::SetLabelsFont).Stored(&T::LabelsFontStored);
  cls.property("LabelsOnAxis", &T::LabelsOnAxis, &T::SetLabelsOnAxis).Default(true);
  cls.property("LabelsSeparation", &T::LabelsSeparation, &T::SetLabelsSeparation).Default(10);
  cls.property("LabelsSize", &T::LabelsSize, &T::SetLabelsSize).Default(0);
  cls.property("LabelStyle", &T::LabelStyle, &T::SetLabelStyle).Default(talAuto);
  cls.property("Logarithmic", &T::Logarithmic, &T::SetLogarithmic).Default(false);
  cls.property("Maximum", &T::Maximum, &T::SetMaximum);
  cls.property("Minimum", &T::Minimum, &T::SetMinimum);
  cls.property("MinorGrid", &T::MinorGrid, &T::SetMinorGrid);
  cls.property("MinorTickCount", &T::MinorTickCount, &T::SetMinorTickCount).Default(3);
  cls.property("MinorTickLength", &T::MinorTickLength, &T::SetMinorTickLength).Default(2);
  cls.property("MinorTicks", &T::MinorTicks, &T::SetMinorTicks);
  cls.property("TickInnerLength", &T::TickInnerLength, &T::SetTickInnerLength).Default(0);
  cls.property("TickLength", &T::TickLength, &T::SetTickLength).Default(4);
  cls.property("Ticks", &T::Ticks, &T::SetTicks);
  cls.property("TicksInner", &T::TicksInner, &T::SetTicksInner);
  cls.property("TickOnLabelsOnly", &T::TickOnLabelsOnly, &T::SetTickOnLabelsOnly).Default(true);
  cls.property("Title", &T::Title, &T::SetTitle);
  cls.property("TitleSize", &T::TitleSize, &T::SetTitleSize).Default(0);
  cls.property("Visible", &T::Visible, &T::SetVisible).Default(true);
}

TChartAxis::TChartAxis(bool vertical, TChangeProc changed)
    : TChartPart(std::move(changed)),
      FVertical(vertical),
      FAxis(std::make_unique<TChartPen>(clBlack, true, psSolid, 2)),
      FGrid(std::make_unique<TChartPen>(clGray, true, psDot)),
      FLabelsFont(clBlack, {}, ChangeProc()),
      FMinorGrid(std::make_unique<TChartPen>(clGray, false, psDot)),
      FMinorTicks(std::make_unique<TChartPen>(clDkGray)),
      FTicks(std::make_unique<TChartPen>(clDkGray)),
      FTicksInner(std::make_unique<TChartPen>(clDkGray)),
      FTitle(std::make_unique<TChartAxisTitle>(vertical ? 90 : 0, ChangeProc())) {
  for (TChartPen* pen : {FAxis.get(), FGrid.get(), FMinorGrid.get(), FMinorTicks.get(), FTicks.get(), FTicksInner.get()})
    NotifyChanges(*pen, ChangeProc());
}

}  // namespace kcl
