#include "kcl/controls/application.h"

#include <QApplication>
#include <QCursor>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/controls/form.h"
#include "kcl/controls/qtconvert.h"
#include "kcl/desktop/help.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/scopeguard.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

// Drops every event of the user's for as long as it is installed on the application.
class TInputBlocker : public QObject {
protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Close:
      case QEvent::Shortcut:
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::Drop: return true;
      default: return event->isInputEvent();
    }
  }
};

TApplication::TMessageBoxHandler& BoxHandler() {
  static TApplication::TMessageBoxHandler handler;
  return handler;
}

}  // namespace

KCL_CLASS_INFO(TApplication) {}
KCL_CLASS_INFO(TScreen) {}

TApplication* Application() {
  static TApplication* application = new TApplication(nullptr);
  return application;
}

TScreen* Screen() {
  static TScreen* screen = new TScreen(nullptr);
  return screen;
}

// --- TApplication

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
  // Other components may refer to the application's forms by name.
  SetFindGlobalComponent([](std::string_view name) -> TComponent* {
    for (int i = 0; i < Screen()->FormCount(); ++i)
      if (SameText(Screen()->Forms(i)->Name(), name)) return Screen()->Forms(i);
    return nullptr;
  });
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FMainForm) FMainForm = nullptr;
}

void TApplication::Guard(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& e) {
    HandleException(e);
  }
}

void TApplication::Run() {
  if (FMainForm) Guard([this] { FMainForm->Show(); });
  while (!FTerminated && FMainForm && FMainForm->Showing())
    Guard([] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents); });
}

void TApplication::Terminate() { FTerminated = true; }

bool TApplication::HelpCommand(uint32_t command, uint32_t data) { return WinHelp(FHelpFile, command, data); }

bool TApplication::HelpKeyword(const std::string& keyword) { return WinHelp(FHelpFile, HELP_KEY, keyword); }

void TApplication::ProcessMessages() { QCoreApplication::processEvents(); }

void TApplication::ProcessMessagesWithoutInput() {
  TInputBlocker blocker;
  QCoreApplication::instance()->installEventFilter(&blocker);
  OnScopeExit remove([&blocker] { QCoreApplication::instance()->removeEventFilter(&blocker); });
  QCoreApplication::processEvents();
}

void TApplication::HandleException(const std::exception& e) {
  if (dynamic_cast<const EAbort*>(&e)) return;
  if (OnException.Assigned())
    OnException(this, e);
  else
    ShowException(e);
}

void TApplication::ShowException(const std::exception& e) {
  MessageBox(e.what(), FTitle, MB_OK | MB_ICONERROR);
}

void TApplication::SetMessageBoxHandler(TMessageBoxHandler handler) { BoxHandler() = std::move(handler); }

int TApplication::MessageBox(const std::string& text, const std::string& caption, uint32_t flags) {
  return BoxHandler() ? BoxHandler()(text, caption, flags) : IDCANCEL;
}

// --- TScreen

TScreen::TScreen(TComponent* owner) : TComponent(owner) {}

void TScreen::SetCursor(TCursor cursor) {
  if (FCursor == cursor) return;
  if (FCursor != crDefault) QApplication::restoreOverrideCursor();
  FCursor = cursor;
  if (cursor != crDefault) {
    QWidget probe;
    ApplyCursor(&probe, cursor);
    QApplication::setOverrideCursor(probe.cursor());
  }
}

int TScreen::Width() const {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->geometry().width() : 640;
}

int TScreen::Height() const {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->geometry().height() : 480;
}

TStrings* TScreen::Fonts() {
  if (FFonts.Count() == 0) {
    FFonts.SetSorted(true);
    for (const QString& family : QFontDatabase::families()) FFonts.Add(family.toStdString());
  }
  return &FFonts;
}

void TScreen::AddForm(TCustomForm* form) { FForms.push_back(form); }

void TScreen::RemoveForm(TCustomForm* form) { std::erase(FForms, form); }

void TScreen::FormActivated(TCustomForm* form) {
  auto it = std::find(FForms.begin(), FForms.end(), form);
  if (it == FForms.end()) return;
  FForms.erase(it);
  FForms.insert(FForms.begin(), form);
}

}  // namespace kcl
