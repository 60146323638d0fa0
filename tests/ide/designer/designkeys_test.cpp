// The design form's keyboard and deleting, through the user's presses and keys.
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "ide/designer/proxydesigner.h"
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
  // The control whose window has the keyboard, where the user's keys go.
  static TControl* KeyboardControl() {
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
      if (TControl* control = TWidgetBridge::ControlOf(w)) return control;
    return nullptr;
  }
  static void Key(Qt::Key key, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, keys);
  }
  // A key pressed and released while Ctrl stays down (QTest's clicks with a
  // modifier press and release the modifier around the key).
  static void KeyWithCtrlHeld(QWidget* keyboard, Qt::Key key) {
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent event(type, key, Qt::ControlModifier);
      QApplication::sendEvent(keyboard, &event);
    }
  }
  std::vector<TControl*> SelectedControls() const { return Designer()->Selection; }
  std::vector<TDesignEditKind> EditKinds() const {
    std::vector<TDesignEditKind> kinds;
    for (const TDesignEdit& edit : Log.Edits) kinds.push_back(edit.Kind);
    return kinds;
  }
};

// A press gives the design form the keyboard, a windowless label's too: Delete
// then takes the pressed control away as one edit, and the control added last
// that is left is selected.
TEST_F(DesignKeys, DeleteAfterAPressTakesThePressedControlAway) {
  TControl* first = Place(&TButton::StaticClass(), 10, 10);
  TControl* label = Place(&TLabel::StaticClass(), 10, 60);
  TControl* button = Place(&TButton::StaticClass(), 10, 100);
  Click(button);
  EXPECT_EQ(KeyboardControl(), Form.get());
  Log.Edits.clear();
  Key(Qt::Key_Delete);
  EXPECT_EQ(Form->FindComponent("Button2"), nullptr);
  EXPECT_EQ(Form->CurrentControl, nullptr);
  ASSERT_EQ(Log.Edits.size(), 1u);
  EXPECT_EQ(Log.Edits[0].Kind, TDesignEditKind::Delete);
  EXPECT_EQ(Log.Edits[0].Components.size(), 1u);
  EXPECT_EQ(Form->ComponentNames->Text(), "Button1:TButton\r\nLabel1:TLabel\r\n");
  EXPECT_EQ(SelectedControls(), std::vector<TControl*>{label});

  Click(label);
  EXPECT_EQ(KeyboardControl(), Form.get());
  Key(Qt::Key_Delete);
  EXPECT_EQ(Form->FindComponent("Label1"), nullptr);
  EXPECT_EQ(SelectedControls(), std::vector<TControl*>{first});
  Key(Qt::Key_Delete);
  EXPECT_EQ(Form->ComponentCount(), 0);
  // Nothing left to delete: the form is selected and stays.
  EXPECT_EQ(SelectedControls(), std::vector<TControl*>{Form.get()});
  Log.Edits.clear();
  Key(Qt::Key_Delete);
  EXPECT_TRUE(Log.Edits.empty());
  EXPECT_EQ(SelectedControls(), std::vector<TControl*>{Form.get()});
}

// A wrapper takes its component with it; a panel the controls inside it; the
// one edit names the components, not their wrappers.
TEST_F(DesignKeys, DeleteTakesWrappedComponentsAndWhatIsInside) {
  TControl* panel = Place(&TPanel::StaticClass(), 10, 10);
  TControl* inner = Place(&TButton::StaticClass(), 5, 5, panel);
  TControl* wrapper = Place(&TTimer::StaticClass(), 250, 10);
  TComponent* timer = TProxyDesigner::ComponentOf(wrapper);
  Click(panel);
  Click(wrapper, Qt::ShiftModifier);
  ASSERT_EQ(SelectedControls(), (std::vector<TControl*>{panel, wrapper}));
  Log.Edits.clear();
  Key(Qt::Key_Delete);
  EXPECT_EQ(Form->ComponentCount(), 0);
  ASSERT_EQ(Log.Edits.size(), 1u);
  EXPECT_EQ(Log.Edits[0].Components, (std::vector<TComponent*>{panel, inner, timer}));
  EXPECT_EQ(Form->ComponentNames->Count(), 0);
  EXPECT_EQ(Designer()->ComponentListEntries(), std::vector<std::string>{"Form1:TForm"});
}

// Deleting one component by itself: a non-visual one goes with its wrapper, and
// the component added last that is left is selected through its wrapper.
TEST_F(DesignKeys, DeleteComponentReselectsTheLastAddedOneLeft) {
  TControl* timerWrapper = Place(&TTimer::StaticClass(), 250, 10);
  TControl* edit = Place(&TEdit::StaticClass(), 10, 10);
  TComponent* timer = TProxyDesigner::ComponentOf(timerWrapper);
  Log.Edits.clear();
  Designer()->DeleteComponent(timer, false);
  EXPECT_EQ(Form->FindComponent("WrapperTimer1"), nullptr);
  EXPECT_EQ(EditKinds(), std::vector<TDesignEditKind>{TDesignEditKind::Delete});
  Place(&TTimer::StaticClass(), 250, 10);
  Designer()->DeleteComponent(edit, true);
  ASSERT_EQ(SelectedControls().size(), 1u);
  EXPECT_EQ(SelectedControls()[0]->Name(), "WrapperTimer1");
  ASSERT_FALSE(Log.Inspected.empty());
  EXPECT_EQ(Log.Inspected.back().second->Name(), "Timer1");
  Designer()->DeleteComponent(Form.get(), true);
  Designer()->DeleteComponent(nullptr, true);
  EXPECT_EQ(Form->ComponentCount(), 2);
}

// Shift and Ctrl follow the keys; Ctrl with an arrow moves the selection one
// pixel; the handles follow at once for a few controls, on Ctrl's release for
// five or more.
TEST_F(DesignKeys, CtrlArrowsNudgeTheSelection) {
  std::vector<TControl*> buttons;
  for (int i = 0; i < 6; ++i) buttons.push_back(Place(&TButton::StaticClass(), 10 + 80 * (i % 3), 10 + 40 * (i / 3)));
  Click(buttons[0]);
  QWidget* keyboard = QApplication::focusWidget();
  QTest::keyPress(keyboard, Qt::Key_Shift);
  EXPECT_TRUE(Designer()->MultiSelect);
  QTest::keyRelease(keyboard, Qt::Key_Shift);
  EXPECT_FALSE(Designer()->MultiSelect);
  Click(buttons[1], Qt::ShiftModifier);
  const int handleLeft = Designer()->Handles->Items[0]->Left();
  Log.Edits.clear();
  Key(Qt::Key_Right);  // without Ctrl: nothing
  EXPECT_EQ(buttons[0]->Left(), 10);
  QTest::keyPress(keyboard, Qt::Key_Control);
  EXPECT_TRUE(Designer()->CtrlDown);
  KeyWithCtrlHeld(keyboard, Qt::Key_Right);
  KeyWithCtrlHeld(keyboard, Qt::Key_Down);
  EXPECT_EQ(TPoint(buttons[0]->Left(), buttons[0]->Top()), TPoint(11, 11));
  EXPECT_EQ(TPoint(buttons[1]->Left(), buttons[1]->Top()), TPoint(91, 11));
  EXPECT_EQ(Designer()->Handles->Items[0]->Left(), handleLeft + 1);
  EXPECT_EQ(EditKinds(), (std::vector<TDesignEditKind>{TDesignEditKind::Move, TDesignEditKind::Move}));
  QTest::keyRelease(keyboard, Qt::Key_Control);
  EXPECT_FALSE(Designer()->CtrlDown);

  for (size_t i = 2; i < buttons.size(); ++i) Click(buttons[i], Qt::ShiftModifier);
  ASSERT_EQ(SelectedControls().size(), 6u);
  const int lastHandleLeft = Designer()->Handles->Items[0]->Left();
  QTest::keyPress(keyboard, Qt::Key_Control);
  KeyWithCtrlHeld(keyboard, Qt::Key_Left);
  EXPECT_EQ(buttons[5]->Left(), 169);
  EXPECT_EQ(Designer()->Handles->Items[0]->Left(), lastHandleLeft);
  QTest::keyRelease(keyboard, Qt::Key_Control);
  EXPECT_EQ(Designer()->Handles->Items[0]->Left(), lastHandleLeft - 1);
  // A move that follows starts where the keys left the controls.
  Drag(buttons[5], QPoint(5, 5), QPoint(25, 5));
  EXPECT_EQ(buttons[5]->Left(), 189);
}

// F1 asks for help on the pressed control's class, F11 and F12 ask the windows
// above; every other key, and Ctrl+Z, is the designer's and does nothing: a
// design edit box types nothing.
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
  // Keys reach a design control that has the keyboard itself.
  auto* edit = dynamic_cast<TEdit*>(Form->FindComponent("Edit1"));
  ASSERT_NE(edit, nullptr);
  edit->SetFocus();
  Log.Edits.clear();
  QTest::keyClicks(QApplication::focusWidget(), "abc");
  Key(Qt::Key_Z, Qt::ControlModifier);
  Key(Qt::Key_Escape);
  EXPECT_EQ(edit->Text(), "Edit1");
  EXPECT_TRUE(Log.Edits.empty());
}

}  // namespace
