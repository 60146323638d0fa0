// Components copied, cut and pasted through the clipboard.
#include "ide/designer/componentclipboard.h"

#include <gtest/gtest.h>

#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "ide/designer/wrappercontrol.h"
#include "kcl/components/extctrls.h"
#include "kcl/components/stdctrls.h"
#include "kcl/components/timer.h"
#include "kcl/desktop/clipboard.h"
#include "support/designform.h"

using namespace kcl;
using namespace korvax::designer;

namespace {

class Clipboards : public korvax::test::DesignFormTest {
protected:
  TControl* Place(TClass cls, TComponent* parent, int left, int top) {
    TComponent* component = Designer()->CreateComponent(cls, parent, left, top, 0, 0);
    auto* control = dynamic_cast<TControl*>(component);
    return control ? control : dynamic_cast<TControl*>(Form->FindComponent(TWrapperControl::WrapperName(component->Name())));
  }
  void Select(std::initializer_list<TControl*> controls) {
    Designer()->ClearSelection();
    Designer()->MultiSelect = true;
    for (TControl* control : controls) Designer()->SelectComponent(control);
    Designer()->MultiSelect = false;
  }
  std::vector<std::string> SelectedNames() const {
    std::vector<std::string> names;
    for (TControl* control : Designer()->Selection) names.push_back(TProxyDesigner::ComponentOf(control)->Name());
    return names;
  }
};

}  // namespace

TEST_F(Clipboards, TwoButtonsPastedTwiceAreFourNewButtonsEachPairTenPixelsOn) {
  TControl* one = Place(&TButton::StaticClass(), Form.get(), 10, 20);
  TControl* two = Place(&TButton::StaticClass(), Form.get(), 100, 20);
  Select({one, two});
  CopySelection(*Designer());
  EXPECT_TRUE(ClipboardHasComponents());
  Log.Edits.clear();
  PasteComponents(*Designer());
  PasteComponents(*Designer());
  for (const char* name : {"Button3", "Button4", "Button5", "Button6"})
    ASSERT_NE(Form->FindComponent(name), nullptr) << name;
  auto* button5 = dynamic_cast<TButton*>(Form->FindComponent("Button5"));
  EXPECT_EQ(button5->Left(), 20);
  EXPECT_EQ(button5->Top(), 30);
  EXPECT_TRUE(button5->IsDesigning());
  EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"Button5", "Button6"}));
  // Each paste is one edit naming what it added, for the unit's field lines.
  ASSERT_EQ(Log.Edits.size(), 2u);
  EXPECT_EQ(Log.Edits[1].Kind, TDesignEditKind::Paste);
  ASSERT_EQ(Log.Edits[1].Components.size(), 2u);
  EXPECT_EQ(Log.Edits[1].Components[0]->Name(), "Button5");
}

// A timer travels as itself and gets a wrapper where it lands; a button copied
// from inside a panel lands on the form itself; events keep the form's handlers
// and leave out the ones the form does not have.
TEST_F(Clipboards, WhatIsPastedLandsOnTheFormWithItsHandlers) {
  TControl* panel = Place(&TPanel::StaticClass(), Form.get(), 50, 50);
  auto* inner = dynamic_cast<TButton*>(Place(&TButton::StaticClass(), panel, 5, 6));
  TControl* timerWrapper = Place(&TTimer::StaticClass(), Form.get(), 200, 100);
  inner->OnClick.SetMethod(Designer()->CreateMethod("Button1Click", nullptr));
  auto* timer = dynamic_cast<TTimer*>(Form->FindComponent("Timer1"));
  timer->OnTimer.SetMethod(Designer()->CreateMethod("Gone", nullptr));
  Select({inner, timerWrapper});
  CopySelection(*Designer());
  // "Gone" is no longer the form's.
  timer->OnTimer.SetMethod({});
  Designer()->Methods.erase(Designer()->Methods.begin() + 1);
  PasteComponents(*Designer());
  auto* button = dynamic_cast<TButton*>(Form->FindComponent("Button2"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Parent(), Form.get());
  EXPECT_EQ(button->Left(), 15);
  EXPECT_EQ(Designer()->GetMethodName(button->OnClick.Method()), "Button1Click");
  auto* pastedTimer = dynamic_cast<TTimer*>(Form->FindComponent("Timer2"));
  ASSERT_NE(pastedTimer, nullptr);
  EXPECT_FALSE(pastedTimer->OnTimer.Assigned());
  auto* wrapper = dynamic_cast<TWrapperControl*>(Form->FindComponent("WrapperTimer2"));
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->Component, pastedTimer);
  EXPECT_EQ(wrapper->Left(), 210);
  EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"Button2", "Timer2"}));
}

TEST_F(Clipboards, CutCopiesThenDeletesTheSelectionWithWhatIsInside) {
  TControl* panel = Place(&TPanel::StaticClass(), Form.get(), 50, 50);
  Place(&TButton::StaticClass(), panel, 5, 6);
  TControl* timerWrapper = Place(&TTimer::StaticClass(), Form.get(), 200, 100);
  Select({panel, timerWrapper});
  Log.Edits.clear();
  CutSelection(*Designer());
  EXPECT_EQ(Form->FindComponent("Panel1"), nullptr);
  EXPECT_EQ(Form->FindComponent("Button1"), nullptr);
  EXPECT_EQ(Form->FindComponent("Timer1"), nullptr);
  EXPECT_EQ(Form->FindComponent("WrapperTimer1"), nullptr);
  EXPECT_EQ(Designer()->Selection, std::vector<TControl*>{Form.get()});  // the form is selected then
  ASSERT_EQ(Log.Edits.size(), 1u);
  EXPECT_EQ(Log.Edits[0].Kind, TDesignEditKind::Delete);
  EXPECT_EQ(Log.Edits[0].Components.size(), 3u);
  // The panel comes back with its button inside.
  PasteComponents(*Designer());
  auto* pasted = dynamic_cast<TPanel*>(Form->FindComponent("Panel1"));
  ASSERT_NE(pasted, nullptr);
  ASSERT_EQ(pasted->ControlCount(), 1);
  EXPECT_EQ(pasted->Controls(0)->Name(), "Button1");
  EXPECT_NE(Form->FindComponent("WrapperTimer1"), nullptr);
}

TEST_F(Clipboards, PasteWithoutComponentDataDoesNothing) {
  Clipboard().SetAsText("just text");
  EXPECT_FALSE(ClipboardHasComponents());
  const int count = Form->ComponentCount();
  PasteComponents(*Designer());
  EXPECT_EQ(Form->ComponentCount(), count);
}

// The form may be in the selection beside its controls: it is neither copied into
// itself nor deleted.
TEST_F(Clipboards, TheFormInTheSelectionIsNeitherCopiedNorDeleted) {
  TControl* button = Place(&TButton::StaticClass(), Form.get(), 10, 10);
  Select({Form.get(), button});
  CopySelection(*Designer());
  Designer()->DeleteSelection();
  EXPECT_EQ(Form->FindComponent("Button1"), nullptr);
  PasteComponents(*Designer());
  EXPECT_EQ(SelectedNames(), std::vector<std::string>{"Button1"});
  EXPECT_EQ(Form->ComponentCount(), 1);
}
