// The design form's keyboard and deleting, through the user's presses and keys.
#include <algorithm>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "ide/designer/wrappercontrol.h"
#include "kcl/components/edit.h"
#include "kcl/components/extctrls.h"
#include "kcl/components/label.h"
#include "kcl/components/stdctrls.h"
#include "kcl/components/timer.h"
#include "kcl/controls/widgetbridge.h"
#include "support/designform.h"
#include "support/helprequests.h"

using namespace kcl;
using namespace korvax::designer;

namespace {

class DesignKeys : public korvax::test::DesignFormTest {
protected:
  void SetUp() override {
    DesignFormTest::SetUp();
    QWidget* window = Form->ClientWidget()->window();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  TControl* Place(TClass cls, int left, int top, TComponent* parent = nullptr) {
    TComponent* placed = Designer()->CreateComponent(cls, parent ? parent : Form.get(), left, top, 0, 0);
    if (auto* control = dynamic_cast<TControl*>(placed)) return control;
    return dynamic_cast<TControl*>(Form->FindComponent(TWrapperControl::WrapperName(placed->Name())));
  }
  void Click(TControl* control, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    Press(control, 3, 3, keys);
    Release(control, 3, 3, keys);
  }
  // The user's keys go to the widget that has the keyboard.
  static void Key(Qt::Key key, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, keys);
  }
  // QTest's clicks with a modifier press and release it around the key.
  static void KeyWithCtrlHeld(Qt::Key key) {
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent event(type, key, Qt::ControlModifier);
      QApplication::sendEvent(QApplication::focusWidget(), &event);
    }
  }
};

// A press gives the design form the keyboard, a windowless label's too. Delete
// takes the selection away as one edit and selects the control added last that
// is left; with nothing left the form stays selected and nothing is told.
TEST_F(DesignKeys, DeleteAfterAPressTakesThePressedControlAway) {
  TControl* first = Place(&TButton::StaticClass(), 10, 10);
  TControl* label = Place(&TLabel::StaticClass(), 10, 60);
  Click(Place(&TButton::StaticClass(), 10, 100));
  // The form has the keyboard, not the button: keys reach the designer alike.
  EXPECT_EQ(TWidgetBridge::ControlOf(QApplication::focusWidget()), Form.get());
  Log.Edits.clear();
  Key(Qt::Key_Delete);
  EXPECT_EQ(Form->FindComponent("Button2"), nullptr);
  ASSERT_EQ(Log.Edits.size(), 1u);
  EXPECT_EQ(Log.Edits[0].Kind, TDesignEditKind::Delete);
  EXPECT_EQ(Form->ComponentNames->Text(), "Button1:TButton\r\nLabel1:TLabel\r\n");
  EXPECT_EQ(Designer()->Selection, std::vector<TControl*>{label});
  Click(label);
  Key(Qt::Key_Delete);
  EXPECT_EQ(Form->FindComponent("Label1"), nullptr);
  EXPECT_EQ(Designer()->Selection, std::vector<TControl*>{first});
  Key(Qt::Key_Delete);
  Key(Qt::Key_Delete);
  EXPECT_EQ(Form->ComponentCount(), 0);
  EXPECT_EQ(std::count_if(Log.Edits.begin(), Log.Edits.end(),
                          [](const TDesignEdit& edit) { return edit.Kind == TDesignEditKind::Delete; }),
            3);
  EXPECT_EQ(Designer()->Selection, std::vector<TControl*>{Form.get()});
}

// A wrapper takes its component with it, a panel the controls inside it; the
// edit names the components. Deleting one component alone works the same way.
TEST_F(DesignKeys, DeleteTakesWrappedComponentsAndWhatIsInside) {
  TControl* panel = Place(&TPanel::StaticClass(), 10, 10);
  TControl* inner = Place(&TButton::StaticClass(), 5, 5, panel);
  TControl* wrapper = Place(&TTimer::StaticClass(), 250, 10);
  TComponent* timer = TProxyDesigner::ComponentOf(wrapper);
  Click(panel);
  Click(wrapper, Qt::ShiftModifier);
  Log.Edits.clear();
  Key(Qt::Key_Delete);
  EXPECT_EQ(Form->ComponentCount(), 0);
  ASSERT_EQ(Log.Edits.size(), 1u);
  EXPECT_EQ(Log.Edits[0].Components, (std::vector<TComponent*>{panel, inner, timer}));
  EXPECT_EQ(Designer()->ComponentListEntries(), std::vector<std::string>{"Form1:TForm"});

  Place(&TTimer::StaticClass(), 250, 10);
  Designer()->DeleteComponent(Form->FindComponent("Timer1"), true);
  EXPECT_EQ(Form->ComponentCount(), 0);
  Designer()->DeleteComponent(Form.get(), true);  // the form stays
}

// Shift and Ctrl follow their keys. Ctrl with an arrow moves the selection one pixel, one edit a key; the handles
// follow at once for a few controls, for five or more when Ctrl goes up.
TEST_F(DesignKeys, CtrlArrowsNudgeTheSelection) {
  std::vector<TControl*> buttons;
  for (int i = 0; i < 6; ++i) buttons.push_back(Place(&TButton::StaticClass(), 10 + 80 * (i % 3), 10 + 40 * (i / 3)));
  Click(buttons[0]);
  QTest::keyPress(QApplication::focusWidget(), Qt::Key_Shift);
  EXPECT_TRUE(Designer()->MultiSelect);
  QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Shift);
  EXPECT_FALSE(Designer()->MultiSelect);
  Click(buttons[1], Qt::ShiftModifier);
  const int handleLeft = Designer()->Handles->Items[0]->Left();
  Log.Edits.clear();
  Key(Qt::Key_Right);  // without Ctrl: nothing
  QTest::keyPress(QApplication::focusWidget(), Qt::Key_Control);
  KeyWithCtrlHeld(Qt::Key_Right);
  KeyWithCtrlHeld(Qt::Key_Down);
  EXPECT_EQ(TPoint(buttons[0]->Left(), buttons[0]->Top()), TPoint(11, 11));
  EXPECT_EQ(buttons[1]->Left(), 91);
  EXPECT_EQ(Designer()->Handles->Items[0]->Left(), handleLeft + 1);
  EXPECT_EQ(Log.Edits.size(), 2u);
  QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Control);

  for (size_t i = 2; i < buttons.size(); ++i) Click(buttons[i], Qt::ShiftModifier);
  const int lastHandleLeft = Designer()->Handles->Items[0]->Left();
  QTest::keyPress(QApplication::focusWidget(), Qt::Key_Control);
  KeyWithCtrlHeld(Qt::Key_Left);
  EXPECT_EQ(buttons[5]->Left(), 169);
  EXPECT_EQ(Designer()->Handles->Items[0]->Left(), lastHandleLeft);
  QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Control);
  EXPECT_EQ(Designer()->Handles->Items[0]->Left(), lastHandleLeft - 1);
  // A move that follows starts where the keys left the controls.
  Drag(buttons[5], QPoint(5, 5), QPoint(25, 5));
  EXPECT_EQ(buttons[5]->Left(), 189);
}

// F1 asks for help on the pressed control's class (a wrapper's component's),
// F11 and F12 ask the windows above; other keys do nothing: a design edit box that
// has the keyboard types nothing.
TEST_F(DesignKeys, FunctionKeysAskForHelpAndTheOtherWindows) {
  std::vector<std::string> keywords;
  {
    korvax::test::HelpRequests help;
    Click(Form.get());
    Key(Qt::Key_F1);  // no control pressed
    TControl* wrapper = Place(&TTimer::StaticClass(), 250, 10);
    Click(Place(&TEdit::StaticClass(), 10, 10));
    Key(Qt::Key_F1);
    Click(wrapper);
    Key(Qt::Key_F1);
    keywords = help.Keywords;
  }
  EXPECT_EQ(keywords, (std::vector<std::string>{"TEdit", "TTimer"}));
  Key(Qt::Key_F11);
  Key(Qt::Key_F12);
  EXPECT_EQ(Log.Commands, (std::vector<TDesignCommand>{TDesignCommand::FocusInspector, TDesignCommand::ToggleFormUnit}));
  auto* edit = dynamic_cast<TEdit*>(Form->FindComponent("Edit1"));
  edit->SetFocus();
  Log.Edits.clear();
  QTest::keyClicks(QApplication::focusWidget(), "abc");
  EXPECT_EQ(edit->Text(), "Edit1");
  EXPECT_TRUE(Log.Edits.empty());
}

// Ctrl+Z takes the form's last edit back, Shift+Ctrl+Z makes it again.
TEST_F(DesignKeys, CtrlZUndoesAndShiftCtrlZRedoes) {
  Place(&TButton::StaticClass(), 10, 10);
  Click(Place(&TButton::StaticClass(), 10, 60));
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Form->FindComponent("Button2"), nullptr);
  ASSERT_NE(Form->FindComponent("Button1"), nullptr);
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Form->FindComponent("Button1"), nullptr);
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_NE(Form->FindComponent("Button2"), nullptr);
  Key(Qt::Key_Z);
  EXPECT_NE(Form->FindComponent("Button2"), nullptr);
}

}  // namespace
