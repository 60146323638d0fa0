#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

#include "kcl/components/combobox.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(StdCtrlsInput, ComboBoxSelectionTypingAndDropDown) {
  FormPtr form = ShownForm();
  auto* combo = Place<TComboBox>(form.get(), "ComboBox1");
  combo->Items()->SetCommaText("red,green,blue");
  std::vector<std::string> changes;
  combo->OnChange.SetHandler([&](TObject*) { changes.push_back(combo->Text()); });
  combo->SetItemIndex(1);
  EXPECT_EQ(combo->Text(), "green");
  EXPECT_TRUE(changes.empty());  // not by code
  auto* peer = static_cast<QComboBox*>(combo->Widget());
  peer->setFocus();
  QTest::keyClick(peer, Qt::Key_Down);
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(changes, std::vector<std::string>{"blue"});
  QTest::keyClicks(peer->lineEdit(), "x");
  EXPECT_EQ(combo->Text(), "bluex");
  EXPECT_EQ(changes.back(), "bluex");

  combo->SetStyle(csDropDownList);
  EXPECT_FALSE(peer->isEditable());
  combo->SetText("red");
  EXPECT_EQ(combo->ItemIndex(), 0);
  int drops = 0;
  combo->OnDropDown.SetHandler([&](TObject*) { ++drops; });
  combo->SetDroppedDown(true);
  EXPECT_EQ(drops, 1);
  combo->SetDroppedDown(false);
}
