// Whole files read and replaced at once.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "kcl/classes/streams.h"
#include "kcl/rtl/exceptions.h"
#include "support/testfiles.h"

namespace kcl {
namespace {

namespace fs = std::filesystem;
using korvax::test::ReadFileBytes;
using korvax::test::TempDir;
using korvax::test::WriteFileBytes;

TEST(WholeFiles, ReplacingAFileKeepsItsPermissionsAndLeavesNoTemporaryFile) {
  TempDir dir;
  const std::string name = dir.File("form.dfm");
  WriteFileBytes(name, "old");
  for (const fs::perms mode : {fs::perms(0640), fs::perms(0755), fs::perms(0400)}) {
    fs::permissions(name, mode);
    SaveBytesToFile(name, "new contents");
    EXPECT_EQ(fs::status(name).permissions(), mode);
    EXPECT_EQ(LoadBytesFromFile(name), "new contents");
  }
  EXPECT_EQ(korvax::test::TreeContents(dir.Path()).size(), 1u);

  // A new file is made as any other.
  SaveBytesToFile(dir.File("new.dfm"), "x");
  EXPECT_EQ(ReadFileBytes(dir.File("new.dfm")), "x");
}

TEST(WholeFiles, AFailedWriteLeavesTheTargetAsItWas) {
  TempDir dir;
  EXPECT_THROW(SaveBytesToFile(dir.File("no/such/dir.dfm"), "x"), EFCreateError);
  // A directory in the target's place is not replaced.
  fs::create_directory(dir.File("taken"));
  WriteFileBytes(dir.File("taken/inside"), "kept");
  EXPECT_THROW(SaveBytesToFile(dir.File("taken"), "x"), EFCreateError);
  EXPECT_EQ(ReadFileBytes(dir.File("taken/inside")), "kept");
  EXPECT_EQ(korvax::test::TreeContents(dir.Path()).size(), 1u);
  EXPECT_THROW(LoadBytesFromFile(dir.File("missing")), EFOpenError);
}

}  // namespace
}  // namespace kcl
