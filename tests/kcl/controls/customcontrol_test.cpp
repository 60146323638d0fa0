// Graphic controls paint through their canvas, and the errors of their
// handlers are shown while the program goes on.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "kcl/classes/classbuilder.h"
#include "kcl/controls/application.h"
#include "kcl/controls/customcontrol.h"
#include "kcl/graphics/brush.h"
#include "kcl/rtl/exceptions.h"
#include "support/testform.h"

using namespace kcl;
using korvax::test::FormPtr;
using korvax::test::NewForm;

namespace {

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

}  // namespace

KCL_CLASS_INFO(TSwatch) {}

TEST(Painting, GraphicControlsPaintThroughTheirCanvas) {
  FormPtr form = NewForm(200, 150);
  auto* swatch = new TSwatch(form.get());
  swatch->SetBounds(10, 10, 20, 12);
  swatch->SetParent(form.get());
  form->Show();
  const QImage shot = form->ClientWidget()->grab().toImage();
  EXPECT_GT(swatch->Paints, 0);
  EXPECT_EQ(shot.pixelColor(15, 15), QColor(255, 0, 0));
  EXPECT_NE(shot.pixelColor(35, 15), QColor(255, 0, 0));
}

TEST(Painting, ExceptionsInHandlersAreShownAndTheProgramGoesOn) {
  FormPtr form = NewForm(200, 150);
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
