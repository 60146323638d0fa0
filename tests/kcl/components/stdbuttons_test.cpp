// Buttons, check boxes and radio buttons: clicks and their exceptions, the form's modal result,
// the keys of a dialog, and no input while they are designed.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <string>
#include <vector>

#include "kcl/components/buttons.h"
#include "kcl/components/edit.h"
#include "kcl/components/groupbox.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/application.h"
#include "kcl/rtl/exceptions.h"
#include "support/mouse.h"
#include "support/swallowingdesigner.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(StdCtrlsInput, ButtonSetsTheFormsModalResultBeforeOnClick) {
  FormPtr form = ShownForm();
  auto* button = Place<TButton>(form.get(), "Button1");
  button->SetModalResult(mrYes);
  TModalResult seen = -1;
  button->OnClick.SetHandler([&](TObject*) { seen = form->ModalResult(); });
  ClickAt(button);
  EXPECT_EQ(seen, mrYes);
  // A bkClose button closes its form instead of clicking.
  auto* close = Place<TBitBtn>(form.get(), "BitBtn1", 100, 8);
  close->SetKind(bkClose);
  int clicks = 0;
  close->OnClick.SetHandler([&](TObject*) { ++clicks; });
  ClickAt(close);
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(form->Showing());
}

// The exception goes to the application, as one from a message does, and not
// through the peer's signal; the form stays shown.
TEST(StdCtrlsInput, AnExceptionOfAClickIsShownByTheApplication) {
  std::vector<std::string> shown;
  TApplication::SetMessageBoxHandler([&](const std::string& text, const std::string&, uint32_t) {
    shown.push_back(text);
    return IDOK;
  });
  FormPtr form = ShownForm();
  auto* button = Place<TButton>(form.get(), "Button1");
  button->OnClick.SetHandler([](TObject*) { throw EConvertError("'x' is not a valid integer value"); });
  ClickAt(button);
  TApplication::SetMessageBoxHandler(nullptr);
  EXPECT_EQ(shown, std::vector<std::string>{"'x' is not a valid integer value"});
  EXPECT_TRUE(form->Showing());
}

TEST(StdCtrlsInput, DesignedControlsIgnoreTheirPeersInput) {
  FormPtr form = ShownForm();
  TSwallowingDesigner designer;
  form->SetDesigner(&designer);
  auto* button = Place<TButton>(form.get(), "Button1");
  auto* check = Place<TCheckBox>(form.get(), "CheckBox1", 8, 40);
  button->SetDesigning(true);
  check->SetDesigning(true);
  int clicks = 0;
  button->OnClick.SetHandler([&](TObject*) { ++clicks; });
  ClickAt(button);
  ClickAt(check);
  static_cast<QAbstractButton*>(check->Widget())->click();  // a click that got past the designer
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(check->Checked());
  form->SetDesigner(nullptr);
}

TEST(StdCtrlsInput, CheckBoxesAndRadioButtonsToggleAndClick) {
  FormPtr form = ShownForm();
  auto* check = Place<TCheckBox>(form.get(), "CheckBox1");
  std::vector<TCheckBoxState> states;
  check->OnClick.SetHandler([&](TObject*) { states.push_back(check->State()); });
  ClickAt(check);
  ClickAt(check);
  check->SetAllowGrayed(true);
  ClickAt(check);
  ClickAt(check);
  EXPECT_EQ(states, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked, cbGrayed, cbChecked}));
  EXPECT_EQ(static_cast<QCheckBox*>(check->Widget())->checkState(), Qt::Checked);

  auto* group = Place<TGroupBox>(form.get(), "GroupBox1", 8, 40);
  auto* a = Place<TRadioButton>(form.get(), "A", 8, 160);
  auto* b = Place<TRadioButton>(form.get(), "B", 8, 180);
  auto* inGroup = Place<TRadioButton>(group, "C", 8, 20);
  inGroup->SetChecked(true);
  int clicks = 0;
  b->OnClick.SetHandler([&](TObject*) { ++clicks; });
  ClickAt(a);
  EXPECT_TRUE(a->Checked());
  ClickAt(b);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(b->TabStop());
  EXPECT_FALSE(a->TabStop());
  EXPECT_TRUE(inGroup->Checked());  // another parent, another group
  ClickAt(b);                       // clicking a checked one keeps it checked
  EXPECT_TRUE(static_cast<QAbstractButton*>(b->Widget())->isChecked());
  EXPECT_EQ(clicks, 1);
}

TEST(DialogKeys, EnterAndEscapeClickTheDefaultAndCancelButtons) {
  FormPtr form = NewForm(300, 200);
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  auto* memo = new TMemo(form.get());
  memo->SetParent(form.get());
  memo->SetTop(40);
  auto* ok = new TButton(form.get());
  ok->SetParent(form.get());
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  ok->SetTop(120);
  auto* cancel = new TButton(form.get());
  cancel->SetParent(form.get());
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  cancel->SetBounds(100, 120, 75, 25);
  int okClicks = 0, cancelClicks = 0;
  ok->OnClick.SetHandler([&](TObject*) { ++okClicks; });
  cancel->OnClick.SetHandler([&](TObject*) { ++cancelClicks; });
  form->Show();
  QApplication::setActiveWindow(form->Window());

  edit->SetFocus();
  QTest::keyClick(edit->Widget(), Qt::Key_Return);
  EXPECT_EQ(okClicks, 1);
  EXPECT_EQ(form->ModalResult(), mrOk);
  QTest::keyClick(edit->Widget(), Qt::Key_Escape);
  EXPECT_EQ(cancelClicks, 1);
  EXPECT_EQ(form->ModalResult(), mrCancel);

  // A memo keeps Enter for its text; a focused button takes it from the default one.
  memo->SetFocus();
  QTest::keyClick(memo->Widget(), Qt::Key_Return);
  EXPECT_EQ(okClicks, 1);
  cancel->SetFocus();
  QTest::keyClick(cancel->Widget(), Qt::Key_Return);
  EXPECT_EQ(okClicks, 1);
  EXPECT_EQ(cancelClicks, 2);

  // Nothing takes Enter from a disabled default button.
  ok->SetEnabled(false);
  edit->SetFocus();
  QTest::keyClick(edit->Widget(), Qt::Key_Return);
  EXPECT_EQ(okClicks, 1);
}
