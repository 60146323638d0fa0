// Pictures on a report: drawn at their size, centred or stretched; an image
// fits itself to its picture when it sizes itself, and the designer shows where
// images are and which field a data image prints.
#include "kcl/qreport/qrimage.h"

#include <gtest/gtest.h>

#include <QImage>

#include "kcl/db/bdedatasets.h"
#include "kcl/graphics/bitmap.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/qtcolor.h"
#include "kcl/qreport/quickreport.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

namespace {

// A 10 x 10 red picture.
void GiveRedPicture(TQRImage* image) {
  TBitmap red;
  red.SetSize(10, 10);
  red.Canvas()->Brush()->SetColor(clRed);
  red.Canvas()->FillRect(Rect(0, 0, 10, 10));
  image->Picture()->SetBitmap(&red);
}

}  // namespace

TEST(QRImage, DrawsItsPictureAtItsSizeCentredOrStretched) {
  FormPtr form = NewForm(500, 300);
  auto* band = Place<TQRBand>(form.get(), 0, 0, 500, 100);
  auto* image = Place<TQRImage>(band, 20, 20, 40, 40);
  GiveRedPicture(image);
  EXPECT_EQ(image->BoundsRect(), Bounds(20, 20, 40, 40));  // not sizing itself
  form->Show();
  QImage shot = band->Widget()->grab().toImage();
  EXPECT_EQ(shot.pixelColor(25, 25).rgb(), ColorToQRgb(clRed));
  EXPECT_EQ(shot.pixelColor(40, 40).rgb(), ColorToQRgb(clWhite));

  image->SetCenter(true);
  shot = band->Widget()->grab().toImage();
  EXPECT_EQ(shot.pixelColor(25, 25).rgb(), ColorToQRgb(clWhite));
  EXPECT_EQ(shot.pixelColor(40, 40).rgb(), ColorToQRgb(clRed));

  image->SetStretch(true);
  shot = band->Widget()->grab().toImage();
  EXPECT_EQ(shot.pixelColor(22, 57).rgb(), ColorToQRgb(clRed));

  image->Frame()->SetDrawTop(true);
  image->Frame()->SetColor(clBlue);
  shot = band->Widget()->grab().toImage();
  EXPECT_EQ(shot.pixelColor(40, 20).rgb(), ColorToQRgb(clBlue));
}

TEST(QRImage, SizesItselfToItsPictureWhenAsked) {
  FormPtr form = NewForm();
  auto* band = Place<TQRBand>(form.get(), 0, 0, 400, 100);
  auto* image = Place<TQRImage>(band, 5, 5);
  EXPECT_EQ(image->BoundsRect(), Bounds(5, 5, 105, 105));
  image->SetAutoSize(true);
  EXPECT_EQ(image->BoundsRect(), Bounds(5, 5, 105, 105));  // nothing to fit yet
  GiveRedPicture(image);
  EXPECT_EQ(image->BoundsRect(), Bounds(5, 5, 10, 10));
  image->Picture()->SetGraphic(nullptr);
  EXPECT_EQ(image->BoundsRect(), Bounds(5, 5, 10, 10));
}

TEST(QRImage, TheDesignerOutlinesImagesAndNamesTheFieldOfADataImage) {
  FormPtr form = NewForm(500, 300);
  form->SetDesigning(true);
  auto* band = Place<TQRBand>(form.get(), 0, 0, 500, 140);
  auto* image = Place<TQRImage>(band, "QRImage1", 10, 10);
  auto* field = Place<TQRDBImage>(band, "QRDBImage1", 200, 10);
  EXPECT_EQ(field->DisplayText(), "(QRDBImage1)");
  field->SetDataField("Photo");
  EXPECT_EQ(field->DisplayText(), "(Photo)");
  EXPECT_EQ(field->BoundsRect(), Bounds(200, 10, 105, 105));  // it never sizes itself to the text
  form->Show();
  const QImage shot = band->Widget()->grab().toImage();
  EXPECT_EQ(shot.pixelColor(image->Left(), image->Top() + 1).rgb(), ColorToQRgb(clBlack));
  bool text = false;
  for (int x = 210; x < 295 && !text; ++x)
    for (int y = 50; y < 75 && !text; ++y) text = shot.pixelColor(x, y).lightness() < 100;
  EXPECT_TRUE(text);

  // Out of the designer an image without a picture leaves the band as it is.
  form->SetDesigning(false);
  band->Invalidate();
  const QImage plain = band->Widget()->grab().toImage();
  EXPECT_EQ(plain.pixelColor(image->Left(), image->Top() + 1).rgb(), ColorToQRgb(clWhite));
}

TEST(QRImage, ADataImageForgetsADataSetThatGoes) {
  FormPtr form = NewForm();
  auto* field = new TQRDBImage(form.get());
  auto* table = new TTable(form.get());
  field->SetDataSet(table);
  EXPECT_EQ(field->DataSet(), table);
  table->Free();
  EXPECT_EQ(field->DataSet(), nullptr);
}
