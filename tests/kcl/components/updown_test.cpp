#include <gtest/gtest.h>

#include <QTest>
#include <string>
#include <vector>

#include "kcl/components/edit.h"
#include "kcl/components/updown.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(Win32Input, UpDownStepsItsPositionIntoItsAssociatesText) {
  FormPtr form = NewForm();
  auto* edit = Create<TEdit>(form.get(), form.get(), "Edit1");
  edit->SetBounds(10, 10, 100, 21);
  auto* updown = Create<TUpDown>(form.get(), form.get(), "UpDown1");
  updown->SetMax(1002);
  updown->SetPosition(999);
  updown->SetAssociate(edit);
  // The buttons take the right end of the edit box, as tall as it is.
  EXPECT_EQ(edit->BoundsRect(), Bounds(10, 10, 84, 21));
  EXPECT_EQ(updown->BoundsRect(), Bounds(94, 10, 16, 21));
  EXPECT_EQ(edit->Text(), "999");
  form->Show();
  std::vector<std::string> log;
  updown->OnClick.SetHandler([&](TObject*, TUDBtnType b) { log.push_back(b == TUDBtnType::btNext ? "next" : "prev"); });
  QTest::mouseClick(updown->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(8, 3));
  EXPECT_EQ(updown->Position(), 1000);
  EXPECT_EQ(edit->Text(), "1,000");
  updown->SetThousands(false);
  EXPECT_EQ(edit->Text(), "1000");
  QTest::mouseClick(updown->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(8, 18));
  EXPECT_EQ(updown->Position(), 999);
  updown->SetPosition(1002);
  updown->ButtonClicked(TUDBtnType::btNext);  // held at Max
  EXPECT_EQ(updown->Position(), 1002);
  updown->SetWrap(true);
  updown->ButtonClicked(TUDBtnType::btNext);  // round to Min
  EXPECT_EQ(updown->Position(), 0);
  updown->OnChanging.SetHandler([](TObject*, bool& allow) { allow = false; });
  updown->ButtonClicked(TUDBtnType::btNext);
  EXPECT_EQ(updown->Position(), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"next", "prev", "next", "next"}));
  edit->Free();
  EXPECT_EQ(updown->Associate(), nullptr);
}
