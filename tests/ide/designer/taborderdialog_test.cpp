// The Edit Tab Order dialog on a design form.
#include "ide/designer/taborderdialog.h"

#include <QTest>

#include "kcl/components/extctrls.h"
#include "kcl/components/label.h"
#include "kcl/components/stdctrls.h"
#include "kcl/components/timer.h"
#include "support/designform.h"

using namespace kcl;
using namespace korvax::designer;

namespace {

class TabOrders : public korvax::test::DesignFormTest {
protected:
  TWinControl* Place(TClass cls, TComponent* parent = nullptr) {
    return dynamic_cast<TWinControl*>(Designer()->CreateComponent(cls, parent ? parent : Form.get(), 10, 10, 0, 0));
  }
  // The dialog on the form's designer, shown as the user sees it.
  std::unique_ptr<TTabOrderDialog, TObjectFree> Dialog() {
    std::unique_ptr<TTabOrderDialog, TObjectFree> dialog(new TTabOrderDialog(nullptr));
    dialog->SetDesigner(Designer());
    dialog->Show();
    return dialog;
  }
  static std::vector<std::string> Rows(const TTabOrderDialog& dialog) {
    std::vector<std::string> rows;
    for (int i = 0; i < dialog.ControlList->Items()->Count(); ++i) rows.push_back(dialog.ControlList->Items()->Strings(i));
    return rows;
  }
  static void Click(TButton* button) { QTest::mouseClick(button->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); }
};

// The current control's container: itself when it holds controls, else its
// parent; the form when there is no current control. Only its windowed
// controls are listed, none of the designer's own.
TEST_F(TabOrders, TheDialogListsTheContainersWindowedControlsInTabOrder) {
  TWinControl* panel = Place(&TPanel::StaticClass());
  TWinControl* button = Place(&TButton::StaticClass());
  TWinControl* edit = Place(&TEdit::StaticClass());
  Designer()->CreateComponent(&TLabel::StaticClass(), Form.get(), 10, 10, 0, 0);
  Designer()->CreateComponent(&TTimer::StaticClass(), Form.get(), 10, 10, 0, 0);
  TWinControl* inner = Place(&TButton::StaticClass(), panel);
  edit->SetTabOrder(0);
  const std::vector<std::string> onTheForm{"Edit1: TEdit", "Panel1: TPanel", "Button1: TButton"};
  Form->CurrentControl = nullptr;
  EXPECT_EQ(Rows(*Dialog()), onTheForm);
  Form->CurrentControl = button;
  EXPECT_EQ(Rows(*Dialog()), onTheForm);
  Form->CurrentControl = panel;
  EXPECT_EQ(Rows(*Dialog()), std::vector<std::string>{"Button2: TButton"});
  Form->CurrentControl = inner;
  EXPECT_EQ(Rows(*Dialog()), std::vector<std::string>{"Button2: TButton"});
}

TEST_F(TabOrders, UpAndDownMoveTheSelectedRowAndOkGivesTheOrderAsOneEdit) {
  TWinControl* a = Place(&TButton::StaticClass());
  TWinControl* b = Place(&TButton::StaticClass());
  TWinControl* c = Place(&TButton::StaticClass());
  Form->CurrentControl = nullptr;
  Log.Edits.clear();
  {
    auto dialog = Dialog();
    dialog->ControlList->SetItemIndex(2);
    Click(dialog->UpButton);
    Click(dialog->UpButton);
    Click(dialog->UpButton);  // at the top already
    EXPECT_EQ(Rows(*dialog), (std::vector<std::string>{"Button3: TButton", "Button1: TButton", "Button2: TButton"}));
    dialog->ControlList->SetItemIndex(1);
    Click(dialog->DownButton);
    Click(dialog->DownButton);  // at the bottom already
    EXPECT_EQ(dialog->ControlList->ItemIndex(), 2);
    Click(dialog->CancelButton);
  }
  EXPECT_EQ(a->TabOrder(), 0);
  EXPECT_TRUE(Log.Edits.empty());
  {
    auto dialog = Dialog();
    dialog->ControlList->SetItemIndex(2);
    Click(dialog->UpButton);
    Click(dialog->UpButton);
    Click(dialog->OKButton);
  }
  EXPECT_EQ(std::vector<int>({c->TabOrder(), a->TabOrder(), b->TabOrder()}), std::vector<int>({0, 1, 2}));
  ASSERT_EQ(Log.Edits.size(), 1u);
  EXPECT_EQ(Log.Edits[0].Kind, TDesignEditKind::TabOrder);
  EXPECT_EQ(Log.Edits[0].Components, (std::vector<TComponent*>{c, a, b}));
  Click(Dialog()->OKButton);  // the same order again changes nothing
  EXPECT_EQ(Log.Edits.size(), 1u);
}

}  // namespace
