// Gauges show their progress, as a bar, a pie or text.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "kcl/components/gauge.h"
#include "support/pixels.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(MoreControlsPainting, GaugesShowTheirProgress) {
  FormPtr form = NewPaintingForm();
  auto* bar = Place<TGauge>(form.get(), 10, 10, 102, 20);
  bar->SetForeColor(clRed);
  bar->SetShowText(false);
  bar->SetProgress(50);
  EXPECT_EQ(ColorAt(bar, 0, 10), QColor(Qt::black));  // the border
  EXPECT_EQ(ColorAt(bar, 25, 10), QColor(Qt::red));
  EXPECT_EQ(ColorAt(bar, 75, 10), QColor(Qt::white));
  bar->SetProgress(100);
  EXPECT_EQ(ColorAt(bar, 95, 10), QColor(Qt::red));

  auto* column = Place<TGauge>(form.get(), 10, 50, 20, 102);
  column->SetKind(gkVerticalBar);
  column->SetForeColor(clBlue);
  column->SetShowText(false);
  column->SetProgress(25);
  EXPECT_EQ(ColorAt(column, 10, 95), QColor(Qt::blue));
  EXPECT_EQ(ColorAt(column, 10, 50), QColor(Qt::white));

  auto* pie = Place<TGauge>(form.get(), 150, 50, 80, 80);
  pie->SetKind(gkPie);
  pie->SetBorderStyle(bsNone);
  pie->SetForeColor(clLime);
  pie->SetBackColor(clYellow);
  pie->SetShowText(false);
  pie->SetProgress(25);  // the quarter from twelve to three o'clock
  EXPECT_EQ(ColorAt(pie, 55, 25), QColor(Qt::green));
  EXPECT_EQ(ColorAt(pie, 25, 55), QColor(255, 255, 0));
  EXPECT_EQ(pie->PercentDone(), 25);
}

TEST(MoreControlsPainting, GaugeTextShowsThePercentage) {
  FormPtr form = NewPaintingForm();
  auto* gauge = Place<TGauge>(form.get(), 10, 10, 100, 30);
  gauge->SetKind(gkText);
  gauge->SetMinValue(10);
  gauge->SetMaxValue(30);
  gauge->SetProgress(15);
  EXPECT_EQ(gauge->PercentDone(), 25);
  const QImage shot = form->ClientWidget()->grab().toImage().copy(11, 11, 98, 28);
  int dark = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) dark += shot.pixelColor(x, y).lightness() < 100 ? 1 : 0;
  EXPECT_GT(dark, 10);  // "25%" written in the middle
  gauge->SetShowText(false);
  const QImage blank = form->ClientWidget()->grab().toImage().copy(11, 11, 98, 28);
  EXPECT_EQ(blank.pixelColor(49, 14), QColor(Qt::white));
}
