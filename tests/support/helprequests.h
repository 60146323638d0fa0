#pragma once
// The help the program asks for while one lives: the application's help file is
// an HTML file of its own, and what would open in the desktop's browser is
// recorded instead. The help file and the desktop come back at the end.
#include <QUrl>
#include <string>
#include <vector>

#include "kcl/controls/application.h"
#include "kcl/desktop/desktop.h"
#include "support/testfiles.h"

namespace korvax::test {

class HelpRequests {
public:
  HelpRequests() : FHelpFile(kcl::Application()->HelpFile()) {
    WriteFileBytes(FDir.File("help.html"), "<html></html>");
    kcl::Application()->SetHelpFile(FDir.File("help.html"));
    kcl::SetDesktopOpener([this](const QUrl& url) {
      Keywords.push_back(url.fragment().toStdString());
      return true;
    });
  }
  ~HelpRequests() {
    kcl::SetDesktopOpener({});
    kcl::Application()->SetHelpFile(FHelpFile);
  }
  HelpRequests(const HelpRequests&) = delete;
  HelpRequests& operator=(const HelpRequests&) = delete;

  // The keyword of every help page opened, in order.
  std::vector<std::string> Keywords;

private:
  TempDir FDir;
  std::string FHelpFile;
};

}  // namespace korvax::test
