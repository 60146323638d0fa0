// The data controls on a form: what they show without data, the navigator's
// buttons, and links to data sources that go.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "ctrlhost.h"
#include "kcl/controls/application.h"
#include "kcl/controls/form.h"
#include "kcl/db/formtext.h"
#include "kcl/db/dataaccess.h"
#include "kcl/dbctrls/datacontrols.h"
#include "kcl/graphics/qtcolor.h"

using namespace kcl;
using namespace dbtest;

namespace {

// Pixels of about the colour (text is smoothed) in the control's area of the form.
int CountColor(TForm* form, TControl* control, QColor color) {
  const QImage shot = form->ClientWidget()->grab().toImage();
  const auto near = [&](QColor c) {
    return std::abs(c.red() - color.red()) + std::abs(c.green() - color.green()) + std::abs(c.blue() - color.blue()) <
           60;
  };
  int count = 0;
  for (int y = control->Top(); y < control->Top() + control->Height(); ++y)
    for (int x = control->Left(); x < control->Left() + control->Width(); ++x) count += near(shot.pixelColor(x, y));
  return count;
}

}  // namespace

TEST(DataControls, TheNavigatorsButtonsActOnAnOpenDataSet) {
  FormPtr form = ShownForm();
  auto* navigator = PlaceOn<TDBNavigator>(form.get(), 8, 8);
  auto* table = new TTable(form.get());
  auto* source = new TDataSource(form.get());
  source->SetDataSet(table);
  navigator->SetDataSource(source);
  navigator->SetVisibleButtons({nbFirst, nbPrior, nbNext, nbLast});
  std::vector<std::string> log;
  navigator->BeforeAction.SetHandler([&](TObject*, TNavigateBtn b) { log.push_back("before " + std::to_string(b)); });
  navigator->OnNavClick.SetHandler([&](TObject*, TNavigateBtn b) { log.push_back("click " + std::to_string(b)); });
  form->Show();

  // The third of four buttons is Next.
  const TRect next = navigator->ButtonRect(2);
  EXPECT_EQ(next, Rect(120, 0, 180, 25));
  const QPoint at(next.Left + 10, 10);
  QTest::mouseClick(navigator->Widget(), Qt::LeftButton, Qt::NoModifier, at);
  EXPECT_TRUE(log.empty());  // greyed: the data set is closed
  const int greyed = CountColor(form.get(), navigator, ColorToQColor(clBtnShadow));
  table->Open();
  QCoreApplication::processEvents();
  EXPECT_LT(CountColor(form.get(), navigator, ColorToQColor(clBtnShadow)), greyed);  // black glyphs now
  QTest::mouseClick(navigator->Widget(), Qt::LeftButton, Qt::NoModifier, at);
  EXPECT_EQ(log, (std::vector<std::string>{"before 2", "click 2"}));
  EXPECT_EQ(navigator->ButtonHint(nbNext), "Next record");
  navigator->Hints()->SetText("\r\n\r\nForward\r\n");
  EXPECT_EQ(navigator->ButtonHint(nbNext), "Forward");
}

TEST(DataControls, FlatIsKeptAsTheFormHadIt) {
  CtrlHostPtr host = NewCtrlHost();
  ReadBinary(host.get(), ObjectTextToBinary("object Host: TCtrlHost\n  Left = 0\n  Top = 0\n  Width = 0\n"
                                            "  Height = 0\n  object Nav: TDBNavigator\n    Left = 0\n    Top = 0\n"
                                            "    Width = 240\n    Height = 25\n    Flat = False\n  end\nend\n"));
  auto* nav = static_cast<TDBNavigator*>(host->FindComponent("Nav"));
  EXPECT_TRUE(nav->IsFlatStored());
  nav->SetFlat(true);
  nav->SetFlat(false);  // the designer's change: the default again
  EXPECT_FALSE(nav->IsFlatStored());
}

TEST(DataControls, WithoutDataTheyShowTheirNameOrNothing) {
  FormPtr form = ShownForm();
  auto* text = PlaceOn<TDBText>(form.get(), 8, 8);
  text->SetName("DBText1");
  text->Font()->SetColor(clRed);
  text->SetParentFont(false);
  auto* image = PlaceOn<TDBImage>(form.get(), 8, 40);
  image->SetName("DBImage1");
  image->Font()->SetColor(clRed);
  image->SetParentFont(false);
  auto* edit = PlaceOn<TDBEdit>(form.get(), 200, 8);
  edit->SetName("DBEdit1");
  form->Show();
  EXPECT_EQ(edit->Text(), "");
  EXPECT_EQ(CountColor(form.get(), text, Qt::red), 0);  // running: nothing to show
  EXPECT_EQ(CountColor(form.get(), image, Qt::red), 0);
  form->SetDesigning(true);
  text->Invalidate();
  image->Invalidate();
  QCoreApplication::processEvents();
  EXPECT_GT(CountColor(form.get(), text, Qt::red), 0);  // "DBText1"
  EXPECT_GT(CountColor(form.get(), image, Qt::red), 0);  // "(DBImage1)"
}

TEST(DataControls, ADataSourceThatGoesIsForgotten) {
  FormPtr form = ShownForm();
  FormPtr module = ShownForm();
  auto* source = new TDataSource(module.get());
  auto* edit = PlaceOn<TDBEdit>(form.get(), 8, 8);
  auto* lookup = PlaceOn<TDBLookupComboBox>(form.get(), 8, 40);
  edit->SetDataSource(source);
  lookup->SetListSource(source);
  EXPECT_THROW(lookup->SetDataSource(source), EDatabaseError);  // its own list
  auto* table = new TTable(module.get());
  auto* field = new TStringField(module.get());
  field->SetFieldName("Name");
  field->SetDataSet(table);
  source->SetDataSet(table);
  edit->SetDataField("NAME");
  EXPECT_EQ(edit->Field(), field);
  module.reset();
  EXPECT_EQ(edit->DataSource(), nullptr);
  EXPECT_EQ(lookup->ListSource(), nullptr);
  EXPECT_EQ(edit->Field(), nullptr);
}
