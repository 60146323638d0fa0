// The Edit menu's layout commands on the current design form, through their dialogs.
#include <gtest/gtest.h>

#include "ide/designer/layoutdialogs.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "kcl/components/stdctrls.h"
#include "kcl/controls/modal.h"
#include "mainwindowtest.h"

namespace korvax {
namespace {

using namespace kcl;

class LayoutCommands : public test::MainWindowTest {
protected:
  static designer::TProxyDesigner* Designer() { return FMainForm->CurrentDesignForm->ProxyDesigner(); }
  static TControl* Place(int left, int top, int width, int height) {
    return static_cast<TControl*>(
        Designer()->CreateComponent(&TButton::StaticClass(), FMainForm->CurrentDesignForm, left, top, width, height));
  }
  static void Select(const std::vector<TControl*>& controls) {
    Designer()->ClearSelection();
    Designer()->MultiSelect = true;
    for (TControl* control : controls) Designer()->SelectComponent(control);
    Designer()->MultiSelect = false;
  }
  // Runs the command with the dialog answered by answer; the dialog's result.
  template <class Dialog>
  TModalResult Answer(const char* command, const std::function<void(Dialog&)>& answer) {
    TModalResult result = mrNone;
    SetModalHook([&](TCustomForm& form) {
      auto& dialog = dynamic_cast<Dialog&>(form);
      answer(dialog);
      result = dialog.ModalResult();
    });
    MenuItem(command)->Click();
    SetModalHook(nullptr);
    return result;
  }
};

TEST_F(LayoutCommands, AlignAndSizeWorkOnTheSelectionInItsOrder) {
  ASSERT_NE(FMainForm->CurrentDesignForm, nullptr);
  TControl* a = Place(40, 10, 40, 25);
  TControl* b = Place(20, 50, 25, 25);
  TControl* c = Place(70, 90, 60, 25);
  Select({b, a, c});
  EXPECT_EQ(Answer<designer::TAlignDialog>("EditAlignItem",
                                           [](designer::TAlignDialog& dialog) {
                                             EXPECT_EQ(dialog.Caption(), "Alignment");
                                             EXPECT_TRUE(dialog.hNoChange->Checked());
                                             dialog.hLeftSides->SetChecked(true);
                                             dialog.vCenters->SetChecked(true);
                                             dialog.OKButton->Click();
                                           }),
            mrOk);
  EXPECT_EQ(a->Left(), 20);
  EXPECT_EQ(c->Left(), 20);
  EXPECT_EQ(b->Left(), 20);
  EXPECT_EQ(c->Top(), 50);
  // Shrink the widths, grow the heights to one of 30.
  c->SetBounds(c->Left(), c->Top(), 60, 30);
  Answer<designer::TSizeDialog>("EditSizeItem", [](designer::TSizeDialog& dialog) {
    dialog.hShrink->SetChecked(true);
    dialog.vGrow->SetChecked(true);
    dialog.OKButton->Click();
  });
  for (TControl* control : {a, b, c}) {
    EXPECT_EQ(control->Width(), 25);
    EXPECT_EQ(control->Height(), 30);
  }
}

// A number that is none is reported and keeps the dialog open with what was
// typed; nothing changes until the numbers are whole.
TEST_F(LayoutCommands, ANonNumberKeepsTheDialogOpenAndChangesNothing) {
  TControl* a = Place(10, 10, 40, 25);
  Select({a});
  std::string typed;
  const TModalResult result = Answer<designer::TSizeDialog>("EditSizeItem", [&](designer::TSizeDialog& dialog) {
    EXPECT_FALSE(dialog.hWidth->Enabled());
    dialog.hAbsolute->SetChecked(true);
    dialog.hAbsolute->Click();
    EXPECT_TRUE(dialog.hWidth->Enabled());
    dialog.hWidth->SetText("60");
    dialog.vAbsolute->SetChecked(true);
    dialog.vHeight->SetText("tall");
    dialog.OKButton->Click();
    EXPECT_EQ(dialog.ModalResult(), mrNone);
    typed = dialog.vHeight->Text();
    dialog.vHeight->SetText(" 33 ");
    dialog.OKButton->Click();
  });
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(typed, "tall");
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_NE(Messages[0].find("'tall' is not a valid integer value"), std::string::npos) << Messages[0];
  EXPECT_EQ(a->BoundsRect(), Bounds(10, 10, 60, 33));

  Answer<designer::TScaleForm>("EditScaleItem", [](designer::TScaleForm& dialog) {
    dialog.Edit->SetText("1.5");
    dialog.OKButton->Click();
    EXPECT_EQ(dialog.ModalResult(), mrNone);
    dialog.Edit->SetText("150");
    dialog.OKButton->Click();
  });
  EXPECT_EQ(a->BoundsRect(), Bounds(15, 15, 90, 49));
}

TEST_F(LayoutCommands, FrontAndBackMoveTheCurrentControl) {
  TControl* first = Place(10, 10, 40, 25);
  TControl* second = Place(20, 20, 40, 25);
  FMainForm->CurrentDesignForm->CurrentControl = first;
  MenuItem("EditFrontItem")->Click();
  EXPECT_EQ(FMainForm->CurrentDesignForm->Controls().back(), first);
  MenuItem("EditBackItem")->Click();
  EXPECT_EQ(FMainForm->CurrentDesignForm->Controls().back(), second);
}

TEST_F(LayoutCommands, SelectAllSelectsTheDesignFormsComponentsWhileItIsActive) {
  TControl* a = Place(10, 10, 40, 25);
  TControl* b = Place(20, 20, 40, 25);
  Select({a});
  FMainForm->DesignFormActive = true;
  MenuItem("EditSelectAllItem")->Click();
  EXPECT_EQ(Designer()->Selection, (std::vector<TControl*>{a, b}));
}

}  // namespace
}  // namespace korvax
