// The reopen history: what opening projects and files records in the settings,
// and the Reopen menu built from it.
#include "ide/shell/reopenhistory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ide/common/environment.h"
#include "ide/editor/editorform.h"
#include "ide/shell/mainform.h"
#include "kcl/rtl/sysutils.h"
#include "kcl/system/inifile.h"
#include "mainwindowtest.h"
#include "support/testfiles.h"

namespace korvax {
namespace {

using namespace kcl;

// The section's keys and values in file order.
std::string Section(TIniFile& ini, const std::string& section) {
  TStringList lines;
  ini.ReadSectionValues(section, lines);
  return lines.CommaText();
}

TEST(ReopenHistory, TheEntryAfterTheLimitIsNotRecordedAndTheNextTakesKeyOne) {
  test::TempDir dir;
  TIniFile ini(dir.File("Korvax.ini"));
  for (const auto& [section, limit] : {std::pair{ClosedProjectsSection, ClosedProjectsLimit},
                                       std::pair{ClosedFilesSection, ClosedFilesLimit}}) {
    std::string expected;
    for (int i = 1; i <= limit; ++i) {
      AddHistory(ini, section, limit, "/p/" + std::to_string(i));
      expected += "," + std::to_string(i) + "=/p/" + std::to_string(i);
    }
    EXPECT_EQ(Section(ini, section), "Last=" + std::to_string(limit) + expected);
    AddHistory(ini, section, limit, "/p/next");
    EXPECT_EQ(Section(ini, section), "Last=0" + expected);
    AddHistory(ini, section, limit, "/p/after");
    EXPECT_EQ(ini.ReadString(section, "1", ""), "/p/after");
    EXPECT_EQ(ini.ReadInteger(section, "Last", -1), 1);
    EXPECT_EQ(ini.ReadString(section, "2", ""), "/p/2");
  }
}

TEST(ReopenHistory, APathRecordedAlreadyLeavesTheSectionAsItWas) {
  test::TempDir dir;
  TIniFile ini(dir.File("Korvax.ini"));
  AddHistory(ini, ClosedFilesSection, ClosedFilesLimit, "/p/a.pas");
  AddHistory(ini, ClosedFilesSection, ClosedFilesLimit, "/p/b.pas");
  const std::string before = test::ReadFileBytes(dir.File("Korvax.ini"));
  AddHistory(ini, ClosedFilesSection, ClosedFilesLimit, "/p/a.pas");
  AddHistory(ini, ClosedFilesSection, ClosedFilesLimit, "/p/b.pas");
  AddHistory(ini, ClosedFilesSection, ClosedFilesLimit, "");
  EXPECT_EQ(test::ReadFileBytes(dir.File("Korvax.ini")), before);
  // Another letter case is another path.
  AddHistory(ini, ClosedFilesSection, ClosedFilesLimit, "/p/A.pas");
  EXPECT_EQ(ini.ReadString(ClosedFilesSection, "3", ""), "/p/A.pas");
}

TEST(ReopenHistory, ListsTheFilesThatExistInKeyOrder) {
  test::TempDir dir;
  test::WriteFileBytes(dir.File("a.dpr"), "");
  test::WriteFileBytes(dir.File("b.dpr"), "");
  test::WriteFileBytes(dir.File("Korvax.ini"), "[Closed Projects]\r\nLast=3\r\n3=" + dir.File("a.dpr") + "\r\n1=" +
                                                   dir.File("b.dpr") + "\r\n2=" + dir.File("gone.dpr") + "\r\n");
  TIniFile ini(dir.File("Korvax.ini"));
  EXPECT_EQ(HistoryFiles(ini, ClosedProjectsSection), (std::vector<std::string>{dir.File("b.dpr"), dir.File("a.dpr")}));
  EXPECT_TRUE(HistoryFiles(ini, ClosedFilesSection).empty());
}

TEST(ReopenHistory, SettingsThatCannotBeWrittenLeaveItQuietly) {
  test::TempDir dir;
  TIniFile ini(dir.File("no/such/dir/Korvax.ini"));
  EXPECT_NO_THROW(AddHistory(ini, ClosedProjectsSection, ClosedProjectsLimit, "/p/a.dpr"));
  EXPECT_TRUE(HistoryFiles(ini, ClosedProjectsSection).empty());
  // A "Last" beyond the limit wraps like the limit.
  test::WriteFileBytes(dir.File("Korvax.ini"), "[Closed Files]\r\nLast=99\r\n");
  TIniFile odd(dir.File("Korvax.ini"));
  AddHistory(odd, ClosedFilesSection, ClosedFilesLimit, "/p/a.pas");
  EXPECT_EQ(odd.ReadInteger(ClosedFilesSection, "Last", -1), 0);
}

class ReopenMenu : public test::MainWindowTest {
protected:
  void TearDown() override {
    // The menu as the program builds it from no history.
    IniFile.reset();
    FMainForm->FileReopenItem->Clear();
    FMainForm->BuildReopenMenu();
    MainWindowTest::TearDown();
  }
  static std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    for (int i = 0; i < FMainForm->FileReopenItem->Count(); ++i)
      captions.push_back(FMainForm->FileReopenItem->Items(i)->Caption());
    return captions;
  }
  // A project without units.
  std::string Project(const std::string& name) const {
    test::WriteFileBytes(Dir.File(name), "program P;\r\n\r\n{$R *.RES}\r\n\r\nbegin\r\nend.\r\n");
    return Dir.File(name);
  }
};

TEST_F(ReopenMenu, OpeningRecordsFiveProjectsAndTheMenuReopensThem) {
  for (int i = 1; i <= 7; ++i) FMainForm->OpenProject(Project("P" + std::to_string(i) + ".dpr"));
  FMainForm->OpenProject(Dir.File("P3.dpr"));
  EXPECT_EQ(IniFile->ReadString(ClosedProjectsSection, "1", ""), Dir.File("P7.dpr"));
  EXPECT_EQ(IniFile->ReadString(ClosedProjectsSection, "5", ""), Dir.File("P5.dpr"));
  EXPECT_EQ(IniFile->ReadInteger(ClosedProjectsSection, "Last", -1), 1);
  test::WriteFileBytes(Dir.File("notes.txt"), "notes\r\n");
  FMainForm->OpenFile(Dir.File("notes.txt"));
  FMainForm->OpenFile(Dir.File("gone.txt"));

  // The menu is built once, at start, from what exists then.
  std::filesystem::remove(Dir.File("P2.dpr"));
  FMainForm->FileReopenItem->Clear();
  FMainForm->BuildReopenMenu();
  EXPECT_EQ(Captions(), (std::vector<std::string>{Dir.File("P7.dpr"), Dir.File("P3.dpr"), Dir.File("P4.dpr"),
                                                  Dir.File("P5.dpr"), "-", Dir.File("notes.txt")}));
  FMainForm->FileReopenItem->Items(3)->Click();
  EXPECT_EQ(FMainForm->ProjectInfo->ProjectFile(), Dir.File("P5.dpr"));
  EXPECT_EQ(FMainForm->ProjectInfo->State(), psOpened);
  FMainForm->FileReopenItem->Items(5)->Click();
  EXPECT_EQ(editor::EditorForm->PageControl1->ActivePage()->Caption(), "notes.txt");
  EXPECT_EQ(FMainForm->ProjectInfo->ProjectFile(), Dir.File("P5.dpr"));
  EXPECT_TRUE(Messages.empty());
}

}  // namespace
}  // namespace korvax
