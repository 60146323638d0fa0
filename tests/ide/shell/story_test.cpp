// The user's whole story: a new application made, saved, and opened again by the
// program started anew.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <string>

#include "ide/common/environment.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "ide/designer/wrappercontrol.h"
#include "ide/editor/editorform.h"
#include "ide/inspector/objectinspector.h"
#include "ide/shell/mainform.h"
#include "ide/shell/mainwindows.h"
#include "kcl/controls/application.h"
#include "kcl/rtl/sysutils.h"
#include "mainwindowtest.h"
#include "support/testfiles.h"

namespace korvax {
namespace {

using namespace kcl;
using editor::EditorForm;

class Story : public test::MainWindowTest {
protected:
  // The program started again: its windows made anew, with the test's settings.
  void StartAgain() {
    // In the order the program's end frees them, each telling the application.
    ObjectInspector->Free();
    EditorForm->Free();
    FMainForm->Free();
    CreateMainWindows();
    FMainForm->Show();
    MainWindowTest::SetUp();
  }
  static void PressOn(designer::TProxyForm* form, int x, int y) {
    QTest::mousePress(form->ClientWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    QTest::mouseRelease(form->ClientWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
  }
  static TControl* Control(designer::TProxyForm* form, const std::string& name) {
    return dynamic_cast<TControl*>(form->FindComponent(name));
  }
};

TEST_F(Story, ANewApplicationSavedAndOpenedAgainShowsWhatWasMade) {
  designer::TProxyForm* form = FMainForm->CurrentDesignForm;
  Click(Button("sbButton"));
  PressOn(form, 24, 32);
  Click(Button("sbTimer"));
  PressOn(form, 120, 80);
  TControl* button = Control(form, "Button1");
  TControl* timer = Control(form, designer::TWrapperControl::WrapperName("Timer1"));
  ASSERT_NE(button, nullptr);
  ASSERT_NE(timer, nullptr);
  const TRect timerAt = timer->BoundsRect();
  QTest::mouseDClick(button->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QTest::keyClicks(EditorForm->RichEdit1->Widget(), "ShowMessage('Hi');");
  QApplication::processEvents();
  AnswerFileDialogs([this](TOpenDialog& dialog) { return Dir.File(ExtractFileName(dialog.FileName())); });
  MenuItem("FileSaveAllItem")->Click();
  EXPECT_TRUE(Messages.empty()) << testing::PrintToString(Messages);
  const std::string dfm = test::ReadFileBytes(Dir.File("Unit1.dfm"));
  EXPECT_EQ(dfm.substr(0, 10), std::string("\xff\x0a\x00TFORM1\x00", 10));
  EXPECT_EQ(dfm.find("TWrapperControl"), std::string::npos);
  EXPECT_NE(dfm.find("Button1Click"), std::string::npos);

  StartAgain();
  ASSERT_TRUE(FMainForm->OpenProject(Dir.File("project1.dpr")));
  designer::TProxyForm* loaded = FMainForm->CurrentDesignForm;
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->Name(), "Form1");
  EXPECT_EQ(loaded->ClassName(), "TForm1");
  TControl* button2 = Control(loaded, "Button1");
  TControl* timer2 = Control(loaded, designer::TWrapperControl::WrapperName("Timer1"));
  ASSERT_NE(button2, nullptr);
  ASSERT_NE(timer2, nullptr);
  EXPECT_EQ(button2->Left(), 24);
  EXPECT_EQ(button2->Top(), 32);
  EXPECT_EQ(timer2->BoundsRect(), timerAt);
  loaded->ProxyDesigner()->InspectComponent(nullptr, button2);
  EXPECT_NE(ObjectInspector->EventBox->Items()->IndexOf(Format("%-20s", {"OnClick"}) + "Button1Click"), -1);
  EXPECT_EQ(EditorForm->PageControl1->ActivePage()->Caption(), "Unit1");
  EXPECT_NE(EditorForm->ActiveEditor()->Lines()->Text().find(
                "procedure TForm1.Button1Click(Sender: TObject);\r\nbegin\r\nShowMessage('Hi');\r\nend;"),
            std::string::npos);
  EXPECT_TRUE(Messages.empty()) << testing::PrintToString(Messages);
}

}  // namespace
}  // namespace korvax
