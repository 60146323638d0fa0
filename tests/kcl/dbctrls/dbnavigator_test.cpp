// The navigator: its buttons act on an open data set, and Flat is kept as a
// form had it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

#include "kcl/classes/objecttext.h"
#include "kcl/db/dataaccess.h"
#include "kcl/dbctrls/datacontrols.h"
#include "kcl/graphics/qtcolor.h"
#include "support/formtext.h"
#include "support/pixels.h"
#include "support/recordroot.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(DataControls, TheNavigatorsButtonsActOnAnOpenDataSet) {
  FormPtr form = NewForm();
  auto* navigator = Place<TDBNavigator>(form.get(), 8, 8);
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
  RegisterDataControls();
  RecordRootPtr host = NewRecordRoot("Host");
  ReadBinary(host.get(), ObjectTextToBinary("object Host: TRecordRoot\n  Left = 0\n  Top = 0\n  Width = 0\n"
                                            "  Height = 0\n  object Nav: TDBNavigator\n    Left = 0\n    Top = 0\n"
                                            "    Width = 240\n    Height = 25\n    Flat = False\n  end\nend\n"));
  auto* nav = static_cast<TDBNavigator*>(host->FindComponent("Nav"));
  EXPECT_TRUE(nav->IsFlatStored());
  nav->SetFlat(true);
  nav->SetFlat(false);  // the designer's change: the default again
  EXPECT_FALSE(nav->IsFlatStored());
}
