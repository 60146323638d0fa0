#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "kcl/classes/classbuilder.h"
#include "kcl/controls/application.h"
#include "kcl/controls/customcontrol.h"
#include "kcl/controls/form.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/pen.h"
#include "kcl/rtl/exceptions.h"

using namespace kcl;

namespace {

using FormPtr = std::unique_ptr<TForm, TObjectFree>;

class TSwatch : public TGraphicControl {
  KCL_CLASS(TSwatch, TGraphicControl)
public:
  using TGraphicControl::TGraphicControl;
  int Paints = 0;

protected:
  void Paint() override {
    ++Paints;
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->FillRect(ClientRect());
  }
};

bool Blank(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) != 0) return false;
  return true;
}

}  // namespace

KCL_CLASS_INFO(TSwatch) {}

TEST(Painting, GraphicControlsPaintThroughTheirCanvas) {
  FormPtr form(new TForm(nullptr));
  form->SetBounds(0, 0, 200, 150);
  auto* swatch = new TSwatch(form.get());
  swatch->SetBounds(10, 10, 20, 12);
  swatch->SetParent(form.get());
  form->Show();
  const QImage shot = form->ClientWidget()->grab().toImage();
  EXPECT_GT(swatch->Paints, 0);
  EXPECT_EQ(shot.pixelColor(15, 15), QColor(255, 0, 0));
  EXPECT_NE(shot.pixelColor(35, 15), QColor(255, 0, 0));
}

TEST(Painting, OutlinesDrawnTwiceWithXorVanish) {
  FormPtr form(new TForm(nullptr));
  form->SetBounds(0, 0, 200, 150);
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

TEST(Painting, ExceptionsInHandlersAreShownAndTheProgramGoesOn) {
  FormPtr form(new TForm(nullptr));
  form->SetBounds(0, 0, 200, 150);
  auto* swatch = new TSwatch(form.get());
  swatch->SetBounds(0, 0, 50, 50);
  swatch->SetParent(form.get());
  form->Show();
  std::vector<std::string> shown;
  TApplication::SetMessageBoxHandler([&](const std::string& text, const std::string&, uint32_t) {
    shown.push_back(text);
    return IDOK;
  });
  swatch->OnMouseDown.SetHandler([](TObject*, TMouseButton, TShiftState, int, int) {
    throw EConvertError("'x' is not a valid integer value");
  });
  swatch->OnMouseUp.SetHandler([](TObject*, TMouseButton, TShiftState, int, int) { throw EAbort("silent"); });
  QTest::mouseClick(swatch->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(shown, std::vector<std::string>{"'x' is not a valid integer value"});
  TApplication::SetMessageBoxHandler(nullptr);
}
