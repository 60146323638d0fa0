#include "ide/designer/catalogue.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "kcl/classes/objecttext.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/writer.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/control.h"
#include "kcl/controls/datamodule.h"
#include "support/propnames.h"
#include "kcl/controls/form.h"

using namespace kcl;
using namespace korvax::designer;

namespace {

// The classes a form file may name, in the order the designer registers them.
const char* const StreamClasses[] = {
    "TForm", "TButton", "TMainMenu", "TPopupMenu", "TLabel", "TEdit", "TMemo", "TRadioButton", "TCheckBox",
    "TListBox", "TComboBox", "TScrollBar", "TGroupBox", "TRadioGroup", "TPanel", "TBitBtn", "TSpeedButton",
    "TMaskEdit", "TStringGrid", "TImage", "TShape", "TBevel", "TScrollBox", "TTabControl", "TPageControl",
    "TTreeView", "TListView", "TImageList", "THeaderControl", "TRichEdit", "TStatusBar", "TTrackBar",
    "TProgressBar", "TUpDown", "THotKey", "TTable", "TQuery", "TDataSource", "TStoredProc", "TDatabase",
    "TSession", "TBatchMove", "TUpdateSQL", "TDBGrid", "TDBNavigator", "TDBText", "TDBEdit", "TDBMemo",
    "TDBImage", "TDBListBox", "TDBComboBox", "TDBCheckBox", "TDBRadioGroup", "TDBLookupListBox",
    "TDBLookupComboBox", "TDBCtrlGrid", "TTimer", "TPaintBox", "TFileListBox", "TDirectoryListBox",
    "TDriveComboBox", "TFilterComboBox", "TMediaPlayer", "TIBEventAlerter", "TGauge", "TColorGrid",
    "TSpinButton", "TSpinEdit", "TDirectoryOutline", "TCalendar", "TWrapperControl", "TOpenDialog", "TTabSheet",
    "TSaveDialog", "TFontDialog", "TToolBar", "TCoolBar", "TToolButton", "TPrintDialog", "TAnimate",
    "TNotebook", "TFindDialog", "TReplaceDialog", "TOpenPictureDialog", "TSavePictureDialog",
    "TPrinterSetupDialog", "TColorDialog"};

// Classes that forms may hold but the palette does not offer.
const char* const OlderClasses[] = {"TDBLookupList", "TDBLookupCombo", "TReport", "TQuickRep", "TQRChildBand",
                                    "TQRSubDetail", "TQRExpr", "TQRImage", "TQRDBImage", "TQRRichText",
                                    "TQRDBRichText", "TQRCompositeReport"};

using ComponentPtr = std::unique_ptr<TComponent, TObjectFree>;

std::string WriteBinary(TComponent* root) {
  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteRootComponent(root);
  return std::string(stream.Memory(), static_cast<size_t>(stream.Size()));
}

}  // namespace

TEST(Catalogue, PalettePagesHoldTheirButtonsInOrder) {
  std::map<int, std::vector<std::string>> pages;
  std::set<int> tags;
  for (const TCatalogueEntry& entry : Catalogue()) {
    if (entry.Page < 0) continue;
    pages[entry.Page].push_back(entry.Hint);
    if (entry.Tag >= 0) {
      EXPECT_TRUE(tags.insert(entry.Tag).second) << entry.Tag;
    }
  }
  ASSERT_EQ(pages.size(), 10u);
  EXPECT_STREQ(PalettePages[4], "Data Access");
  EXPECT_EQ(pages[0].size(), 14u);
  EXPECT_EQ(pages[0].front(), "MainMenu");
  EXPECT_EQ(pages[1][1], "SpeenButton");
  EXPECT_EQ(pages[2][6], "UpDown");
  EXPECT_EQ(pages[2][8], "TreeView");
  EXPECT_EQ(pages[6].size(), 8u);
  EXPECT_EQ(pages[9].back(), "Calenddar");
}

TEST(Catalogue, TagsMapToTheirClassesAndGapsToNone) {
  EXPECT_EQ(ClassForTag(6), &TButton::StaticClass());
  EXPECT_EQ(ClassForTag(33)->ClassName(), "TTreeView");
  EXPECT_EQ(ClassForTag(121)->ClassName(), "TQuickReport");
  EXPECT_EQ(ClassForTag(167)->ClassName(), "TCalendar");
  for (int tag : {0, -1, 24, 30, 43, 50, 58, 70, 79, 90, 103, 120, 132, 150, 159, 160, 168, 100000})
    EXPECT_EQ(ClassForTag(tag), nullptr) << tag;
}

namespace {

// Takes the classes named out of the registry while it lives, so that a test sees
// only what it registers itself; what other tests registered comes back after.
class ClassesUnregistered {
public:
  explicit ClassesUnregistered(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
      const TClass before = GetClass(name);
      FBefore.emplace_back(name, before);
      if (before) UnRegisterClass(before);
    }
  }
  ~ClassesUnregistered() {
    for (const auto& [name, before] : FBefore) {
      if (TClass now = GetClass(name); now && now != before) UnRegisterClass(now);
      if (before) RegisterClass(before);
    }
  }
  ClassesUnregistered(const ClassesUnregistered&) = delete;
  ClassesUnregistered& operator=(const ClassesUnregistered&) = delete;

private:
  std::vector<std::pair<std::string, TClass>> FBefore;
};

// Every class the catalogue or the readers of form files know.
std::vector<std::string> RegisterableClassNames() {
  std::vector<std::string> names;
  for (const TCatalogueEntry& entry : Catalogue()) names.push_back(entry.ClassName);
  for (const char* name : StreamClasses) names.push_back(name);
  for (const char* name : OlderClasses) names.push_back(name);
  names.push_back("TQRLabel");
  return names;
}

}  // namespace

TEST(Catalogue, RegistersTheClassesFormFilesMayName) {
  ClassesUnregistered none(RegisterableClassNames());
  RegisterStreamClasses();
  RegisterStreamClasses();
  std::set<std::string> missing;
  for (const char* name : StreamClasses)
    if (!GetClass(name)) missing.insert(name);
  // The designer's own stand-in for non-visual components comes with the designer.
  EXPECT_EQ(missing, (std::set<std::string>{"TWrapperControl"}));
  EXPECT_EQ(GetClass("TDrawGrid"), nullptr);
  EXPECT_EQ(GetClass("TQRLabel"), nullptr);
  for (const char* name : OlderClasses) EXPECT_EQ(GetClass(name), nullptr) << name;
}

// The older lookup controls, the ReportSmith report and QuickReport 2's classes are
// on no palette page and not in the designer's list, yet the catalogue's readers know them.
TEST(Catalogue, OlderClassesAreReadButNotOffered) {
  RegisterCatalogueClasses();
  const std::span<const TCatalogueEntry> entries = Catalogue();
  for (const char* name : OlderClasses) {
    SCOPED_TRACE(name);
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                    [name](const TCatalogueEntry& e) { return std::string(e.ClassName) == name; });
    ASSERT_NE(entry, entries.end());
    EXPECT_EQ(entry->Page, -1);
    EXPECT_EQ(entry->StreamOrder, -1);
    EXPECT_EQ(entry->Tag, -1);
    ASSERT_NE(GetClass(name), nullptr);
    EXPECT_EQ(GetClass(name), entry->Class());
  }
}

TEST(Catalogue, EveryClassHasItsPicture) {
  for (const TCatalogueEntry& entry : Catalogue()) {
    if (!entry.Class && entry.Page < 0) continue;
    const std::filesystem::path picture =
        std::filesystem::path(KORVAX_COMPONENT_PICTURES) / PictureFileName(entry.ClassName);
    EXPECT_TRUE(std::filesystem::exists(picture)) << picture;
  }
  EXPECT_EQ(PictureFileName("TDBGrid"), "TDBGRID.xpm");
}

// Every class creates on a form as the designer places it, keeps its published
// properties sorted by name, and streams through binary and text without change.
TEST(Catalogue, EveryClassCreatesAndStreamsUnchanged) {
  RegisterCatalogueClasses();
  for (const TCatalogueEntry& entry : Catalogue()) {
    if (!entry.Class || entry.Class() == &TForm::StaticClass() || entry.Class() == &TDataModule::StaticClass())
      continue;
    SCOPED_TRACE(entry.ClassName);
    TClass cls = entry.Class();
    korvax::test::ExpectListedInNameOrder(cls);

    std::unique_ptr<TForm, TObjectFree> form(new TForm(nullptr));
    form->SetName("Form1");
    auto* component = static_cast<TComponent*>(cls->NewInstance(form.get()));
    component->SetName("Sample1");
    if (auto* control = dynamic_cast<TControl*>(component)) control->SetParent(form.get());
    const std::string binary = WriteBinary(form.get());
    const std::string text = ObjectBinaryToText(binary);
    EXPECT_NE(text.find(std::string("object Sample1: ") + entry.ClassName), std::string::npos);
    EXPECT_EQ(ObjectTextToBinary(text), binary);

    form.reset();  // a form of the same name would make the copy rename itself
    std::unique_ptr<TForm, TObjectFree> copy(new TForm(nullptr));
    TStringStream in(binary);
    TReader reader(in);
    reader.ReadRootComponent(copy.get());
    EXPECT_EQ(ObjectBinaryToText(WriteBinary(copy.get())), text);
  }
}

// Delphi 3's classes that the palette's buttons do not place: forms that hold
// them read them as the classes themselves, while their buttons stay without one.
TEST(Catalogue, Delphi3ClassesAreReadButTheirButtonsStayEmpty) {
  RegisterCatalogueClasses();
  const std::span<const TCatalogueEntry> entries = Catalogue();
  for (const char* name : {"TCheckListBox", "TTabSet", "THeader", "TTabbedNotebook", "TOleContainer", "TDdeClientConv",
                           "TDdeClientItem", "TDdeServerConv", "TDdeServerItem"}) {
    SCOPED_TRACE(name);
    int read = 0;
    for (const TCatalogueEntry& entry : entries) {
      if (std::string(entry.ClassName) != name) continue;
      if (entry.Page >= 0) {
        EXPECT_EQ(entry.Class, nullptr);
        continue;
      }
      ++read;
      ASSERT_NE(entry.Class, nullptr);
      EXPECT_EQ(entry.StreamOrder, -1);
      EXPECT_EQ(GetClass(name), entry.Class());
    }
    EXPECT_EQ(read, 1);
  }
  ASSERT_NE(GetClass("TTabPage"), nullptr);
  // They end the table, after the data module.
  const auto dataModule = std::find_if(entries.begin(), entries.end(),
                                       [](const TCatalogueEntry& e) { return std::string(e.ClassName) == "TDataModule"; });
  EXPECT_EQ(entries.end() - dataModule, 10);
}
