// A design form's keys and context menu reaching the unit, the inspector and the
// main window's commands, and Edit > Tab Order.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "ide/designer/formfiles.h"
#include "ide/designer/layoutdialogs.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "ide/designer/taborderdialog.h"
#include "ide/designer/wrappercontrol.h"
#include "ide/editor/editorform.h"
#include "ide/inspector/objectinspector.h"
#include "ide/shell/mainwindows.h"
#include "kcl/components/stdctrls.h"
#include "kcl/components/timer.h"
#include "kcl/controls/modal.h"
#include "mainwindowtest.h"

namespace korvax {
namespace {

using namespace kcl;
using editor::EditorForm;

class DesignCommands : public test::MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ActivateForm();
  }
  // The design form is the window the user works in.
  static void ActivateForm() {
    QWidget* window = Form()->ClientWidget()->window();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  static designer::TProxyForm* Form() { return FMainForm->CurrentDesignForm; }
  static designer::TProxyDesigner* Designer() { return Form()->ProxyDesigner(); }
  static TControl* Place(TClass cls, int x, int y) {
    TComponent* placed = Designer()->PlaceComponent(cls, nullptr, TPoint{x, y});
    if (auto* control = dynamic_cast<TControl*>(placed)) return control;
    return dynamic_cast<TControl*>(Form()->FindComponent(designer::TWrapperControl::WrapperName(placed->Name())));
  }
  static void Press(TControl* control, Qt::MouseButton button = Qt::LeftButton) {
    QCoreApplication::sendPostedEvents();
    QTest::mousePress(control->Widget(), button, Qt::NoModifier, QPoint(4, 4));
    QTest::mouseRelease(control->Widget(), button, Qt::NoModifier, QPoint(4, 4));
  }
  static void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
  static std::string UnitText() { return EditorForm->RichEdit1->Lines()->Text(); }
  static bool Listed(const std::string& entry) { return ObjectInspector->ComponentList->Items()->IndexOf(entry) >= 0; }
  static TMenuItem* ContextItem(const char* name) {
    return dynamic_cast<TMenuItem*>(Designer()->ContextMenu()->FindComponent(name));
  }
};

TEST_F(DesignCommands, DeleteTakesTheFieldLinesAndTheInspectorsEntries) {
  TControl* button = Place(&TButton::StaticClass(), 10, 10);
  TControl* wrapper = Place(&TTimer::StaticClass(), 200, 10);
  ASSERT_NE(UnitText().find("    Button1:TButton;"), std::string::npos);
  ASSERT_NE(UnitText().find("    Timer1:TTimer;"), std::string::npos);
  ASSERT_TRUE(Listed("Button1:TButton") && Listed("Timer1:TTimer"));
  Press(button);
  Key(Qt::Key_Delete);
  EXPECT_EQ(UnitText().find("Button1:TButton;"), std::string::npos);
  EXPECT_NE(UnitText().find("    Timer1:TTimer;"), std::string::npos);
  EXPECT_FALSE(Listed("Button1:TButton"));
  EXPECT_TRUE(Listed("Timer1:TTimer"));
  // The timer, added last and left, is what the inspector shows now.
  EXPECT_EQ(ObjectInspector->FComponent, designer::TProxyDesigner::ComponentOf(wrapper));
  Press(wrapper);
  Key(Qt::Key_Delete);
  EXPECT_EQ(Form()->FindComponent("Timer1"), nullptr);
  EXPECT_EQ(UnitText().find("Timer1:TTimer;"), std::string::npos);
  EXPECT_FALSE(Listed("Timer1:TTimer"));
  EXPECT_EQ(ObjectInspector->FComponent, Form());
}

TEST_F(DesignCommands, KeysAndTheContextMenuReachTheInspectorAndTheMainWindow) {
  TControl* button = Place(&TButton::StaticClass(), 10, 10);
  Press(button);
  EditorForm->Hide();
  FMainForm->DesignFormActive = false;
  Key(Qt::Key_F12);
  EXPECT_TRUE(EditorForm->Visible());
  ObjectInspector->Hide();
  ActivateForm();
  Key(Qt::Key_F11);
  EXPECT_TRUE(ObjectInspector->Visible());
  EXPECT_EQ(ObjectInspector->ClientWidget()->window()->focusWidget(), ObjectInspector->Widget());

  Press(button, Qt::RightButton);
  ASSERT_NE(Designer()->ContextMenu(), nullptr);
  std::vector<std::string> dialogs;
  SetModalHook([&](TCustomForm& form) {
    if (auto* dialog = dynamic_cast<designer::TLayoutDialog*>(&form); dialog && dialog->Designer == Designer())
      dialogs.push_back(dialog->Caption());
    form.SetModalResult(mrCancel);
  });
  for (const char* item : {"pmAlign", "pmSize", "pmScale"}) ContextItem(item)->Click();
  SetModalHook(nullptr);
  EXPECT_EQ(dialogs, (std::vector<std::string>{"Alignment", "Size", "Scale"}));
  ContextItem("pmViewAsText")->Click();
  EXPECT_EQ(EditorForm->ActiveEditor()->Lines()->Text(), designer::FormText(*Form()));
  EXPECT_EQ(EditorForm->ActiveEditor()->Lines()->Text().find("PopupMenu"), std::string::npos);
  EXPECT_EQ(UnitText().find("PopupMenu"), std::string::npos);
}

TEST_F(DesignCommands, TabOrderFromTheEditMenu) {
  TControl* first = Place(&TButton::StaticClass(), 10, 10);
  TControl* second = Place(&TButton::StaticClass(), 10, 50);
  Form()->CurrentControl = nullptr;
  TMenuItem* command = MenuItem("EditTabOrderItem");
  ASSERT_TRUE(command->Enabled());
  std::vector<std::string> rows;
  SetModalHook([&](TCustomForm& form) {
    auto& dialog = dynamic_cast<designer::TTabOrderDialog&>(form);
    for (int i = 0; i < dialog.ControlList->Items()->Count(); ++i) rows.push_back(dialog.ControlList->Items()->Strings(i));
    dialog.ControlList->SetItemIndex(1);
    dialog.UpButton->Click();
    dialog.OKButton->Click();
  });
  command->Click();
  SetModalHook(nullptr);
  EXPECT_EQ(rows, (std::vector<std::string>{"Button1: TButton", "Button2: TButton"}));
  EXPECT_EQ(static_cast<TWinControl*>(second)->TabOrder(), 0);
  EXPECT_EQ(static_cast<TWinControl*>(first)->TabOrder(), 1);
}

}  // namespace
}  // namespace korvax
