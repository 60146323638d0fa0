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
  // The dialog on the form's designer, shown; its rows.
  std::vector<std::string> Open() {
    FDialog.reset(new TTabOrderDialog(nullptr));
    FDialog->SetDesigner(Designer());
    FDialog->Show();
    std::vector<std::string> rows;
    for (int i = 0; i < FDialog->ControlList->Items()->Count(); ++i)
      rows.push_back(FDialog->ControlList->Items()->Strings(i));
    return rows;
  }
  void Click(TButton* button) { QTest::mouseClick(button->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); }

  std::unique_ptr<TTabOrderDialog, TObjectFree> FDialog;
};

// The rows are the windowed controls (none of the designer's own) of the current
// control when it holds controls, else of its parent, else of the form.
TEST_F(TabOrders, TheDialogListsTheContainersWindowedControlsInTabOrder) {
  TWinControl* panel = Place(&TPanel::StaticClass());
  TWinControl* button = Place(&TButton::StaticClass());
  TWinControl* edit = Place(&TEdit::StaticClass());
  Designer()->CreateComponent(&TLabel::StaticClass(), Form.get(), 10, 10, 0, 0);
  Designer()->CreateComponent(&TTimer::StaticClass(), Form.get(), 10, 10, 0, 0);
  TWinControl* inner = Place(&TButton::StaticClass(), panel);
  edit->SetTabOrder(0);
  const std::vector<std::string> onTheForm{"Edit1: TEdit", "Panel1: TPanel", "Button1: TButton"};
  const std::vector<std::string> inThePanel{"Button2: TButton"};
  Form->CurrentControl = nullptr;
  EXPECT_EQ(Open(), onTheForm);
  Form->CurrentControl = button;
  EXPECT_EQ(Open(), onTheForm);
  Form->CurrentControl = panel;
  EXPECT_EQ(Open(), inThePanel);
  Form->CurrentControl = inner;
  EXPECT_EQ(Open(), inThePanel);
}

// Up and Down move the selected row; Cancel changes nothing; OK gives the order
// as one edit, none when it is the same.
TEST_F(TabOrders, UpAndDownMoveTheSelectedRowAndOkGivesTheOrderAsOneEdit) {
  TWinControl* a = Place(&TButton::StaticClass());
  TWinControl* b = Place(&TButton::StaticClass());
  TWinControl* c = Place(&TButton::StaticClass());
  Form->CurrentControl = nullptr;
  Log.Edits.clear();
  Open();
  FDialog->ControlList->SetItemIndex(1);
  Click(FDialog->DownButton);
  Click(FDialog->DownButton);  // at the bottom already
  EXPECT_EQ(FDialog->ControlList->ItemIndex(), 2);
  Click(FDialog->CancelButton);
  EXPECT_EQ(b->TabOrder(), 1);
  Open();
  FDialog->ControlList->SetItemIndex(2);
  for (int i = 0; i < 3; ++i) Click(FDialog->UpButton);
  Click(FDialog->OKButton);
  EXPECT_EQ(std::vector<int>({c->TabOrder(), a->TabOrder(), b->TabOrder()}), std::vector<int>({0, 1, 2}));
  ASSERT_EQ(Log.Edits.size(), 1u);
  EXPECT_EQ(Log.Edits[0].Kind, TDesignEditKind::TabOrder);
  EXPECT_EQ(Log.Edits[0].Components, (std::vector<TComponent*>{c, a, b}));
  Open();
  Click(FDialog->OKButton);
  EXPECT_EQ(Log.Edits.size(), 1u);
}

}  // namespace
