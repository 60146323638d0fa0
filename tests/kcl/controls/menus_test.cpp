#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/objecttext.h"
#include "kcl/controls/menus.h"
#include "kcl/controls/application.h"
#include "kcl/controls/form.h"
#include "kcl/controls/keys.h"
#include "support/componenthost.h"
#include "support/formtext.h"
#include "support/testform.h"

using namespace kcl;

namespace {

using korvax::test::ReadComponentHost;
using korvax::test::SampleHostText;
using korvax::test::WriteBinary;
using HostPtr = korvax::test::ComponentHostPtr;
using TMenuHost = korvax::test::TComponentHost;
using korvax::test::FormPtr;

// A component with a PopupMenu property, as controls will have.
class TLinkHolder : public TComponent {
  KCL_CLASS(TLinkHolder, TComponent)
public:
  using TComponent::TComponent;
  TPopupMenuLink Link{this};
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    Link.Notification(component, operation);
  }
};

TMenuItem* NewItem(TComponent* owner, const std::string& caption, TMenuItem* parent) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  if (parent) parent->Add(item);
  return item;
}

}  // namespace

KCL_CLASS_INFO(TLinkHolder) {}

TEST(Menus, SampleMenusStreamBackByteForByte) {
  RegisterMenus();
  // Shortcuts, a separator with a shortcut of its own, events; a popup menu with
  // hidden items; and a shortcut stored by its text.
  for (const auto& [file, menuClass] : {std::pair{"11/MINES/MINESF.DFM", "TMainMenu"},
                                        std::pair{"09/HSHORT/HSHORTF.DFM", "TPopupMenu"},
                                        std::pair{"03/SDITEMP/SDIMAIN.DFM", "TMainMenu"}}) {
    const std::string text = SampleHostText(file, {menuClass});
    const std::string binary = ObjectTextToBinary(text);
    HostPtr host = ReadComponentHost(binary);
    EXPECT_EQ(WriteBinary(host.get()), binary) << file;
    EXPECT_EQ(ObjectBinaryToText(WriteBinary(host.get())), text) << file;
  }

  HostPtr mines = ReadComponentHost(ObjectTextToBinary(SampleHostText("11/MINES/MINESF.DFM", {"TMainMenu"})));
  auto* menu = dynamic_cast<TMainMenu*>(mines->FindComponent("MainMenu1"));
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->Items()->Count(), 2);
  TMenuItem* file = menu->Items()->Items(0);
  EXPECT_EQ(file->Caption(), "&File");
  ASSERT_EQ(file->Count(), 3);
  EXPECT_TRUE(file->Items(1)->IsLine());
  EXPECT_EQ(ShortCutToText(file->Items(2)->ShortCut()), "Alt+F4");
  EXPECT_EQ(file->Items(2)->Owner(), mines.get());
  EXPECT_EQ(file->Items(2)->GetParentComponent(), file);
  EXPECT_EQ(file->GetParentComponent(), menu);
  EXPECT_EQ(file->Items(2)->GetParentMenu(), menu);
  EXPECT_EQ(menu->FindItem(113), file->Items(0));

  HostPtr sdi = ReadComponentHost(ObjectTextToBinary(SampleHostText("03/SDITEMP/SDIMAIN.DFM", {"TMainMenu"})));
  auto* exitItem = dynamic_cast<TMenuItem*>(sdi->FindComponent("ExitItem"));
  ASSERT_NE(exitItem, nullptr);
  EXPECT_EQ(exitItem->ShortCut(), TextToShortCut("Alt+X"));
  // A shortcut changed in the program is written as a number again.
  exitItem->SetShortCut(scCtrl | 'Q');
  const std::string rewritten = ObjectBinaryToText(WriteBinary(sdi.get()));
  EXPECT_NE(rewritten.find("ShortCut = 16465"), std::string::npos);
  EXPECT_EQ(rewritten.find("ShortCutText"), std::string::npos);
}

TEST(Menus, PublishedPropertiesInDelphiOrder) {
  // After TComponent's Name and Tag.
  std::vector<std::string> names;
  for (PPropInfo p : GetPropInfos(&TMenuItem::StaticClass())) names.push_back(p->Name);
  names.erase(names.begin(), names.begin() + 2);
  EXPECT_EQ(names, (std::vector<std::string>{"Break", "Caption", "Checked", "Default", "Enabled", "GroupIndex",
                                             "HelpContext", "Hint", "RadioItem", "ShortCut", "Visible",
                                             "OnClick"}));
  EXPECT_EQ(GetPropInfo(&TMenuItem::StaticClass(), "ShortCut")->PropType->Name, "TShortCut");
  names.clear();
  for (PPropInfo p : GetPropInfos(&TPopupMenu::StaticClass())) names.push_back(p->Name);
  names.erase(names.begin(), names.begin() + 2);
  // Items belongs to every menu: the inspector shows it, the writer leaves the
  // unnamed item out (the items are the menu's children).
  EXPECT_EQ(names, (std::vector<std::string>{"Items", "Alignment", "AutoPopup", "HelpContext", "OnPopup"}));
}

TEST(Menus, TreeOperations) {
  HostPtr host(new TMenuHost(nullptr));
  auto* menu = new TPopupMenu(host.get());
  TMenuItem* a = NewItem(host.get(), "A", menu->Items());
  TMenuItem* b = NewItem(host.get(), "B", menu->Items());
  TMenuItem* c = new TMenuItem(host.get());
  menu->Items()->Insert(0, c);
  EXPECT_EQ(menu->Items()->IndexOf(c), 0);
  EXPECT_EQ(b->MenuIndex(), 2);
  EXPECT_THROW(a->Add(c), EMenuError);               // already in a menu
  EXPECT_THROW(menu->Items()->Insert(9, new TMenuItem(host.get())), EMenuError);
  TMenuItem* sub = NewItem(host.get(), "Sub", a);
  EXPECT_THROW(sub->Add(menu->Items()), EMenuError);  // an item cannot hold its own ancestor
  c->SetMenuIndex(2);
  EXPECT_EQ(menu->Items()->Items(2), c);
  menu->Items()->Remove(c);
  EXPECT_EQ(c->Parent(), nullptr);
  EXPECT_EQ(menu->Items()->Count(), 2);
  EXPECT_THROW(menu->Items()->Remove(c), EMenuError);
  c->Free();

  // Freeing an item frees its sub-items and takes it out of its parent.
  const int components = host->ComponentCount();
  menu->Items()->Delete(0);
  EXPECT_EQ(host->ComponentCount(), components - 2);
  EXPECT_EQ(menu->Items()->Count(), 1);
  EXPECT_EQ(menu->Items()->Items(0), b);
}

TEST(Menus, RadioItemsOfAGroupExcludeEachOther) {
  HostPtr host(new TMenuHost(nullptr));
  auto* menu = new TMainMenu(host.get());
  std::vector<TMenuItem*> items;
  for (int i = 0; i < 3; ++i) {
    items.push_back(NewItem(host.get(), "R" + std::to_string(i), menu->Items()));
    items.back()->SetRadioItem(true);
    items.back()->SetGroupIndex(i < 2 ? 1 : 2);
  }
  items[0]->SetChecked(true);
  items[2]->SetChecked(true);
  items[1]->SetChecked(true);
  EXPECT_FALSE(items[0]->Checked());
  EXPECT_TRUE(items[1]->Checked());
  EXPECT_TRUE(items[2]->Checked());  // another group
}

TEST(Menus, QtPeerMirrorsTheItems) {
  HostPtr host(new TMenuHost(nullptr));
  auto* menu = new TMainMenu(host.get());
  TMenuItem* file = NewItem(host.get(), "&File", menu->Items());
  TMenuItem* save = NewItem(host.get(), "&Save", file);
  TMenuItem* line = NewItem(host.get(), "-", file);
  save->SetShortCut(scCtrl | 'S');
  save->SetHint("Save the file");
  save->SetDefault(true);
  save->SetEnabled(false);

  QMenu* fileMenu = file->Action()->menu();
  ASSERT_NE(fileMenu, nullptr);
  ASSERT_EQ(fileMenu->actions().size(), 2);
  QAction* saveAction = fileMenu->actions()[0];
  EXPECT_EQ(saveAction->text(), "&Save");
  EXPECT_EQ(saveAction->shortcut(), QKeySequence("Ctrl+S"));
  EXPECT_EQ(saveAction->statusTip(), "Save the file");
  EXPECT_TRUE(saveAction->font().bold());
  EXPECT_FALSE(saveAction->isEnabled());
  EXPECT_TRUE(fileMenu->actions()[1]->isSeparator());
  EXPECT_EQ(fileMenu->actions()[1], line->Action());

  save->SetVisible(false);
  save->SetChecked(true);
  EXPECT_FALSE(saveAction->isVisible());
  EXPECT_TRUE(saveAction->isChecked());

  // The peer follows changes of the tree.
  TMenuItem* open = new TMenuItem(host.get());
  open->SetCaption("&Open");
  file->Insert(0, open);
  ASSERT_EQ(fileMenu->actions().size(), 3);
  EXPECT_EQ(fileMenu->actions()[0]->text(), "&Open");
  line->Free();
  EXPECT_EQ(fileMenu->actions().size(), 2);
  TMenuItem* recent = NewItem(host.get(), "Recent", open);
  ASSERT_NE(open->Action()->menu(), nullptr);
  recent->Free();
  EXPECT_EQ(open->Action()->menu(), nullptr);
}

TEST(Menus, ASeparatorDrawsAsALineOnly) {
  HostPtr host(new TMenuHost(nullptr));
  auto* menu = new TPopupMenu(host.get());
  NewItem(host.get(), "Open", menu->Items());
  NewItem(host.get(), "-", menu->Items());
  NewItem(host.get(), "Close", menu->Items());
  QMenu plain;
  plain.addAction("Open");
  plain.addSeparator();
  plain.addAction("Close");
  QMenu* drawn = menu->Menu();
  drawn->adjustSize();
  plain.adjustSize();
  ASSERT_EQ(drawn->size(), plain.size());
  EXPECT_EQ(drawn->grab().toImage(), plain.grab().toImage());
}

TEST(Menus, TriggeringTheActionRunsOnClickThroughTheFramework) {
  HostPtr host(new TMenuHost(nullptr));
  auto* menu = new TPopupMenu(host.get());
  TMenuItem* item = NewItem(host.get(), "Go", menu->Items());
  int clicks = 0;
  item->OnClick.SetHandler([&](TObject* sender) {
    EXPECT_EQ(sender, item);
    ++clicks;
  });
  item->Action()->trigger();
  EXPECT_EQ(clicks, 1);

  // Qt does not toggle the check mark; the handler decides.
  item->SetChecked(false);
  item->SetRadioItem(true);
  item->Action()->trigger();
  EXPECT_FALSE(item->Action()->isChecked());

  // What the handler raises goes to the application's handler.
  std::string handled;
  Application()->OnException.SetHandler([&](TObject*, const std::exception& e) { handled = e.what(); });
  item->OnClick.SetHandler([](TObject*) { throw EMenuError("broken"); });
  item->Action()->trigger();
  EXPECT_EQ(handled, "broken");
  Application()->OnException.SetHandler(nullptr);

  // A handler may free its own item.
  item->OnClick.SetHandler([&](TObject*) { item->Free(); });
  item->Action()->trigger();
  EXPECT_EQ(menu->Items()->Count(), 0);

  TMenuItem* keyed = NewItem(host.get(), "Keyed", menu->Items());
  keyed->SetShortCut(scCtrl | 'K');
  int keyedClicks = 0;
  keyed->OnClick.SetHandler([&](TObject*) { ++keyedClicks; });
  EXPECT_TRUE(menu->IsShortCut(scCtrl | 'K'));
  EXPECT_FALSE(menu->IsShortCut(scCtrl | 'J'));
  keyed->SetEnabled(false);
  EXPECT_FALSE(menu->IsShortCut(scCtrl | 'K'));
  EXPECT_EQ(keyedClicks, 1);
}

TEST(Menus, PopupShowsTheItemsAtAScreenPoint) {
  HostPtr host(new TMenuHost(nullptr));
  auto* menu = new TPopupMenu(host.get());
  NewItem(host.get(), "&Cut", menu->Items());
  NewItem(host.get(), "&Paste", menu->Items());
  int popups = 0;
  menu->OnPopup.SetHandler([&](TObject*) { ++popups; });
  menu->Popup(100, 120);
  QMenu* shown = menu->Menu();
  EXPECT_EQ(popups, 1);
  EXPECT_TRUE(shown->isVisible());
  ASSERT_EQ(shown->actions().size(), 2);
  EXPECT_EQ(shown->actions()[1]->text(), "&Paste");
  EXPECT_EQ(shown->pos(), QPoint(100, 120));
  shown->hide();

  menu->SetAlignment(paRight);
  menu->Popup(300, 120);
  EXPECT_EQ(shown->pos().x() + shown->sizeHint().width(), 300);
  shown->hide();
}

TEST(Menus, PopupMenuLinkShowsOnRightClickAndForgetsAFreedMenu) {
  FormPtr form(new TForm(nullptr));
  auto* menu = new TPopupMenu(form.get());
  NewItem(form.get(), "Item", menu->Items());
  TPopupMenuLink formLink(form.get());
  formLink.SetPopupMenu(menu);
  EXPECT_TRUE(formLink.ContextPopup(form.get(), 5, 5));
  EXPECT_EQ(menu->PopupComponent(), form.get());
  EXPECT_TRUE(menu->Menu()->isVisible());
  menu->Menu()->hide();
  menu->SetAutoPopup(false);
  EXPECT_FALSE(formLink.ContextPopup(form.get(), 5, 5));

  std::unique_ptr<TLinkHolder, TObjectFree> holder(new TLinkHolder(nullptr));
  HostPtr other(new TMenuHost(nullptr));
  holder->Link.SetPopupMenu(new TPopupMenu(other.get()));
  other.reset();  // the menu goes with its owner; the holder hears of it
  EXPECT_EQ(holder->Link.PopupMenu(), nullptr);
}

TEST(Menus, MainMenuOnAFormsMenuBar) {
  FormPtr form(new TForm(nullptr));
  auto* menu = new TMainMenu(form.get());
  TMenuItem* file = NewItem(form.get(), "&File", menu->Items());
  NewItem(form.get(), "E&xit", file);
  menu->AttachTo(form.get());
  QMenuBar* bar = menu->MenuBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->parentWidget(), form->Window());
  ASSERT_EQ(bar->actions().size(), 1);
  EXPECT_EQ(bar->actions()[0]->text(), "&File");
  NewItem(form.get(), "&Help", menu->Items());
  ASSERT_EQ(bar->actions().size(), 2);
  EXPECT_EQ(bar->actions()[1]->text(), "&Help");
  form->Show();
  form->SetWidth(500);
  EXPECT_EQ(bar->width(), form->ClientWidth());
  menu->AttachTo(nullptr);
  EXPECT_EQ(menu->MenuBar(), nullptr);
  menu->AttachTo(form.get());
  form.reset();  // the menu, the items and the bar go with the form
}
