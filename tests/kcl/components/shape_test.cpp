// Shapes fill with the brush inside the pen.
#include <gtest/gtest.h>

#include <QColor>

#include "kcl/components/shape.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/pen.h"
#include "support/pixels.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(MoreControlsPainting, ShapesFillWithTheBrushInsideThePen) {
  FormPtr form = NewPaintingForm();
  auto* rect = Place<TShape>(form.get(), 10, 10, 40, 30);
  rect->Brush()->SetColor(clRed);
  rect->Pen()->SetColor(clBlue);
  EXPECT_EQ(ColorAt(rect, 20, 15), QColor(Qt::red));
  EXPECT_EQ(ColorAt(rect, 0, 0), QColor(Qt::blue));
  EXPECT_EQ(ColorAt(rect, 39, 29), QColor(Qt::blue));
  // A circle sits centred in its bounds; its corners show the form.
  auto* circle = Place<TShape>(form.get(), 100, 10, 60, 40);
  circle->SetShape(stCircle);
  circle->Brush()->SetColor(clLime);
  circle->Pen()->SetStyle(psClear);
  EXPECT_EQ(ColorAt(circle, 30, 20), QColor(Qt::green));
  EXPECT_EQ(ColorAt(circle, 2, 2), QColor(Qt::white));
  EXPECT_EQ(ColorAt(circle, 8, 20), QColor(Qt::white));  // left of the 40 pixel circle
  EXPECT_EQ(ColorAt(circle, 12, 20), QColor(Qt::green));
  // A wide pen draws inside the bounds.
  auto* square = Place<TShape>(form.get(), 200, 10, 30, 30);
  square->Pen()->SetWidth(4);
  EXPECT_EQ(ColorAt(square, 1, 15), QColor(Qt::black));
  EXPECT_EQ(ColorAt(square, 15, 15), QColor(Qt::white));
}
