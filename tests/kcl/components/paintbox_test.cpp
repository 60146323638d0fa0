// Paint boxes paint what their handler draws, and frame themselves only in
// design state.
#include <gtest/gtest.h>

#include <QColor>

#include "kcl/components/paintbox.h"
#include "kcl/graphics/brush.h"
#include "support/pixels.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(MoreControlsPainting, PaintBoxesFrameThemselvesOnlyInDesignState) {
  FormPtr form = NewPaintingForm();
  auto* box = Place<TPaintBox>(form.get(), 10, 10, 50, 50);
  int paints = 0;
  box->OnPaint.SetHandler([&](TObject*) {
    ++paints;
    box->Canvas()->Brush()->SetColor(clRed);
    box->Canvas()->FillRect(Rect(20, 20, 30, 30));
  });
  EXPECT_EQ(ColorAt(box, 25, 25), QColor(Qt::red));
  EXPECT_GT(paints, 0);
  EXPECT_EQ(ColorAt(box, 0, 1), QColor(Qt::white));
  box->SetDesigning(true);
  // The dashed frame: some of the first column is drawn, some of it is left.
  int drawn = 0;
  for (int y = 0; y < 50; ++y) drawn += ColorAt(box, 0, y) != QColor(Qt::white) ? 1 : 0;
  EXPECT_GT(drawn, 10);
  EXPECT_LT(drawn, 50);
}
