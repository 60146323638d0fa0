// The Win32 page at run time: what clicks and keys do to its controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

#include "kcl/components/commctrls2.h"
#include "kcl/components/edit.h"
#include "win32controls_testing.h"

using namespace kcl;
using namespace win32controls_test;

TEST(Win32Input, TabControlAsksOnChangingBeforeATabIsChosen) {
  FormPtr form(new TForm(nullptr));
  form->SetBounds(0, 0, 400, 300);
  auto* tabs = Place<TTabControl>(form.get(), form.get(), "TabControl1");
  EXPECT_EQ(tabs->TabIndex(), -1);
  tabs->Tabs()->SetCommaText("One,Two,Three");
  EXPECT_EQ(tabs->TabIndex(), 0);  // the first tab is chosen when tabs come
  form->Show();
  std::vector<std::string> log;
  bool allow = false;
  tabs->OnChanging.SetHandler([&](TObject*, bool& a) {
    log.push_back("changing " + std::to_string(tabs->TabIndex()));
    a = allow;
  });
  tabs->OnChange.SetHandler([&](TObject*) { log.push_back("change " + std::to_string(tabs->TabIndex())); });
  auto* bar = tabs->Widget()->findChild<QTabBar*>();
  ASSERT_NE(bar, nullptr);
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(2).center());
  EXPECT_EQ(tabs->TabIndex(), 0);
  EXPECT_EQ(bar->currentIndex(), 0);
  allow = true;
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(2).center());
  EXPECT_EQ(tabs->TabIndex(), 2);
  EXPECT_EQ(bar->currentIndex(), 2);
  EXPECT_EQ(log, (std::vector<std::string>{"changing 0", "changing 0", "change 2"}));
  // The panel lies below the tabs; fewer tabs keep the index inside them.
  EXPECT_GE(tabs->DisplayRect().Top, bar->height());
  tabs->Tabs()->Delete(2);
  EXPECT_EQ(tabs->TabIndex(), 1);
  tabs->SetTabIndex(7);
  EXPECT_EQ(tabs->TabIndex(), 1);
}

TEST(Win32Input, UpDownStepsItsPositionIntoItsAssociatesText) {
  FormPtr form(new TForm(nullptr));
  form->SetBounds(0, 0, 400, 300);
  auto* edit = Place<TEdit>(form.get(), form.get(), "Edit1");
  edit->SetBounds(10, 10, 100, 21);
  auto* updown = Place<TUpDown>(form.get(), form.get(), "UpDown1");
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

TEST(Win32Input, TrackBarTellsOfTheUsersMovesOnly) {
  FormPtr form(new TForm(nullptr));
  auto* track = Place<TTrackBar>(form.get(), form.get(), "TrackBar1");
  form->Show();
  int changes = 0;
  track->OnChange.SetHandler([&](TObject*) { ++changes; });
  track->SetPosition(4);
  EXPECT_EQ(changes, 0);
  track->SetPosition(50);
  EXPECT_EQ(track->Position(), 10);  // held in the range
  auto* slider = qobject_cast<QSlider*>(track->Widget());
  ASSERT_NE(slider, nullptr);
  EXPECT_EQ(slider->value(), 10);
  slider->setFocus();
  QTest::keyClick(slider, Qt::Key_Left);
  EXPECT_EQ(track->Position(), 9);
  EXPECT_EQ(changes, 1);
  track->SetOrientation(trVertical);  // turned: the sizes change places
  EXPECT_EQ(track->Width(), 45);
  EXPECT_EQ(track->Height(), 150);
  EXPECT_EQ(slider->orientation(), Qt::Vertical);
}

TEST(Win32Input, HotKeyTakesTheCombinationPressedOrItsModifiers) {
  FormPtr form(new TForm(nullptr));
  auto* hotKey = Place<THotKey>(form.get(), form.get(), "HotKey1");
  EXPECT_EQ(hotKey->HotKeyText(), "Alt + A");
  EXPECT_EQ(hotKey->Combine('K', {ssCtrl}), scCtrl | 'K');
  EXPECT_EQ(hotKey->Combine('K', {}), scAlt | 'K');         // without modifiers: invalid, Alt instead
  EXPECT_EQ(hotKey->Combine('K', {ssShift}), scAlt | 'K');  // Shift alone likewise
  hotKey->SetInvalidKeys({});
  EXPECT_EQ(hotKey->Combine('K', {ssShift}), scShift | 'K');
  form->Show();
  hotKey->SetFocus();
  QTest::keyClick(hotKey->Widget(), Qt::Key_F5);
  EXPECT_EQ(hotKey->HotKey(), 116);  // F5, nothing invalid any more
  QTest::keyClick(hotKey->Widget(), Qt::Key_Backspace);
  EXPECT_EQ(hotKey->HotKeyText(), "None");
}

TEST(Win32Input, TreeViewShowsItsNodesAndAsksBeforeTheSelectionMoves) {
  FormPtr form(new TForm(nullptr));
  auto* tree = Place<TTreeView>(form.get(), form.get(), "TreeView1");
  TTreeNode* root = tree->Items()->Add(nullptr, "Root");
  TTreeNode* child = tree->Items()->AddChild(root, "Child");
  root->SetExpanded(true);
  form->Show();
  auto* widget = qobject_cast<QTreeWidget*>(tree->Widget());
  ASSERT_NE(widget, nullptr);
  ASSERT_EQ(widget->topLevelItemCount(), 1);
  EXPECT_EQ(widget->topLevelItem(0)->child(0)->text(0), "Child");
  EXPECT_TRUE(widget->topLevelItem(0)->isExpanded());
  EXPECT_EQ(widget->indentation(), 19);
  std::vector<std::string> log;
  bool allow = false;
  tree->OnChanging.SetHandler([&](TObject*, TTreeNode* n, bool& a) {
    log.push_back("changing " + n->Text());
    a = allow;
  });
  tree->OnChange.SetHandler([&](TObject*, TTreeNode* n) { log.push_back("change " + n->Text()); });
  widget->setCurrentItem(widget->topLevelItem(0)->child(0));
  EXPECT_EQ(tree->Selected(), nullptr);
  allow = true;
  widget = qobject_cast<QTreeWidget*>(tree->Widget());
  widget->setCurrentItem(widget->topLevelItem(0)->child(0));
  EXPECT_EQ(tree->Selected(), child);
  EXPECT_EQ(log, (std::vector<std::string>{"changing Child", "changing Child", "change Child"}));
  child->Delete();
  EXPECT_EQ(tree->Selected(), nullptr);
  EXPECT_EQ(tree->Items()->Count(), 1);
}

TEST(Win32Input, ToolBarLaysOutButtonsAndGroupedButtonsGoDownInTurn) {
  FormPtr form(new TForm(nullptr));
  form->SetBounds(0, 0, 108, 300);  // client 100 wide
  auto* bar = Place<TToolBar>(form.get(), form.get(), "ToolBar1");
  std::vector<TToolButton*> buttons;
  for (int i = 0; i < 4; ++i) {
    buttons.push_back(Place<TToolButton>(form.get(), bar, "ToolButton" + std::to_string(i + 1)));
    buttons.back()->SetStyle(tbsCheck);
    buttons.back()->SetGrouped(true);
  }
  buttons[1]->SetStyle(tbsSeparator);
  EXPECT_EQ(buttons[0]->BoundsRect(), Bounds(0, 2, 23, 22));
  EXPECT_EQ(buttons[1]->BoundsRect(), Bounds(23, 2, 8, 22));
  EXPECT_EQ(buttons[2]->BoundsRect(), Bounds(31, 2, 23, 22));
  EXPECT_EQ(buttons[3]->BoundsRect(), Bounds(54, 2, 23, 22));
  bar->SetButtonWidth(40);  // the last one wraps to a second row
  EXPECT_EQ(buttons[3]->BoundsRect(), Bounds(0, 24, 40, 22));
  form->Show();
  buttons[0]->Click();
  buttons[2]->Click();
  EXPECT_FALSE(buttons[0]->Down());
  EXPECT_TRUE(buttons[2]->Down());
  buttons[2]->Click();  // stays down: the group may not be all up
  EXPECT_TRUE(buttons[2]->Down());
  buttons[2]->SetAllowAllUp(true);
  buttons[2]->Click();
  EXPECT_FALSE(buttons[2]->Down());
}

TEST(Win32Input, CoolBarBandsHoldTheirControlsInRows) {
  FormPtr form(new TForm(nullptr));
  form->SetBounds(0, 0, 408, 300);  // client 400 wide
  auto* cool = Place<TCoolBar>(form.get(), form.get(), "CoolBar1");
  auto* edit = Place<TEdit>(form.get(), form.get(), "Edit1");
  TCoolBand* first = cool->Bands()->Add();
  first->SetWidth(150);
  TCoolBand* second = cool->Bands()->Add();
  second->SetBreak(false);
  second->SetControl(edit);
  EXPECT_EQ(edit->Parent(), cool);
  EXPECT_EQ(second->MinHeight(), edit->Height());
  EXPECT_EQ(cool->BandRect(0), Bounds(0, 0, 150, 29));
  EXPECT_EQ(cool->BandRect(1), Bounds(150, 0, 246, edit->Height() + 4));  // the last reaches the edge
  EXPECT_EQ(edit->Left(), 2 + 150 + 10);
  second->SetBreak(true);
  EXPECT_EQ(cool->BandRect(1).Top, 29);
  edit->Free();
  EXPECT_EQ(second->Control(), nullptr);
}
