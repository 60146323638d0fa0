// The directory outline over a directory of the test's own.
#include <gtest/gtest.h>

#include <filesystem>

#include "kcl/components/diroutline.h"
#include "kcl/components/filectrls.h"
#include "support/testfiles.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(FileControls, DirectoryOutlineShowsThePathOpen) {
  // A directory with a subdirectory that has one of its own.
  TempDir dir;
  std::filesystem::create_directories(dir.File("Sub/Deeper"));
  FormPtr form(new TForm(nullptr));
  auto* outline = new TDirectoryOutline(form.get());
  outline->SetParent(form.get());
  outline->SetTextCase(TDirTextCase::tcAsIs);
  int changes = 0;
  outline->OnChange.SetHandler([&](TObject*) { ++changes; });
  outline->SetDirectory(dir.Path());
  EXPECT_EQ(changes, 1);
  const int current = outline->SelectedItem();
  EXPECT_EQ(outline->ItemPath(current), dir.Path());
  EXPECT_EQ(outline->ItemText(1), "/");
  EXPECT_EQ(outline->ItemText(current + 1), "Sub");
  EXPECT_EQ(outline->Level(current + 1), outline->Level(current) + 1);
  EXPECT_EQ(outline->VisibleItems().size(), static_cast<size_t>(outline->ItemCount()));
  outline->SetSelectedItem(current + 1);
  outline->Click();
  EXPECT_EQ(outline->Directory(), JoinPath(dir.Path(), "Sub"));
  outline->SetTextCase(TDirTextCase::tcUpperCase);
  EXPECT_EQ(outline->ItemText(outline->SelectedItem()), "SUB");
  EXPECT_EQ(outline->ItemPath(outline->SelectedItem()), JoinPath(dir.Path(), "Sub"));
}
