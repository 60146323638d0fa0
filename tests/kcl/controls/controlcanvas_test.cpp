// A control's canvas draws outlines that a second drawing with XOR takes away.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>

#include "kcl/controls/controlcanvas.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/pen.h"
#include "support/testform.h"

using namespace kcl;
using korvax::test::FormPtr;
using korvax::test::NewForm;

namespace {

bool Blank(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) != 0) return false;
  return true;
}

}  // namespace

TEST(Painting, OutlinesDrawnTwiceWithXorVanish) {
  FormPtr form = NewForm(200, 150);
  form->Show();
  TCanvas* canvas = form->Canvas();
  auto outline = [&] {
    canvas->Pen()->SetMode(pmXor);
    canvas->Pen()->SetColor(form->Color());
    canvas->Pen()->SetWidth(2);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(10, 10, 60, 40);
  };
  outline();
  QCoreApplication::processEvents();  // the overlay is let go after the handler
  const TCanvasOverlay* overlay = static_cast<TControlCanvas*>(canvas)->Overlay();
  ASSERT_NE(overlay, nullptr);
  EXPECT_FALSE(Blank(const_cast<TCanvasOverlay*>(overlay)->Image()));
  // What the form shows there is no longer the plain form colour.
  const QImage shown = form->ClientWidget()->grab().toImage();
  EXPECT_NE(shown.pixelColor(10, 20), shown.pixelColor(30, 20));
  outline();
  QCoreApplication::processEvents();
  EXPECT_TRUE(Blank(const_cast<TCanvasOverlay*>(overlay)->Image()));
}

TEST(Painting, AHeldBackgroundShowsTheFormAsItWasUnderTheOutlines) {
  FormPtr form = NewForm(200, 150);
  form->SetColor(clWhite);
  form->Show();
  auto* canvas = form->ControlCanvas();
  canvas->HoldBackground();
  canvas->Pen()->SetMode(pmXor);
  canvas->Pen()->SetColor(clWhite);
  canvas->Brush()->SetStyle(bsClear);
  canvas->Rectangle(10, 10, 60, 40);
  QCoreApplication::processEvents();
  // Changes below stay out of sight while the picture is held; the outline shows.
  form->SetColor(clRed);
  QImage shown = form->ClientWidget()->grab().toImage();
  EXPECT_EQ(shown.pixelColor(100, 100), QColor(Qt::white));
  EXPECT_EQ(shown.pixelColor(10, 20), QColor(Qt::black));
  canvas->ReleaseBackground();
  QCoreApplication::processEvents();
  shown = form->ClientWidget()->grab().toImage();
  EXPECT_EQ(shown.pixelColor(100, 100), QColor(Qt::red));
}
