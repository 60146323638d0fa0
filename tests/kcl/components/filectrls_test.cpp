// The file list, directory list, drive and filter boxes over a directory of
// the test's own, linked as a file open form links them.
#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <filesystem>

#include "kcl/components/edit.h"
#include "kcl/components/filectrls.h"
#include "kcl/components/label.h"
#include "support/testfiles.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

namespace {

std::vector<std::string> ItemsOf(TStrings* strings) {
  std::vector<std::string> items;
  for (int i = 0; i < strings->Count(); ++i) items.push_back(strings->Strings(i));
  return items;
}

struct Files {
  TempDir dir;
  Files() {
    WriteFileBytes(dir.File("Main.pas"), "unit Main;");
    WriteFileBytes(dir.File("main.dfm"), "");
    WriteFileBytes(dir.File("readme"), "");
    WriteFileBytes(dir.File(".hidden"), "");
    std::filesystem::create_directory(dir.File("Sub"));
    std::filesystem::create_directory(dir.File("Sub/Deeper"));
  }
};

}  // namespace

TEST(FileControls, FileListBoxListsWhatItsMaskAndTypeAllow) {
  Files files;
  FormPtr form(new TForm(nullptr));
  auto* list = new TFileListBox(form.get());
  list->SetParent(form.get());
  int changes = 0;
  list->OnChange.SetHandler([&](TObject*) { ++changes; });
  list->SetDirectory(files.dir.Path());
  EXPECT_EQ(ItemsOf(list->Items()), (std::vector<std::string>{"main.dfm", "Main.pas", "readme"}));
  list->SetMask("*.PAS;*.dfm");  // patterns match ignoring case
  EXPECT_EQ(ItemsOf(list->Items()), (std::vector<std::string>{"main.dfm", "Main.pas"}));
  list->SetMask("*.*");
  list->SetFileType({ftNormal, ftHidden, ftDirectory});
  std::vector<std::string> all = ItemsOf(list->Items());
  std::sort(all.begin(), all.end());
  EXPECT_EQ(all, (std::vector<std::string>{".hidden", "Main.pas", "[..]", "[Sub]", "main.dfm", "readme"}));
  std::filesystem::permissions(files.dir.File("readme"), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  list->SetFileType({ftReadOnly});
  EXPECT_EQ(ItemsOf(list->Items()), (std::vector<std::string>{"readme"}));

  list->SetFileType({ftNormal});
  auto* edit = new TEdit(form.get());
  list->SetFileEdit(edit);
  EXPECT_EQ(edit->Text(), "*.*");
  list->SetFileName("Main.pas");
  EXPECT_EQ(list->FileName(), JoinPath(files.dir.Path(), "Main.pas"));
  list->Click();
  EXPECT_EQ(edit->Text(), "Main.pas");
  EXPECT_GT(changes, 0);
  edit->Free();  // the list forgets it
  EXPECT_EQ(list->FileEdit(), nullptr);
}

TEST(FileControls, DirectoryListBoxShowsThePathAndTheSubdirectories) {
  Files files;
  FormPtr form(new TForm(nullptr));
  auto* dirs = new TDirectoryListBox(form.get());
  dirs->SetParent(form.get());
  auto* list = new TFileListBox(form.get());
  auto* label = new TLabel(form.get());
  dirs->SetFileList(list);
  dirs->SetDirLabel(label);
  dirs->SetDirectory(files.dir.Path());
  const int parts = dirs->ItemIndex() + 1;  // root .. the directory, then its subdirectories
  EXPECT_EQ(dirs->Items()->Strings(0), "/");
  EXPECT_EQ(dirs->Items()->Strings(dirs->Items()->Count() - 1), "Sub");
  EXPECT_EQ(dirs->Items()->Count(), parts + 1);
  EXPECT_EQ(dirs->GetItemPath(parts), JoinPath(files.dir.Path(), "Sub"));
  EXPECT_EQ(dirs->GetItemPath(parts - 1), files.dir.Path());
  EXPECT_EQ(label->Caption(), files.dir.Path());
  EXPECT_EQ(list->Directory(), files.dir.Path());
  EXPECT_EQ(list->Items()->Count(), 3);
  // Opening the subdirectory brings the linked list along.
  dirs->SetItemIndex(parts);
  dirs->OpenCurrent();
  EXPECT_EQ(dirs->Directory(), JoinPath(files.dir.Path(), "Sub"));
  EXPECT_EQ(ItemsOf(list->Items()), std::vector<std::string>{});
  EXPECT_EQ(dirs->Items()->Strings(dirs->Items()->Count() - 1), "Deeper");
  dirs->SetDirectory(files.dir.File("missing"));  // ignored
  EXPECT_EQ(dirs->Directory(), JoinPath(files.dir.Path(), "Sub"));
}

TEST(FileControls, ComboBoxesChooseTheRootAndTheFilter) {
  Files files;
  FormPtr form(new TForm(nullptr));
  auto* drives = new TDriveComboBox(form.get());
  ASSERT_GT(drives->Items()->Count(), 0);
  EXPECT_EQ(drives->Items()->Strings(drives->ItemIndex()), "/");
  EXPECT_EQ(drives->Drive(), '/');

  auto* filter = new TFilterComboBox(form.get());
  EXPECT_EQ(ItemsOf(filter->Items()), std::vector<std::string>{"All files (*.*)"});
  EXPECT_FALSE(filter->IsFilterStored());
  auto* list = new TFileListBox(form.get());
  list->SetDirectory(files.dir.Path());
  filter->SetFilter("Units (*.pas)|*.pas|Forms|*.dfm|Everything|*.*");
  filter->SetFileList(list);
  EXPECT_EQ(ItemsOf(filter->Items()), (std::vector<std::string>{"Units (*.pas)", "Forms", "Everything"}));
  EXPECT_EQ(ItemsOf(list->Items()), std::vector<std::string>{"Main.pas"});
  // The user's choice of filter reaches the list.
  filter->SetParent(form.get());
  form->Show();
  QTest::keyClick(filter->Widget(), Qt::Key_Down);
  EXPECT_EQ(filter->Mask(), "*.dfm");
  EXPECT_EQ(ItemsOf(list->Items()), std::vector<std::string>{"main.dfm"});
}
