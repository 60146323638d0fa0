// The sample Delphi 3 projects built with Free Pascal: how many build may only go up.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <mutex>
#include <thread>

#include "ide/fpcbuild/fpcbuild.h"
#include "support/testfiles.h"

namespace korvax::fpcbuild {
namespace {

namespace fs = std::filesystem;

// Built on the day the build was written; a change that builds more raises it.
constexpr int ProjectsThatBuild = 61;

std::vector<fs::path> SampleProjects() {
  std::vector<fs::path> projects;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(KORVAX_SAMPLE_FORMS))
    if (entry.is_regular_file() && (entry.path().extension() == ".DPR" || entry.path().extension() == ".dpr"))
      projects.push_back(entry.path());
  std::sort(projects.begin(), projects.end());
  return projects;
}

TEST(SampleProjects, AsManyBuildAsEverAndNoneHarmsItsFolder) {
  const TFreePascal fpc = FindFreePascal("");
  ASSERT_EQ(fpc.Problem, "");
  const std::vector<fs::path> projects = SampleProjects();
  ASSERT_GT(projects.size(), 100u);
  test::TempDir dir;
  std::atomic<size_t> next = 0;
  std::atomic<int> built = 0;
  std::mutex failures;
  std::vector<std::string> changed;
  auto work = [&] {
    for (size_t i; (i = next++) < projects.size();) {
      // The samples' folder is read-only: each project is built in a copy of its folder.
      const fs::path copy = fs::path(dir.Path()) / std::to_string(i);
      fs::copy(projects[i].parent_path(), copy);
      const auto before = test::TreeContents(copy.string());
      TBuildRequest request;
      request.ProjectFile = (copy / projects[i].filename()).string();
      if (BuildWithFreePascal(fpc, request).Built) ++built;
      if (test::TreeContents(copy.string(), "fpc-build") != before) {
        const std::lock_guard<std::mutex> lock(failures);
        changed.push_back(projects[i].string());
      }
      fs::remove_all(copy);
    }
  };
  std::thread other(work);
  work();
  other.join();
  std::cout << built << " of " << projects.size() << " sample projects build with Free Pascal\n";
  EXPECT_GE(built, ProjectsThatBuild);
  EXPECT_TRUE(changed.empty()) << testing::PrintToString(changed);
}

}  // namespace
}  // namespace korvax::fpcbuild
