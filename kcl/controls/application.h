#pragma once
// TApplication and TScreen: the program's one application object and the screen
// with its forms, cursor and fonts.
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "kcl/classes/component.h"
#include "kcl/classes/events.h"
#include "kcl/classes/stringlist.h"
#include "kcl/system/colors.h"

namespace kcl {

class TCustomForm;

using TExceptionEvent = TEvent<void(TObject* sender, const std::exception& e)>;

class TApplication : public TComponent {
  KCL_CLASS(TApplication, TComponent)
public:
  explicit TApplication(TComponent* owner);

  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& title) { FTitle = title; }
  TCustomForm* MainForm() const { return FMainForm; }
  const std::string& HelpFile() const { return FHelpFile; }
  void SetHelpFile(const std::string& file) { FHelpFile = file; }
  bool Terminated() const { return FTerminated; }
  // WinHelp on HelpFile: HELP_FINDER for the contents, HELP_KEY with a keyword.
  bool HelpCommand(uint32_t command, uint32_t data);
  bool HelpKeyword(const std::string& keyword);

  // Creates a form owned by the application; the first one becomes the main form.
  template <class F>
  F* CreateForm() {
    auto* form = new F(this);
    if (!FMainForm) FMainForm = form;
    return form;
  }
  // Shows the main form and runs the message loop until the main form closes or
  // Terminate is called. Exceptions from handlers go to HandleException.
  void Run();
  void Terminate();
  // Handles the events that are waiting, then returns.
  void ProcessMessages();
  // The same for a program that is busy: windows paint, but what the user does
  // (keys, the mouse, short-cuts, closing a window) is dropped, not acted upon later.
  void ProcessMessagesWithoutInput();
  // Shows the exception's message (nothing for EAbort) and goes on.
  void HandleException(const std::exception& e);
  void ShowException(const std::exception& e);
  TExceptionEvent OnException;
  // Runs action, handing any exception to HandleException.
  void Guard(const std::function<void()>& action);

  // The window that message boxes and dialogs show: set by the dialogs part of the
  // framework; returns the pressed button's ID (IDOK, IDYES, ...).
  using TMessageBoxHandler = std::function<int(const std::string& text, const std::string& caption, uint32_t flags)>;
  static void SetMessageBoxHandler(TMessageBoxHandler handler);
  int MessageBox(const std::string& text, const std::string& caption, uint32_t flags);

  void Notification(TComponent* component, TOperation operation) override;

private:
  std::string FTitle;
  std::string FHelpFile;
  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
};

// Message box flags and results.
enum : uint32_t {
  MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3, MB_YESNO = 0x4,
  MB_RETRYCANCEL = 0x5, MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30,
  MB_ICONINFORMATION = 0x40,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

class TScreen : public TComponent {
  KCL_CLASS(TScreen, TComponent)
public:
  explicit TScreen(TComponent* owner);

  TCursor Cursor() const { return FCursor; }
  // crDefault restores the normal cursor; any other shape shows over every window.
  void SetCursor(TCursor cursor);
  int FormCount() const { return static_cast<int>(FForms.size()); }
  // The forms, the most recently activated first.
  TCustomForm* Forms(int index) const { return FForms.at(static_cast<size_t>(index)); }
  TCustomForm* ActiveForm() const { return FForms.empty() ? nullptr : FForms.front(); }
  int PixelsPerInch() const { return 96; }
  int Width() const;
  int Height() const;
  // The font families of the system, sorted.
  TStrings* Fonts();

  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  void FormActivated(TCustomForm* form);

private:
  TCursor FCursor = crDefault;
  std::vector<TCustomForm*> FForms;
  TStringList FFonts;
};

TApplication* Application();
TScreen* Screen();

}  // namespace kcl
