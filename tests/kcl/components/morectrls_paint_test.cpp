// The drawn controls: shapes, gauges and paint boxes put the right pixels
// where they belong.
#include <gtest/gtest.h>

#include <QImage>

#include "kcl/components/morectrls.h"
#include "kcl/controls/form.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/pen.h"

using namespace kcl;

namespace {

using FormPtr = std::unique_ptr<TForm, TObjectFree>;

FormPtr ShownForm() {
  FormPtr form(new TForm(nullptr));
  form->SetBounds(0, 0, 300, 250);
  form->SetColor(clWhite);
  form->Show();
  return form;
}

template <class T>
T* Put(TForm* form, int left, int top, int width, int height) {
  auto* control = new T(form);
  control->SetParent(form);
  control->SetBounds(left, top, width, height);
  return control;
}

QColor At(TControl* control, int x, int y) {
  const QImage shot = control->Parent()->ClientWidget()->grab().toImage();
  return shot.pixelColor(control->Left() + x, control->Top() + y);
}

const QColor Red(255, 0, 0), Blue(0, 0, 255), White(255, 255, 255), Lime(0, 255, 0), Black(0, 0, 0);

}  // namespace

TEST(MoreControlsPainting, ShapesFillWithTheBrushInsideThePen) {
  FormPtr form = ShownForm();
  auto* rect = Put<TShape>(form.get(), 10, 10, 40, 30);
  rect->Brush()->SetColor(clRed);
  rect->Pen()->SetColor(clBlue);
  EXPECT_EQ(At(rect, 20, 15), Red);
  EXPECT_EQ(At(rect, 0, 0), Blue);
  EXPECT_EQ(At(rect, 39, 29), Blue);
  // A circle sits centred in its bounds; its corners show the form.
  auto* circle = Put<TShape>(form.get(), 100, 10, 60, 40);
  circle->SetShape(stCircle);
  circle->Brush()->SetColor(clLime);
  circle->Pen()->SetStyle(psClear);
  EXPECT_EQ(At(circle, 30, 20), Lime);
  EXPECT_EQ(At(circle, 2, 2), White);
  EXPECT_EQ(At(circle, 8, 20), White);  // left of the 40 pixel circle
  EXPECT_EQ(At(circle, 12, 20), Lime);
  // A wide pen draws inside the bounds.
  auto* square = Put<TShape>(form.get(), 200, 10, 30, 30);
  square->Pen()->SetWidth(4);
  EXPECT_EQ(At(square, 1, 15), Black);
  EXPECT_EQ(At(square, 15, 15), White);
}

TEST(MoreControlsPainting, GaugesShowTheirProgress) {
  FormPtr form = ShownForm();
  auto* bar = Put<TGauge>(form.get(), 10, 10, 102, 20);
  bar->SetForeColor(clRed);
  bar->SetShowText(false);
  bar->SetProgress(50);
  EXPECT_EQ(At(bar, 0, 10), Black);  // the border
  EXPECT_EQ(At(bar, 25, 10), Red);
  EXPECT_EQ(At(bar, 75, 10), White);
  bar->SetProgress(100);
  EXPECT_EQ(At(bar, 95, 10), Red);

  auto* column = Put<TGauge>(form.get(), 10, 50, 20, 102);
  column->SetKind(gkVerticalBar);
  column->SetForeColor(clBlue);
  column->SetShowText(false);
  column->SetProgress(25);
  EXPECT_EQ(At(column, 10, 95), Blue);
  EXPECT_EQ(At(column, 10, 50), White);

  auto* pie = Put<TGauge>(form.get(), 150, 50, 80, 80);
  pie->SetKind(gkPie);
  pie->SetBorderStyle(bsNone);
  pie->SetForeColor(clLime);
  pie->SetBackColor(clYellow);
  pie->SetShowText(false);
  pie->SetProgress(25);  // the quarter from twelve to three o'clock
  EXPECT_EQ(At(pie, 55, 25), Lime);
  EXPECT_EQ(At(pie, 25, 55), QColor(255, 255, 0));
  EXPECT_EQ(pie->PercentDone(), 25);
}

TEST(MoreControlsPainting, GaugeTextShowsThePercentage) {
  FormPtr form = ShownForm();
  auto* gauge = Put<TGauge>(form.get(), 10, 10, 100, 30);
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
  EXPECT_EQ(blank.pixelColor(49, 14), White);
}

TEST(MoreControlsPainting, PaintBoxesFrameThemselvesOnlyInDesignState) {
  FormPtr form = ShownForm();
  auto* box = Put<TPaintBox>(form.get(), 10, 10, 50, 50);
  int paints = 0;
  box->OnPaint.SetHandler([&](TObject*) {
    ++paints;
    box->Canvas()->Brush()->SetColor(clRed);
    box->Canvas()->FillRect(Rect(20, 20, 30, 30));
  });
  EXPECT_EQ(At(box, 25, 25), Red);
  EXPECT_GT(paints, 0);
  EXPECT_EQ(At(box, 0, 1), White);
  box->SetDesigning(true);
  // The dashed frame: some of the first column is drawn, some of it is left.
  int drawn = 0;
  for (int y = 0; y < 50; ++y) drawn += At(box, 0, y) != White ? 1 : 0;
  EXPECT_GT(drawn, 10);
  EXPECT_LT(drawn, 50);
}
