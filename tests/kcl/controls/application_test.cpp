#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "kcl/components/edit.h"
#include "kcl/controls/application.h"
#include "kcl/controls/form.h"
#include "kcl/desktop/desktop.h"
#include "kcl/desktop/help.h"
#include "support/testfiles.h"
#include "support/testform.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

using namespace kcl;
using korvax::test::TempDir;
using korvax::test::WriteFileBytes;

TEST(Application, RunShowsTheMainFormAndEndsWhenItCloses) {
  TApplication app(nullptr);
  app.SetTitle("Korvax ");
  auto* main = app.CreateForm<TForm>();
  auto* second = app.CreateForm<TForm>();
  EXPECT_EQ(app.MainForm(), main);
  bool shown = false;
  main->OnShow.SetHandler([&](TObject*) { shown = true; });
  QTimer::singleShot(0, [&] { main->Close(); });
  app.Run();
  EXPECT_TRUE(shown);
  EXPECT_FALSE(main->Showing());
  EXPECT_EQ(second->Owner(), &app);
}

TEST(Application, ErrorsAreShownWithTheTitleAndAbortIsSilent) {
  TApplication app(nullptr);
  app.SetTitle("Korvax ");
  std::vector<std::string> boxes;
  TApplication::SetMessageBoxHandler([&](const std::string& text, const std::string& caption, uint32_t flags) {
    boxes.push_back(caption + "|" + text + "|" + std::to_string(flags));
    return IDOK;
  });
  app.Guard([] { throw EConvertError("'abc' is not a valid integer value"); });
  app.Guard([] { throw EAbort(""); });
  EXPECT_EQ(boxes, std::vector<std::string>{"Korvax |'abc' is not a valid integer value|16"});
  // An exception handler replaces the message box.
  std::string handled;
  app.OnException.SetHandler([&](TObject*, const std::exception& e) { handled = e.what(); });
  app.Guard([] { throw EInOutError("I/O error 5"); });
  EXPECT_EQ(handled, "I/O error 5");
  EXPECT_EQ(boxes.size(), 1u);
  TApplication::SetMessageBoxHandler(nullptr);
}

TEST(Application, HelpOpensTheHelpFileThroughTheDesktop) {
  TempDir dir;
  WriteFileBytes(dir.File("delphi3.hlp"), "help");
  std::vector<std::string> opened;
  SetDesktopOpener([&](const QUrl& url) { return opened.push_back(url.toString().toStdString()), true; });
  TApplication app(nullptr);
  app.SetHelpFile(dir.File("missing.hlp"));
  EXPECT_FALSE(app.HelpCommand(HELP_FINDER, 0));
  app.SetHelpFile(dir.File("delphi3.hlp"));
  EXPECT_TRUE(app.HelpCommand(HELP_FINDER, 0));
  EXPECT_TRUE(app.HelpKeyword("TButton"));
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_NE(opened[0].find("delphi3.hlp"), std::string::npos);
  SetDesktopOpener(nullptr);
}

TEST(Screen, KnowsTheFormsTheCursorAndTheFonts) {
  const int before = Screen()->FormCount();
  auto* a = new TForm(nullptr);
  auto* b = new TForm(nullptr);
  EXPECT_EQ(Screen()->FormCount(), before + 2);
  Screen()->FormActivated(b);
  EXPECT_EQ(Screen()->ActiveForm(), b);
  Screen()->FormActivated(a);
  EXPECT_EQ(Screen()->Forms(1), b);
  a->Free();
  EXPECT_EQ(Screen()->ActiveForm(), b);
  b->Free();
  EXPECT_EQ(Screen()->FormCount(), before);

  Screen()->SetCursor(crHourGlass);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  Screen()->SetCursor(crDefault);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(Screen()->PixelsPerInch(), 96);
  TStrings* fonts = Screen()->Fonts();
  for (int i = 1; i < fonts->Count(); ++i) EXPECT_LE(CompareText(fonts->Strings(i - 1), fonts->Strings(i)), 0);
}

// While the program is busy its windows paint, and keys, clicks and a window's
// closing are dropped; afterwards the same input is acted upon again.
TEST(Application, ABusyProgramPaintsAndDropsTheUsersInput) {
  korvax::test::FormPtr form = korvax::test::ShownForm();
  auto* edit = korvax::test::Place<TEdit>(form.get(), 8, 8, 120, 21);
  edit->SetText("");
  edit->SetFocus();
  int clicks = 0;
  form->OnClick.SetHandler([&](TObject*) { ++clicks; });
  int paints = 0;
  struct TPaintCounter : QObject {
    int& Count;
    explicit TPaintCounter(int& count) : Count(count) {}
    bool eventFilter(QObject*, QEvent* event) override { return Count += event->type() == QEvent::Paint, false; }
  } counter(paints);
  form->Widget()->installEventFilter(&counter);
  QApplication::processEvents();
  const auto userInput = [&] {
    QCoreApplication::postEvent(edit->Widget(), new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x"));
    const QPointF at(200, 200);
    QCoreApplication::postEvent(form->Widget(), new QMouseEvent(QEvent::MouseButtonPress, at, at, at, Qt::LeftButton,
                                                                Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(form->Widget(), new QMouseEvent(QEvent::MouseButtonRelease, at, at, at,
                                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    QCoreApplication::postEvent(form->Window(), new QCloseEvent);
  };
  paints = 0;
  userInput();
  form->Widget()->update();
  Application()->ProcessMessagesWithoutInput();
  EXPECT_GT(paints, 0);
  EXPECT_EQ(edit->Text(), "");
  EXPECT_EQ(clicks, 0);
  EXPECT_TRUE(form->Showing());
  Application()->ProcessMessages();
  EXPECT_EQ(edit->Text(), "") << "dropped, not kept for later";

  userInput();
  Application()->ProcessMessages();
  EXPECT_EQ(edit->Text(), "x");
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(form->Showing());
}
