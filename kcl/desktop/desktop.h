#pragma once
// The desktop's handler for URLs and documents (a browser, a viewer), the one place
// where ShellExecute and WinHelp leave the program.
#include <QUrl>
#include <functional>

namespace kcl {

// Opens url with the desktop's handler (QDesktopServices::openUrl, or the opener a
// test has set) and says whether the handler took it.
bool OpenWithDesktop(const QUrl& url);

// For tests only, so that no real browser starts: every later OpenWithDesktop calls
// opener instead of the desktop. An empty function gives the desktop back.
// Production code never calls this.
void SetDesktopOpener(std::function<bool(const QUrl&)> opener);

}  // namespace kcl
