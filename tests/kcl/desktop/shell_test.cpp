#include "kcl/desktop/shell.h"

#include <gtest/gtest.h>

#include <QDir>
#include <filesystem>

#include "kcl/desktop/desktop.h"
#include "kcl/desktop/help.h"
#include "kcl/platform/process.h"
#include "support/testfiles.h"

namespace kcl {
namespace {

// Stands in for the desktop: records what it is asked to open.
class DesktopTest : public testing::Test {
protected:
  DesktopTest() {
    SetDesktopOpener([this](const QUrl& url) {
      Opened.push_back(url);
      return Accepts;
    });
    std::filesystem::create_directories(FDir.File("Help"));
    korvax::test::WriteFileBytes(FDir.File("Help/Korvax.hlp"), "?_\x03\0");
    korvax::test::WriteFileBytes(FDir.File("Help/korvax.html"), "<html></html>");
  }
  ~DesktopTest() override { SetDesktopOpener({}); }

  QUrl FileUrl(std::string_view name) const { return QUrl::fromLocalFile(QString::fromStdString(FDir.File(name))); }

  korvax::test::TempDir FDir;
  std::vector<QUrl> Opened;
  bool Accepts = true;
};

TEST_F(DesktopTest, ShellExecuteOpensUrlsAndDocuments) {
  EXPECT_GT(ShellExecute("open", "https://example.org/korvax?page=1#top", "", "", SW_SHOWNORMAL), 32u);
  EXPECT_GT(ShellExecute("", "mailto:support@example.org", "", "", SW_SHOWNORMAL), 32u);
  EXPECT_GT(ShellExecute("open", "www.example.org", "", "", SW_SHOWNORMAL), 32u);
  EXPECT_GT(ShellExecute("open", "HELP\\KORVAX.HLP", "", FDir.Path(), SW_SHOWNORMAL), 32u);
  EXPECT_GT(ShellExecute("Open", "file://" + FDir.File("Help/korvax.html"), "", "", SW_SHOWNORMAL), 32u);
  EXPECT_EQ(Opened, (std::vector<QUrl>{QUrl("https://example.org/korvax?page=1#top"),
                                       QUrl("mailto:support@example.org"), QUrl("http://www.example.org"),
                                       FileUrl("Help/Korvax.hlp"), FileUrl("Help/korvax.html")}));
}

TEST_F(DesktopTest, ShellExecuteFailures) {
  EXPECT_EQ(ShellExecute("open", FDir.File("missing.txt"), "", "", SW_SHOWNORMAL), SE_ERR_FNF);
  EXPECT_EQ(ShellExecute("open", "C:\\Delphi\\readme.txt", "", "", SW_SHOWNORMAL), SE_ERR_PNF);
  EXPECT_EQ(ShellExecute("open", "file://" + FDir.File("missing.html"), "", "", SW_SHOWNORMAL), SE_ERR_FNF);
  EXPECT_EQ(ShellExecute("print", FDir.File("Help/Korvax.hlp"), "", "", SW_SHOWNORMAL), SE_ERR_NOASSOC);
  EXPECT_TRUE(Opened.empty());
  Accepts = false;
  EXPECT_EQ(ShellExecute("open", "https://example.org", "", "", SW_SHOWNORMAL), SE_ERR_NOASSOC);
}

TEST_F(DesktopTest, WinHelpOpensAnExistingHelpFile) {
  EXPECT_TRUE(WinHelp(FDir.File("help/KORVAX.HLP>main"), HELP_CONTEXT, 42));
  EXPECT_TRUE(WinHelp(FDir.File("Help/Korvax.hlp"), HELP_KEY, "TForm"));
  EXPECT_TRUE(WinHelp(FDir.File("Help/korvax.html"), HELP_KEY, "TForm"));
  EXPECT_TRUE(WinHelp(FDir.File("Help/korvax.html"), HELP_FINDER));
  QUrl keyed = FileUrl("Help/korvax.html");
  keyed.setFragment("TForm");
  EXPECT_EQ(Opened, (std::vector<QUrl>{FileUrl("Help/Korvax.hlp"), FileUrl("Help/Korvax.hlp"), keyed,
                                       FileUrl("Help/korvax.html")}));
}

TEST_F(DesktopTest, WinHelpWithoutAHelpFileOpensNothing) {
  EXPECT_FALSE(WinHelp(FDir.File("Help/missing.hlp"), HELP_FINDER));
  EXPECT_FALSE(WinHelp(FDir.File("Help"), HELP_CONTENTS));
  EXPECT_FALSE(WinHelp("", HELP_KEY, "TForm"));
  EXPECT_FALSE(WinHelp(FDir.File("Help/Korvax.hlp"), HELP_SETCONTENTS, 1));
  EXPECT_TRUE(WinHelp(FDir.File("Help/Korvax.hlp"), HELP_QUIT));
  EXPECT_TRUE(Opened.empty());
  Accepts = false;
  EXPECT_FALSE(WinHelp(FDir.File("Help/Korvax.hlp"), HELP_CONTENTS));
}

}  // namespace
}  // namespace kcl
