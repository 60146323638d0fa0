// Double-clicking an event (or a component on the design form) makes its handler
// in the unit and binds it, or goes to the handler it has.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QTest>

#include "ide/designer/proxydesigner.h"
#include "ide/editor/editorform.h"
#include "ide/editor/sourcegen.h"
#include "ide/inspector/objectinspector.h"
#include "kcl/components/stdctrls.h"
#include "kcl/rtl/sysutils.h"
#include "support/formtext.h"
#include "inspectortest.h"

namespace korvax::inspector {
namespace {

using namespace kcl;

class EventBinding : public test::InspectorTest {
protected:
  void SetUp() override {
    InspectorTest::SetUp();
    Editor = test::MakeWindow<editor::TEditorForm>();
    Editor->RichEdit1->Lines()->Assign(editor::NewUnitSource("Unit1", "Form1").get());
    editor::EditorForm = Editor.get();
  }
  void TearDown() override {
    editor::EditorForm = nullptr;
    Editor.reset();
    InspectorTest::TearDown();
  }
  void DoubleClickEvent(const std::string& event) {
    TListBox* events = Inspector->EventBox;
    int found = -1;
    for (int i = 0; i < events->Items()->Count(); ++i)
      if (events->Items()->Strings(i).starts_with(Format("%-20s", {event}))) found = i;
    ASSERT_GE(found, 0) << event;
    events->SetItemIndex(found);
    Inspector->EventBoxClick(events);
    Inspector->edEventDblClick(Inspector->edEvent);
  }
  std::string UnitText() const { return Editor->RichEdit1->Lines()->Text(); }
  int Occurrences(const std::string& text) const {
    int count = 0;
    for (size_t at = UnitText().find(text); at != std::string::npos; at = UnitText().find(text, at + 1)) ++count;
    return count;
  }

  test::WindowPtr<editor::TEditorForm> Editor;
};

TEST_F(EventBinding, AnEmptyEventGetsADeclaredHandlerBoundToIt) {
  auto* button = Designer()->CreateComponent(&TButton::StaticClass(), Form.get(), 10, 10, 75, 25);
  DoubleClickEvent("OnClick");
  EXPECT_EQ(Occurrences("procedure TForm1.Button1Click(Sender: TObject);\r\nbegin\r\n\r\nend;"), 1) << UnitText();
  EXPECT_EQ(Occurrences("    procedure Button1Click(Sender: TObject);"), 1) << UnitText();
  EXPECT_NE(Inspector->EventBox->Items()->IndexOf("OnClick             Button1Click"), -1);
  // The caret waits on the empty line of the body.
  TRichEdit* edit = Editor->RichEdit1;
  const int line = static_cast<int>(edit->Perform(EM_LINEFROMCHAR, static_cast<uintptr_t>(-1), 0));
  EXPECT_EQ(edit->Lines()->Strings(line), "");
  EXPECT_EQ(edit->Lines()->Strings(line - 1), "begin");
  // Bound on the component: the form carries it, and inspecting again shows it.
  EXPECT_NE(test::WriteText(Form.get()).find("OnClick = Button1Click"), std::string::npos);
  Designer()->InspectComponent(nullptr, Form.get());
  Designer()->InspectComponent(nullptr, button);
  EXPECT_NE(Inspector->EventBox->Items()->IndexOf("OnClick             Button1Click"), -1);
  // Again: to the body, never a second one.
  DoubleClickEvent("OnClick");
  DoubleClickEvent("OnClick");
  EXPECT_EQ(Occurrences("procedure TForm1.Button1Click("), 1);
  EXPECT_EQ(Occurrences("procedure Button1Click("), 1);
}

TEST_F(EventBinding, TheRowsListSharesAHandlerThatFitsWithoutASecondBody) {
  Designer()->CreateComponent(&TButton::StaticClass(), Form.get(), 10, 10, 75, 25);
  DoubleClickEvent("OnClick");
  auto* second = Designer()->CreateComponent(&TButton::StaticClass(), Form.get(), 10, 50, 75, 25);
  DoubleClickEvent("OnKeyDown");  // a handler of another kind: not offered for OnClick
  const int onClick = Inspector->EventBox->Items()->IndexOf("OnClick             ");
  ASSERT_GE(onClick, 0);
  Inspector->EventBox->SetItemIndex(onClick);
  Inspector->EventBoxClick(Inspector->EventBox);
  ASSERT_TRUE(Inspector->cbEvent->Visible());
  ASSERT_EQ(Inspector->cbEvent->Items()->Count(), 1);
  auto* combo = qobject_cast<QComboBox*>(Inspector->cbEvent->Widget());
  combo->setCurrentIndex(0);
  emit combo->activated(0);
  EXPECT_EQ(Inspector->EventBox->Items()->Strings(onClick), "OnClick             Button1Click");
  EXPECT_EQ(Inspector->FComponent, second);
  EXPECT_EQ(Occurrences("procedure TForm1.Button1Click("), 1);
  const std::string text = test::WriteText(Form.get());
  EXPECT_NE(text.find("OnClick = Button1Click", text.find("object Button2")), std::string::npos) << text;
}

TEST_F(EventBinding, AKeyEventsHandlerDeclaresItsParametersWithoutBlanks) {
  Designer()->CreateComponent(&TButton::StaticClass(), Form.get(), 10, 10, 75, 25);
  DoubleClickEvent("OnKeyDown");
  EXPECT_EQ(Occurrences("procedure TForm1.Button1KeyDown(Sender: TObject;var Key: Word;Shift: TShiftState);"), 1)
      << UnitText();
}

TEST_F(EventBinding, DoubleClickingOnTheDesignFormOpensTheFirstEvent) {
  auto* button = static_cast<TControl*>(Designer()->CreateComponent(&TButton::StaticClass(), Form.get(), 10, 10, 75, 25));
  QTest::mouseDClick(button->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(Inspector->PageControl1->ActivePage(), Inspector->TabEvent);
  EXPECT_EQ(Occurrences("procedure TForm1.Button1Click(Sender: TObject);"), 1) << UnitText();
  // The form's first event is OnActivate.
  QTest::mouseDClick(Form->ClientWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 150));
  EXPECT_EQ(Occurrences("procedure TForm1.Form1Activate(Sender: TObject);"), 1) << UnitText();
}

}  // namespace
}  // namespace korvax::inspector
