// Korvax: a small visual development environment for Delphi 3 projects.
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "ide/shell/commandline.h"
#include "ide/shell/mainform.h"
#include "ide/shell/mainwindows.h"
#include "kcl/controls/application.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  try {
    korvax::CreateMainWindows();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "korvax: %s\n", e.what());
    return 1;
  }
  // Files to open (Qt has taken its own options out), once the windows are shown.
  const std::vector<std::string> files(argv + 1, argv + argc);
  if (!files.empty())
    QTimer::singleShot(0, [files, dir = QDir::currentPath().toStdString()] {
      if (korvax::FMainForm) korvax::OpenCommandLineFiles(*korvax::FMainForm, files, dir);
    });
  // For measuring start-up: end as soon as the main window has been shown.
  if (std::getenv("KORVAX_QUIT_WHEN_SHOWN"))
    QTimer::singleShot(0, [] { kcl::Application()->Terminate(); });
  kcl::Application()->Run();
  // The windows go before the program ends, so that they clean up after themselves.
  kcl::Application()->DestroyComponents();
  return 0;
}
