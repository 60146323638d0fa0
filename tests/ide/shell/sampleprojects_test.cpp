// Real Delphi 3 projects, opened with every unit and form and saved without an
// edit: every file comes back byte for byte, line ends and all.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "ide/shell/mainform.h"
#include "kcl/rtl/sysutils.h"
#include "mainwindowtest.h"
#include "support/samplefiles.h"
#include "support/testfiles.h"

namespace korvax {
namespace {

namespace fs = std::filesystem;
using namespace kcl;

// Every file of a folder by name, with its bytes.
std::map<std::string, std::string> FolderFiles(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(dir))
    files[entry.path().filename().string()] = test::ReadFileBytes(entry.path().string());
  return files;
}

// The sample folders that hold a project file ("03/SDITEMP"), and their project files.
std::vector<std::pair<std::string, std::string>> ProjectFiles() {
  std::vector<std::pair<std::string, std::string>> projects;
  const fs::path root = test::SamplePath("");
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (SameText(entry.path().extension().string(), ".dpr"))
      projects.emplace_back(fs::relative(entry.path().parent_path(), root).string(), entry.path().filename().string());
  std::sort(projects.begin(), projects.end());
  return projects;
}

class SampleProjects : public test::MainWindowTest {};

TEST_F(SampleProjects, SaveAllWithoutAnEditWritesEveryFileBackAsItWas) {
  const auto projects = ProjectFiles();
  ASSERT_GE(projects.size(), 100u);
  // Every save dialog takes the name proposed, and every question is answered Yes.
  AnswerFileDialogs([](TOpenDialog& dialog) { return dialog.FileName(); });
  AnswerQuestions(mrYes);
  std::vector<std::string> changed;
  int count = 0;
  for (const auto& [folder, projectFile] : projects) {
    const std::string copy = CopySampleProject(folder, std::to_string(++count));
    const auto before = FolderFiles(copy);
    Messages.clear();
    FMainForm->OpenProject(copy + projectFile);
    // Each unit as the unit list opens it, so that every page and form is saved.
    const TStrings& units = *FMainForm->ProjectInfo->Units();
    for (int i = 0; i < units.Count(); ++i) FMainForm->OpenFile(copy + units.Strings(i) + ".pas");
    FMainForm->SaveProject(FMainForm->ProjectInfo->ProjectFile());
    EXPECT_TRUE(Messages.empty()) << folder << ": " << testing::PrintToString(Messages);
    const auto after = FolderFiles(copy);
    for (const auto& [name, bytes] : after)
      if (!before.contains(name) || before.at(name) != bytes) changed.push_back(folder + "/" + name);
    EXPECT_EQ(after.size(), before.size()) << folder;
  }
  EXPECT_TRUE(changed.empty()) << changed.size() << " files changed: " << testing::PrintToString(changed);
}

}  // namespace
}  // namespace korvax
