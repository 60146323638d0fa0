// Korvax: a small visual development environment for Delphi 3 projects.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <exception>

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
  // For measuring start-up: end as soon as the main window has been shown.
  if (std::getenv("KORVAX_QUIT_WHEN_SHOWN"))
    QTimer::singleShot(0, [] { kcl::Application()->Terminate(); });
  kcl::Application()->Run();
  // The windows go before the program ends, so that they clean up after themselves.
  kcl::Application()->DestroyComponents();
  return 0;
}
