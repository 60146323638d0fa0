// How a chart lays out and draws its walls, axes, bars, titles and legend, and
// which part a click falls on.
#include <cmath>
#include <cstdio>

#include "kcl/components/chart.h"
#include "kcl/graphics/canvas.h"
#include "kcl/system/syscolors.h"

namespace kcl {

namespace {

struct SeriesValues {
  TCustomBarSeries* Series;
  std::vector<double> Values;
};

// The active bar series with the values they show: their own, or sample values
// at design time while they have none.
std::vector<SeriesValues> ShownValues(const TCustomAxisPanel& chart) {
  std::vector<SeriesValues> result;
  for (int s = 0; s < chart.SeriesCount(); ++s) {
    auto* series = dynamic_cast<TCustomBarSeries*>(chart.Series(s));
    if (!series || !series->Active()) continue;
    SeriesValues shown{series, {}};
    if (series->Count() > 0) {
      for (int i = 0; i < series->Count(); ++i) shown.Values.push_back(series->YValues()->Value(i));
    } else if (chart.IsDesigning()) {
      for (int i = 0; i < TCustomChart::SampleCount; ++i) shown.Values.push_back(TCustomChart::SampleValue(s, i));
    }
    result.push_back(std::move(shown));
  }
  return result;
}

// A step of 1, 2 or 5 times a power of ten that gives about count labels.
double NiceIncrement(double range, int count) {
  const double raw = range / std::max(count, 1);
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  for (double f : {1.0, 2.0, 5.0})
    if (f * magnitude >= raw) return f * magnitude;
  return 10 * magnitude;
}

TColor Darker(TColor color) {
  const int32_t rgb = ColorToRGB(color);
  const auto dim = [](int32_t c) { return c * 3 / 4; };
  return dim(rgb & 0xFF) | dim((rgb >> 8) & 0xFF) << 8 | dim((rgb >> 16) & 0xFF) << 16;
}

std::string ValueText(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", v);
  return text;
}

int TextLineHeight(TCanvas& canvas, const TFont* font) {
  canvas.SetFont(font);
  return canvas.TextHeight("Ag");
}

}  // namespace

double TCustomChart::SampleValue(int seriesIndex, int valueIndex) {
  // A fixed scatter, so that the designer shows the same bars every time.
  const unsigned seed = static_cast<unsigned>(seriesIndex * 7919 + valueIndex * 104729 + 12345);
  return 100 + static_cast<double>((seed * 2654435761u >> 8) % 600);
}

TChartLayout TCustomChart::Layout() const {
  TChartLayout layout;
  TCanvas& canvas = *Canvas();
  const TRect inner = AlignRect();
  TRect area = Rect(inner.Left + inner.Width() * FMarginLeft / 100, inner.Top + inner.Height() * FMarginTop / 100,
                    inner.Right - inner.Width() * FMarginRight / 100,
                    inner.Bottom - inner.Height() * FMarginBottom / 100);
  if (FTitle->Visible()) area.Top += FTitle->Text()->Count() * TextLineHeight(canvas, FTitle->Font());
  if (FFoot->Visible()) area.Bottom -= FFoot->Text()->Count() * TextLineHeight(canvas, FFoot->Font());

  const std::vector<SeriesValues> shown = ShownValues(*this);
  if (FLegend->Visible() && !shown.empty()) {
    for (const SeriesValues& s : shown)
      if (s.Series->ShowInLegend()) layout.LegendRows.emplace_back(s.Series->SeriesColor(), s.Series->LegendTitle());
    const int rowHeight = TextLineHeight(canvas, FLegend->Font());
    int textWidth = 0;
    for (const auto& row : layout.LegendRows) textWidth = std::max(textWidth, canvas.TextWidth(row.second));
    const int width = textWidth + 24 + 2 * FLegend->HorizMargin();
    const int top = area.Top + area.Height() * FLegend->TopPos() / 100;
    layout.Legend = Rect(area.Right - width, top, area.Right,
                         top + static_cast<int>(layout.LegendRows.size()) * rowHeight + 4 + 2 * FLegend->VertMargin());
    if (!layout.LegendRows.empty()) area.Right = layout.Legend.Left - 8;
    else layout.Legend = {};
  }

  double minimum = 0, maximum = 0;
  size_t slotCount = 0;
  for (const SeriesValues& s : shown) {
    slotCount = std::max(slotCount, s.Values.size());
    for (double v : s.Values) minimum = std::min(minimum, v), maximum = std::max(maximum, v);
  }
  minimum = LeftAxis()->ShownMinimum(minimum);
  maximum = LeftAxis()->ShownMaximum(maximum);
  if (maximum <= minimum) maximum = minimum + 1;
  // An increment that would crowd the axis with labels gives way to one that reads.
  const double increment = LeftAxis()->Increment();
  layout.Increment = increment > 0 && (maximum - minimum) / increment <= 100 ? increment
                                                                              : NiceIncrement(maximum - minimum, 8);
  if (LeftAxis()->Automatic()) maximum = std::ceil(maximum / layout.Increment) * layout.Increment;
  layout.Minimum = minimum;
  layout.Maximum = maximum;

  const int labelHeight = TextLineHeight(canvas, BottomAxis()->LabelsFont());
  canvas.SetFont(LeftAxis()->LabelsFont());
  const int labelWidth = AxisVisible() ? canvas.TextWidth(ValueText(maximum)) + LeftAxis()->TickLength() + 4 : 0;
  const TRect plot = Rect(area.Left + labelWidth, area.Top, area.Right,
                          area.Bottom - (AxisVisible() ? labelHeight + BottomAxis()->TickLength() + 2 : 0));
  layout.Depth = View3D() ? std::min(plot.Width(), plot.Height()) * Chart3DPercent() / 100 : 0;
  layout.Back = Rect(plot.Left + layout.Depth, plot.Top, plot.Right, plot.Bottom - layout.Depth);
  layout.Front = Rect(plot.Left, plot.Top + layout.Depth, plot.Right - layout.Depth, plot.Bottom);
  if (slotCount == 0) return layout;

  const TRect& front = layout.Front;
  const auto yPixel = [&](double v) {
    return front.Bottom - static_cast<int>(std::lround((v - minimum) / (maximum - minimum) * front.Height()));
  };
  const int slotWidth = front.Width() / static_cast<int>(slotCount);
  const auto* first = shown.front().Series;
  const int groupWidth = slotWidth * first->BarWidthPercent() / 100;
  const bool side = first->MultiBar() == TMultiBar::mbSide;
  const bool stacked = first->MultiBar() == TMultiBar::mbStacked || first->MultiBar() == TMultiBar::mbStacked100;
  const int barWidth = side ? std::max(groupWidth / static_cast<int>(shown.size()), 1) : std::max(groupWidth, 1);
  std::vector<double> stackTops(slotCount, 0);
  for (size_t s = 0; s < shown.size(); ++s) {
    TCustomBarSeries* series = shown[s].Series;
    const double origin = series->UseYOrigin() ? series->YOrigin() : minimum;
    for (size_t i = 0; i < shown[s].Values.size(); ++i) {
      const int left = front.Left + static_cast<int>(i) * slotWidth + (slotWidth - groupWidth) / 2 +
                       (side ? static_cast<int>(s) * barWidth : 0);
      double low = origin, high = shown[s].Values[i];
      if (stacked) low = stackTops[i], high = stackTops[i] += shown[s].Values[i];
      const int y1 = yPixel(std::max(low, high)), y2 = yPixel(std::min(low, high));
      const int index = static_cast<int>(i);
      layout.Bars.push_back({series, index, Rect(left, y1, left + barWidth, y2), series->ValueColor(index)});
    }
  }
  for (size_t i = 0; i < slotCount; ++i) {
    const TChartSeries* series = shown.front().Series;
    const int index = static_cast<int>(i);
    layout.SlotLabels.push_back(index < series->Count() && !series->XLabel(index).empty()
                                    ? series->XLabel(index)
                                    : ValueText(index < series->Count() ? series->XValues()->Value(index) : index));
  }
  return layout;
}

void TCustomChart::Paint() {
  TCustomPanel::Paint();
  TCanvas& canvas = *Canvas();
  const TChartLayout layout = Layout();
  const TRect& back = layout.Back;
  const TRect& front = layout.Front;
  const int depth = layout.Depth;

  const auto fill = [&](TColor color) {
    canvas.Brush()->SetStyle(color == clTeeColor ? bsClear : bsSolid);
    if (color != clTeeColor) canvas.Brush()->SetColor(color);
  };
  canvas.Pen()->Assign(FBackWall->Pen());
  fill(BackColor() != clTeeColor ? BackColor() : FBackWall->Color());
  canvas.Rectangle(back);
  if (depth > 0 && View3DWalls()) {
    canvas.Pen()->Assign(FLeftWall->Pen());
    fill(FLeftWall->Color());
    const TPoint left[] = {{front.Left, front.Top}, {back.Left, back.Top}, {back.Left, back.Bottom},
                           {front.Left, front.Bottom}};
    canvas.Polygon(left);
    canvas.Pen()->Assign(FBottomWall->Pen());
    fill(FBottomWall->Color());
    const TPoint bottom[] = {{front.Left, front.Bottom}, {back.Left, back.Bottom}, {back.Right, back.Bottom},
                             {front.Right, front.Bottom}};
    canvas.Polygon(bottom);
  }

  if (AxisVisible()) {
    canvas.Brush()->SetStyle(bsClear);
    canvas.SetFont(LeftAxis()->LabelsFont());
    for (double v = layout.Minimum; v <= layout.Maximum + layout.Increment / 1000; v += layout.Increment) {
      const int y = front.Bottom - static_cast<int>(std::lround((v - layout.Minimum) /
                                                                (layout.Maximum - layout.Minimum) * front.Height()));
      if (LeftAxis()->Grid()->Visible()) {
        canvas.Pen()->Assign(LeftAxis()->Grid());
        canvas.MoveTo(back.Left, y - depth);
        canvas.LineTo(back.Right, y - depth);
      }
      canvas.Pen()->Assign(LeftAxis()->Ticks());
      canvas.MoveTo(front.Left - LeftAxis()->TickLength(), y);
      canvas.LineTo(front.Left, y);
      const std::string text = ValueText(v);
      if (LeftAxis()->Labels())
        canvas.TextOut(front.Left - LeftAxis()->TickLength() - 2 - canvas.TextWidth(text),
                       y - canvas.TextHeight(text) / 2, text);
    }
    canvas.SetFont(BottomAxis()->LabelsFont());
    const int slotCount = static_cast<int>(layout.SlotLabels.size());
    for (int i = 0; i < slotCount && BottomAxis()->Labels(); ++i) {
      const std::string& text = layout.SlotLabels[static_cast<size_t>(i)];
      const int center = front.Left + front.Width() * (2 * i + 1) / (2 * slotCount);
      canvas.TextOut(center - canvas.TextWidth(text) / 2, front.Bottom + BottomAxis()->TickLength() + 1, text);
    }
    canvas.Pen()->Assign(LeftAxis()->Axis());
    canvas.MoveTo(front.Left, front.Top);
    canvas.LineTo(front.Left, front.Bottom);
    canvas.Pen()->Assign(BottomAxis()->Axis());
    canvas.LineTo(front.Right, front.Bottom);
  }

  for (const TChartLayout::Bar& bar : layout.Bars) {
    const TCustomBarSeries* series = bar.Series;
    const TRect& r = bar.Front;
    canvas.Pen()->Assign(series->BarPen());
    if (!series->BarPen()->Visible()) canvas.Pen()->SetStyle(psClear);
    const int barDepth = depth / std::max(SeriesCount(), 1);
    if (barDepth > 0) {
      canvas.Brush()->SetStyle(bsSolid);
      canvas.Brush()->SetColor(series->Dark3D() ? Darker(bar.Color) : bar.Color);
      const TPoint side[] = {{r.Right, r.Top}, {r.Right + barDepth, r.Top - barDepth},
                             {r.Right + barDepth, r.Bottom - barDepth}, {r.Right, r.Bottom}};
      canvas.Polygon(side);
      const TPoint top[] = {{r.Left, r.Top}, {r.Left + barDepth, r.Top - barDepth},
                            {r.Right + barDepth, r.Top - barDepth}, {r.Right, r.Top}};
      canvas.Polygon(top);
    }
    canvas.Brush()->Assign(series->BarBrush());
    canvas.Brush()->SetColor(bar.Color);
    canvas.Rectangle(r);
  }

  const auto titleLines = [&](const TChartTitle& title, int top) {
    if (!title.Visible()) return;
    canvas.SetFont(title.Font());
    canvas.Brush()->SetStyle(bsClear);
    const TRect inner = AlignRect();
    for (int i = 0; i < title.Text()->Count(); ++i) {
      const std::string line = title.Text()->Strings(i);
      const int width = canvas.TextWidth(line);
      const int x = title.Alignment() == taLeftJustify    ? inner.Left + 4
                    : title.Alignment() == taRightJustify ? inner.Right - 4 - width
                                                          : inner.Left + (inner.Width() - width) / 2;
      canvas.TextOut(x, top, line);
      top += canvas.TextHeight(line);
    }
  };
  const TRect inner = AlignRect();
  titleLines(*FTitle, inner.Top + inner.Height() * FMarginTop / 100);
  canvas.SetFont(FFoot->Font());
  titleLines(*FFoot, inner.Bottom - inner.Height() * FMarginBottom / 100 -
                         FFoot->Text()->Count() * canvas.TextHeight("Ag"));

  if (!layout.LegendRows.empty()) {
    const TRect& box = layout.Legend;
    canvas.Pen()->Assign(FLegend->Frame());
    fill(FLegend->Color());
    canvas.Rectangle(box);
    canvas.SetFont(FLegend->Font());
    int y = box.Top + 2 + FLegend->VertMargin();
    for (const auto& [color, text] : layout.LegendRows) {
      const int h = canvas.TextHeight(text);
      canvas.Brush()->SetStyle(bsSolid);
      canvas.Brush()->SetColor(color);
      canvas.Pen()->SetColor(clBlack);
      canvas.Rectangle(box.Left + 4 + FLegend->HorizMargin(), y + 2, box.Left + 16 + FLegend->HorizMargin(), y + h - 2);
      canvas.Brush()->SetStyle(bsClear);
      canvas.TextOut(box.Left + 20 + FLegend->HorizMargin(), y, text);
      y += h;
    }
  }
}

void TCustomChart::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomAxisPanel::MouseDown(button, shift, x, y);
  if (IsDesigning()) return;
  const TChartLayout layout = Layout();
  const TPoint p{x, y};
  for (auto bar = layout.Bars.rbegin(); bar != layout.Bars.rend(); ++bar) {
    if (!bar->Front.Contains(p)) continue;
    bar->Series->OnClick(bar->Series, bar->ValueIndex, button, shift, x, y);
    OnClickSeries(this, bar->Series, bar->ValueIndex, button, shift, x, y);
    return;
  }
  if (layout.Legend.Contains(p)) OnClickLegend(this, button, shift, x, y);
  else OnClickBackground(this, button, shift, x, y);
}

}  // namespace kcl
