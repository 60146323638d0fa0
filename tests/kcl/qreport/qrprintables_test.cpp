// Bands and printables as they look on the page.
#include <gtest/gtest.h>

#include <QImage>

#include "kcl/qreport/qrprintables.h"
#include "kcl/qreport/quickreport.h"
#include "support/testform.h"

using namespace kcl;
using korvax::test::FormPtr;
using korvax::test::NewForm;

TEST(Reports, BandsAndPrintablesDrawOnThePage) {
  FormPtr form = NewForm();
  auto* band = new TQRBand(form.get());
  band->SetParent(form.get());
  band->SetColor(clYellow);
  band->SetHeight(60);
  auto* label = new TQRLabel(form.get());
  label->SetParent(band);
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 80, 20);
  label->SetColor(clAqua);
  label->Frame()->SetDrawBottom(true);
  label->SetCaption("Total");
  auto* shape = new TQRShape(form.get());
  shape->SetParent(band);
  shape->SetBounds(200, 10, 40, 40);
  shape->Brush()->SetColor(clRed);
  form->Show();
  const QImage shot = band->Widget()->grab().toImage();
  EXPECT_EQ(shot.pixelColor(5, 50), QColor(255, 255, 0));     // the band
  EXPECT_EQ(shot.pixelColor(85, 12), QColor(0, 255, 255));    // the label's own colour
  EXPECT_EQ(shot.pixelColor(50, 29), QColor(0, 0, 0));        // its frame's bottom line
  EXPECT_EQ(shot.pixelColor(220, 30), QColor(255, 0, 0));     // the shape's brush
  EXPECT_EQ(shot.pixelColor(200, 30), QColor(0, 0, 0));       // and its pen
  bool text = false;
  for (int x = 10; x < 90 && !text; ++x)
    for (int y = 10; y < 28 && !text; ++y) text = shot.pixelColor(x, y).lightness() < 100;
  EXPECT_TRUE(text);
}
