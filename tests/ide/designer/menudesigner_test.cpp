// The menu designer: a menu built with the window's own controls, each change one
// designer edit; the form writes the items as a Delphi form holds them and shows
// its main menu as an inert bar.
#include <gtest/gtest.h>

#include <QAction>
#include <QProcess>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "ide/designer/formfiles.h"
#include "ide/designer/menudesigner.h"
#include "ide/designer/wrappercontrol.h"
#include "kcl/components/stdctrls.h"
#include "kcl/controls/menus.h"
#include "kcl/rtl/exceptions.h"
#include "support/designform.h"
#include "support/testfiles.h"
#include "support/windowtest.h"

using namespace kcl;
using namespace korvax::designer;
using korvax::test::DesignFormTest;

namespace {

// Each edit as its kind and the names of its components, read when it is told.
class NamedEdits : public TDesignListener {
public:
  struct TEntry {
    TDesignEditKind Kind;
    std::vector<std::string> Names;
    std::string OldName, NewName;
  };
  void Edited(const TDesignEdit& edit) override {
    TEntry entry{edit.Kind, {}, edit.OldName, edit.NewName};
    for (TComponent* component : edit.Components) entry.Names.push_back(component->Name());
    Entries.push_back(entry);
  }
  std::vector<TEntry> Entries;
};

const char* const FileMenuText =
    "  object MainMenu1: TMainMenu\r\n"
    "    Left = 16\r\n"
    "    Top = 8\r\n"
    "    object File1: TMenuItem\r\n"
    "      Caption = '&File'\r\n"
    "      object New1: TMenuItem\r\n"
    "        Caption = '&New'\r\n"
    "      end\r\n"
    "      object Open1: TMenuItem\r\n"
    "        Caption = '&Open...'\r\n"
    "      end\r\n"
    "      object N1: TMenuItem\r\n"
    "        Caption = '-'\r\n"
    "      end\r\n"
    "      object Exit1: TMenuItem\r\n"
    "        Caption = 'E&xit'\r\n"
    "        ShortCut = 16465\r\n"
    "      end\r\n"
    "    end\r\n"
    "  end\r\n"
    "end\r\n";

class MenuDesigning : public DesignFormTest {
protected:
  void SetUp() override {
    DesignFormTest::SetUp();
    Menu = static_cast<TMainMenu*>(Designer()->CreateComponent(&TMainMenu::StaticClass(), Form.get(), 16, 8, 0, 0));
    Window.reset(new TMenuDesigner(nullptr));
    Window->SetMenu(Designer(), Menu);
    Window->Show();
    Designer()->AddListener(&Named);
  }
  void TearDown() override {
    Window.reset();
    if (Form) Designer()->RemoveListener(&Named);
    DesignFormTest::TearDown();
  }

  static void Click(TButton* button) {
    ASSERT_TRUE(button->Enabled()) << button->Name();
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
  }
  // Types text over what the box holds and presses Enter.
  static void Enter(TEdit* box, const std::string& text) {
    box->SetText("");
    QTest::keyClicks(box->Widget(), QString::fromStdString(text));
    QTest::keyClick(box->Widget(), Qt::Key_Return);
  }
  void AddItem(TButton* button, const std::string& caption) {
    Window->edNewCaption->SetText(caption);
    Click(button);
  }
  // Chooses a shortcut from the list as the user does.
  void ChooseShortCut(const std::string& text) {
    auto* combo = qobject_cast<QComboBox*>(Window->cbShortCut->Widget());
    const int index = combo->findText(QString::fromStdString(text));
    ASSERT_GE(index, 0) << text;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
  // Clicks the tree's line of an item.
  void ClickItem(const std::string& text) {
    auto* tree = qobject_cast<QTreeWidget*>(Window->tvItems->Widget());
    const auto found = tree->findItems(QString::fromStdString(text), Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1) << text;
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualItemRect(found.front()).center());
  }
  // The File menu: New, Open, a separator and Exit with Ctrl+Q.
  void BuildFileMenu() {
    AddItem(Window->btnAdd, "&File");
    AddItem(Window->btnSubmenu, "&New");
    AddItem(Window->btnAdd, "&Open...");
    AddItem(Window->btnAdd, "-");
    AddItem(Window->btnAdd, "E&xit");
    ChooseShortCut("Ctrl+Q");
  }
  TMenuItem* Item(const std::string& name) const { return dynamic_cast<TMenuItem*>(Form->FindComponent(name)); }
  // The items under parent by name, in order.
  static std::vector<std::string> Names(const TMenuItem* parent) {
    std::vector<std::string> names;
    for (int i = 0; i < parent->Count(); ++i) names.push_back(parent->Items(i)->Name());
    return names;
  }
  // The tree's lines, one level deeper indented by two blanks.
  std::vector<std::string> TreeLines() const {
    std::vector<std::string> lines;
    for (TTreeNode* node = Window->tvItems->Items()->GetFirstNode(); node; node = node->GetNext())
      lines.push_back(std::string(2 * static_cast<size_t>(node->Level()), ' ') + node->Text());
    return lines;
  }

  TMainMenu* Menu = nullptr;
  std::unique_ptr<TMenuDesigner, TObjectFree> Window;
  NamedEdits Named;
};

TEST_F(MenuDesigning, AFileMenuBuiltWithTheWindowIsWrittenAsDelphiFormsHoldIt) {
  EXPECT_EQ(Window->Caption(), "Form1.MainMenu1");
  BuildFileMenu();
  EXPECT_EQ(TreeLines(), (std::vector<std::string>{"&File", "  &New", "  &Open...", "  -", "  E&xit"}));
  EXPECT_EQ(Window->SelectedItem(), Item("Exit1"));
  EXPECT_EQ(Window->edName->Text(), "Exit1");

  const std::string text = FormText(*Form);
  EXPECT_NE(text.find("  Menu = MainMenu1\r\n"), std::string::npos) << text;
  ASSERT_NE(text.find("  object MainMenu1"), std::string::npos) << text;
  EXPECT_EQ(text.substr(text.find("  object MainMenu1")), FileMenuText);

  // Items are the form's components, listed for the inspector, with no wrappers.
  const std::vector<std::string> entries = Designer()->ComponentListEntries();
  for (const char* entry : {"File1:TMenuItem", "New1:TMenuItem", "Open1:TMenuItem", "N1:TMenuItem", "Exit1:TMenuItem"})
    EXPECT_NE(std::find(entries.begin(), entries.end(), entry), entries.end()) << entry;
  EXPECT_EQ(Form->FindComponent(TWrapperControl::WrapperName("File1")), nullptr);
  EXPECT_EQ(Item("File1")->Owner(), Form.get());
  EXPECT_TRUE(Item("Exit1")->IsDesigning());
}

TEST_F(MenuDesigning, TheWrittenFileComesBackWholeInTheFormCheckAndTheDesigner) {
  BuildFileMenu();
  korvax::test::TempDir dir;
  const std::string file = dir.File("Form1.dfm");
  WriteFormFile(*Form, file);
  QProcess check;
  check.start(KORVAX_FORMCHECK_EXE, {QString::fromStdString(file)});
  ASSERT_TRUE(check.waitForFinished(60000));
  const std::string report = check.readAllStandardOutput().toStdString();
  EXPECT_EQ(check.exitCode(), 0) << report;
  EXPECT_TRUE(report.starts_with("OK ")) << report;
  EXPECT_NE(report.find("1 files: 1 loaded, 1 identical"), std::string::npos) << report;

  std::string error;
  std::unique_ptr<TProxyForm, TObjectFree> loaded(LoadFormFile(file, Palette, error));
  ASSERT_NE(loaded, nullptr) << error;
  EXPECT_EQ(FormText(*loaded), FormText(*Form));
  auto* menu = dynamic_cast<TMainMenu*>(loaded->FindComponent("MainMenu1"));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(loaded->Menu(), menu);
  EXPECT_EQ(Names(menu->Items()->Items(0)), (std::vector<std::string>{"New1", "Open1", "N1", "Exit1"}));
  // The menu has its wrapper; its items have none and are in design state.
  EXPECT_NE(loaded->FindComponent(TWrapperControl::WrapperName("MainMenu1")), nullptr);
  for (const char* name : {"File1", "New1", "Open1", "N1", "Exit1"}) {
    EXPECT_EQ(loaded->FindComponent(TWrapperControl::WrapperName(name)), nullptr) << name;
    EXPECT_TRUE(loaded->FindComponent(name)->IsDesigning()) << name;
  }
}

TEST_F(MenuDesigning, EveryChangeIsOneEditOfItsKind) {
  AddItem(Window->btnAdd, "&File");
  ASSERT_EQ(Named.Entries.size(), 1u);
  EXPECT_EQ(Named.Entries[0].Kind, TDesignEditKind::Place);
  EXPECT_EQ(Named.Entries[0].Names, std::vector<std::string>{"File1"});
  AddItem(Window->btnSubmenu, "&Save");
  AddItem(Window->btnInsert, "&Open");  // before Save
  AddItem(Window->btnAdd, "-");
  AddItem(Window->btnAdd, "-");
  AddItem(Window->btnAdd, "1 &Recent");
  // Each new item went after the one added before it, Open before Save.
  EXPECT_EQ(Names(Item("File1")), (std::vector<std::string>{"Open1", "N1", "N2", "N1Recent1", "Save1"}));
  ASSERT_EQ(Named.Entries.size(), 6u);

  // The caption and the shortcut of the selected item: one property change each.
  ClickItem("&Save");
  EXPECT_EQ(Window->SelectedItem(), Item("Save1"));
  EXPECT_EQ(Window->edCaption->Text(), "&Save");
  Enter(Window->edCaption, "&Save As...");
  ChooseShortCut("Shift+Ctrl+S");
  ASSERT_EQ(Named.Entries.size(), 8u);
  EXPECT_EQ(Named.Entries[6].Kind, TDesignEditKind::PropertyChange);
  EXPECT_EQ(Named.Entries[6].Names, std::vector<std::string>{"Save1"});
  EXPECT_EQ(Named.Entries[7].Kind, TDesignEditKind::PropertyChange);
  EXPECT_EQ(Item("Save1")->Caption(), "&Save As...");
  EXPECT_EQ(Item("Save1")->ShortCut(), scShift | scCtrl | 'S');
  EXPECT_EQ(TreeLines()[5], "  &Save As...");
  Enter(Window->edCaption, "&Save As...");  // unchanged: no edit
  EXPECT_EQ(Named.Entries.size(), 8u);

  // A rename is told once, with both names, and the tree follows.
  Enter(Window->edName, "SaveAs1");
  ASSERT_EQ(Named.Entries.size(), 9u);
  EXPECT_EQ(Named.Entries[8].Kind, TDesignEditKind::Rename);
  EXPECT_EQ(Named.Entries[8].OldName, "Save1");
  EXPECT_EQ(Named.Entries[8].NewName, "SaveAs1");
  EXPECT_EQ(Item("SaveAs1")->Caption(), "&Save As...");
  // A name another component has is refused and the box shows the item's own again.
  Window->edName->SetText("Open1");
  char enter = '\r';
  EXPECT_THROW(Window->edNameKeyPress(Window->edName, enter), EComponentError);
  EXPECT_EQ(Window->edName->Text(), "SaveAs1");
  EXPECT_EQ(Named.Entries.size(), 9u);

  // Moves among the siblings, one edit each; none past the end.
  Click(Window->btnDown);
  EXPECT_EQ(Named.Entries.size(), 9u);
  Click(Window->btnUp);
  ASSERT_EQ(Named.Entries.size(), 10u);
  EXPECT_EQ(Named.Entries[9].Kind, TDesignEditKind::MenuOrder);
  EXPECT_EQ(Named.Entries[9].Names, std::vector<std::string>{"SaveAs1"});
  Click(Window->btnUp);
  EXPECT_EQ(Names(Item("File1")), (std::vector<std::string>{"Open1", "N1", "SaveAs1", "N2", "N1Recent1"}));
  EXPECT_EQ(Named.Entries.size(), 11u);
  EXPECT_EQ(Window->SelectedItem(), Item("SaveAs1"));

  // A deletion is told once, naming the item and its sub-items while they live.
  ClickItem("&File");
  Click(Window->btnDelete);
  ASSERT_EQ(Named.Entries.size(), 12u);
  EXPECT_EQ(Named.Entries[11].Kind, TDesignEditKind::Delete);
  EXPECT_EQ(Named.Entries[11].Names,
            (std::vector<std::string>{"File1", "Open1", "N1", "SaveAs1", "N2", "N1Recent1"}));
  EXPECT_EQ(Menu->Items()->Count(), 0);
  EXPECT_EQ(Item("Open1"), nullptr);
  EXPECT_EQ(Window->SelectedItem(), nullptr);
  EXPECT_FALSE(Window->btnDelete->Enabled());
  EXPECT_TRUE(TreeLines().empty());
}

TEST_F(MenuDesigning, DeletingTheSelectedItemSelectsTheNextOrThePreviousOrTheParent) {
  BuildFileMenu();
  ClickItem("&Open...");
  Click(Window->btnDelete);
  EXPECT_EQ(Window->SelectedItem(), Item("N1"));
  ClickItem("E&xit");
  Click(Window->btnDelete);
  EXPECT_EQ(Window->SelectedItem(), Item("N1"));
  Click(Window->btnDelete);
  Click(Window->btnDelete);
  EXPECT_EQ(Window->SelectedItem(), Item("File1"));
  EXPECT_EQ(Item("File1")->Count(), 0);
}

TEST_F(MenuDesigning, DeletingTheMenuTakesItsItemsInTheSameEdit) {
  BuildFileMenu();
  Window.reset();
  Designer()->SelectComponent(Menu);
  Named.Entries.clear();
  Designer()->DeleteSelection();
  ASSERT_EQ(Named.Entries.size(), 1u);
  EXPECT_EQ(Named.Entries[0].Names,
            (std::vector<std::string>{"MainMenu1", "File1", "New1", "Open1", "N1", "Exit1"}));
  EXPECT_EQ(Form->FindComponent("Exit1"), nullptr);
  EXPECT_EQ(Form->Menu(), nullptr);
}

TEST_F(MenuDesigning, TheDesignFormShowsItsMainMenuAsAnInertBar) {
  const int withBar = Form->ClientHeight();
  Form->SetMenu(nullptr);
  const int bare = Form->ClientHeight();
  Form->SetMenu(Menu);  // as placing it made it
  EXPECT_EQ(Form->ClientHeight(), withBar);
  const int barRoom = bare - withBar;
  EXPECT_GT(barRoom, 0);
  BuildFileMenu();
  bool clicked = false;
  Item("Exit1")->OnClick.SetHandler([&](TObject*) { clicked = true; });
  Item("File1")->OnClick.SetHandler([&](TObject*) { clicked = true; });

  QMenuBar* bar = Menu->MenuBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->isVisible());
  ASSERT_EQ(bar->actions().size(), 1);
  EXPECT_EQ(bar->actions().front()->text(), "&File");
  QMenu* file = bar->actions().front()->menu();
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(file->actions().size(), 4);
  EXPECT_TRUE(file->actions()[2]->isSeparator());
  EXPECT_EQ(file->actions()[3]->shortcut().toString(), "Ctrl+Q");

  // The bar has its room above the client area and covers none of it; a press
  // on the form places at the point pressed.
  EXPECT_EQ(Form->ClientWidget()->geometry().top(), barRoom);
  EXPECT_LE(bar->geometry().bottom() + 1, barRoom);
  Window->Hide();
  TComponent* button = PlaceByPalette("TButton", 40, 48);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(static_cast<TControl*>(button)->Left(), 40);
  EXPECT_EQ(static_cast<TControl*>(button)->Top(), 48);
  EXPECT_EQ(static_cast<TControl*>(button)->Widget()->mapTo(Form->Window(), QPoint(0, 0)), QPoint(40, 48 + barRoom));

  // Opening the menu and choosing items runs none of their handlers.
  QCoreApplication::sendPostedEvents();
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(bar->actions().front()).center());
  file->actions()[3]->trigger();
  file->hide();
  EXPECT_FALSE(clicked);
  EXPECT_EQ(Item("Exit1")->Caption(), "E&xit");
}

TEST_F(MenuDesigning, ADoubleClickOnTheMenuOpensItsDesigner) {
  Window.reset();
  auto* wrapper = static_cast<TControl*>(Form->FindComponent(TWrapperControl::WrapperName("MainMenu1")));
  ASSERT_NE(wrapper, nullptr);
  std::string caption;
  {
    korvax::test::ModalAnswer answer([&](TCustomForm& form) {
      auto& window = dynamic_cast<TMenuDesigner&>(form);
      caption = window.Caption();
      window.edNewCaption->SetText("&Help");
      window.btnAdd->Click();
      window.btnClose->Click();
    });
    QCoreApplication::sendPostedEvents();
    QTest::mouseDClick(wrapper->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  }
  EXPECT_EQ(caption, "Form1.MainMenu1");
  ASSERT_EQ(Menu->Items()->Count(), 1);
  EXPECT_EQ(Menu->Items()->Items(0)->Name(), "Help1");
}

}  // namespace
