#include "kcl/controls/menus.h"

#include <QAction>
#include <QMenu>
#include <QEvent>
#include <QMenuBar>
#include <QPointer>
#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/writer.h"
#include "kcl/controls/application.h"
#include "kcl/controls/form.h"
#include "kcl/desktop/cp1252.h"

namespace kcl {

KCL_CLASS_INFO(TMenuItem) {
  cls.property("Break", &TMenuItem::Break, &TMenuItem::SetBreak).Default(mbNone);
  cls.property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption, TCaptionType());
  cls.property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false);
  cls.property("Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(false);
  cls.property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true);
  cls.property("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).Default(0);
  cls.property("HelpContext", &TMenuItem::HelpContext, &TMenuItem::SetHelpContext, THelpContextType()).Default(0);
  cls.property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
  cls.property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(false);
  cls.property("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut, TShortCutType())
      .Default(0)
      .Stored(&TMenuItem::IsShortCutStored);
  cls.property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true);
  cls.event("OnClick", &TMenuItem::OnClick, TNotifyEventType());
}

KCL_CLASS_INFO(TMenu) {
  // Shown by the inspector; the items are written as the menu's children.
  cls.property("Items", &TMenu::Items);
}

KCL_CLASS_INFO(TMainMenu) {
  cls.property("AutoMerge", &TMainMenu::AutoMerge, &TMainMenu::SetAutoMerge).Default(false);
}

KCL_CLASS_INFO(TPopupMenu) {
  cls.property("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment).Default(paLeft);
  cls.property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
  cls.property("HelpContext", &TPopupMenu::HelpContext, &TPopupMenu::SetHelpContext, THelpContextType())
      .Default(0);
  cls.event("OnPopup", &TPopupMenu::OnPopup, TNotifyEventType());
}

// --- TMenuItem

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() { TMenuItem::BeforeDestruction(); }

void TMenuItem::BeforeDestruction() {
  while (!FItems.empty()) FItems.back()->Free();
  if (FParent) FParent->Remove(this);
  TComponent::BeforeDestruction();
  FSubMenu.reset();
  FAction.reset();
}

void TMenuItem::SetCaption(const std::string& v) {
  FCaption = v;
  UpdateAction();
}

void TMenuItem::SetChecked(bool v) {
  FChecked = v;
  if (v && FRadioItem && FParent) {
    for (TMenuItem* sibling : FParent->FItems) {
      if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex && sibling->FChecked) {
        sibling->FChecked = false;
        sibling->UpdateAction();
      }
    }
  }
  UpdateAction();
}

void TMenuItem::SetDefault(bool v) {
  FDefault = v;
  UpdateAction();
}

void TMenuItem::SetEnabled(bool v) {
  FEnabled = v;
  UpdateAction();
}

void TMenuItem::SetGroupIndex(uint8_t v) { FGroupIndex = v; }

void TMenuItem::SetHint(const std::string& v) {
  FHint = v;
  UpdateAction();
}

void TMenuItem::SetRadioItem(bool v) {
  FRadioItem = v;
  UpdateAction();
}

void TMenuItem::SetShortCut(TShortCut v) {
  if (v != FShortCut) FShortCutText.clear();
  FShortCut = v;
  UpdateAction();
}

void TMenuItem::SetVisible(bool v) {
  FVisible = v;
  UpdateAction();
}

bool TMenuItem::IsShortCutStored() const {
  return FShortCutText.empty() || TextToShortCut(FShortCutText) != FShortCut;
}

void TMenuItem::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  filer.DefineProperty(
      "ShortCutText",
      [this](TReader& reader) {
        const std::string text = reader.ReadString();
        SetShortCut(TextToShortCut(text));
        FShortCutText = text;
      },
      [this](TWriter& writer) { writer.WriteString(FShortCutText); }, !IsShortCutStored());
}

void TMenuItem::Click() { OnClick(this); }

// --- the tree

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) throw EMenuError("Menu index out of range");
  return FItems[static_cast<size_t>(index)];
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item) return;
  if (item->FParent) throw EMenuError("Menu inserted twice");
  for (const TMenuItem* p = this; p; p = p->FParent)
    if (p == item) throw EMenuError("Menu inserted twice");
  if (index < 0 || index > Count()) throw EMenuError("Menu index out of range");
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
  StructureChanged();
}

void TMenuItem::Delete(int index) { Items(index)->Free(); }

void TMenuItem::Remove(TMenuItem* item) {
  const int index = IndexOf(item);
  if (index < 0) throw EMenuError("Sub-menu is not in menu");
  FItems.erase(FItems.begin() + index);
  item->FParent = nullptr;
  StructureChanged();
}

void TMenuItem::Clear() {
  while (!FItems.empty()) FItems.back()->Free();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

int TMenuItem::MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }

void TMenuItem::SetMenuIndex(int index) {
  if (!FParent) return;
  auto& list = FParent->FItems;
  std::erase(list, this);
  list.insert(list.begin() + std::clamp(index, 0, static_cast<int>(list.size())), this);
  FParent->StructureChanged();
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->FParent) item = item->FParent;
  return item->FMenu;
}

void TMenuItem::GetChildren(const TGetChildProc& proc, TComponent*) {
  for (TMenuItem* item : std::vector<TMenuItem*>(FItems)) proc(item);
}

TComponent* TMenuItem::GetParentComponent() const {
  if (FParent && FParent->FMenu) return FParent->FMenu;
  return FParent;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (FParent) FParent->Remove(this);
  if (auto* menu = dynamic_cast<TMenu*>(parent))
    menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(parent))
    item->Add(this);
}

void TMenuItem::SetChildOrder(TComponent* child, int order) {
  if (auto* item = dynamic_cast<TMenuItem*>(child); item && item->FParent == this) item->SetMenuIndex(order);
}

void TMenuItem::StructureChanged() {
  RebuildSubMenu();
  if (FMenu) FMenu->MenuChanged();
}

// --- the Qt peer

QAction* TMenuItem::Action() {
  if (!FAction) {
    FAction = std::make_unique<QAction>();
    QObject::connect(FAction.get(), &QAction::triggered, [this] { Triggered(); });
    UpdateAction();
    if (!FItems.empty()) FAction->setMenu(SubMenu());
  }
  return FAction.get();
}

QMenu* TMenuItem::SubMenu() {
  if (!FSubMenu) {
    FSubMenu = std::make_unique<QMenu>();
    // Opening an item's sub-menu is a click on the item, as on Windows: handlers
    // update their sub-items there.
    QObject::connect(FSubMenu.get(), &QMenu::aboutToShow, [this] {
      if (!FMenu && !IsDesigning()) Application()->Guard([this] { Click(); });
    });
    RebuildSubMenu();
  }
  return FSubMenu.get();
}

void TMenuItem::RebuildSubMenu() {
  if (FSubMenu) {
    FSubMenu->clear();
    for (TMenuItem* item : FItems) FSubMenu->addAction(item->Action());
  }
  if (FAction) FAction->setMenu(FItems.empty() ? nullptr : SubMenu());
}

void TMenuItem::UpdateAction() {
  if (!FAction) return;
  // A separator is drawn as a line alone: styles draw a separator's text too.
  FAction->setText(IsLine() ? QString() : cp1252::Decode(FCaption));
  FAction->setSeparator(IsLine());
  FAction->setCheckable(FChecked || FRadioItem);
  FAction->setChecked(FChecked);
  FAction->setEnabled(FEnabled);
  FAction->setVisible(FVisible);
  FAction->setShortcut(ShortCutToKeySequence(FShortCut));
  // Under design the shortcut is shown but leaves the keys to the environment.
  FAction->setShortcutContext(IsDesigning() ? Qt::WidgetShortcut : Qt::WindowShortcut);
  FAction->setStatusTip(cp1252::Decode(FHint));
  QFont font = FAction->font();
  font.setBold(FDefault);
  FAction->setFont(font);
}

void TMenuItem::Triggered() {
  // A menu under design runs none of the program's handlers.
  if (IsDesigning()) return UpdateAction();
  QPointer<QAction> alive(FAction.get());
  Application()->Guard([this] { Click(); });
  // The handler decides the check mark, not Qt's toggling; it may also have freed the item.
  if (alive) UpdateAction();
}

// --- TMenu

TMenu::TMenu(TComponent* owner) : TComponent(owner), FItems(new TMenuItem(nullptr)) { FItems->FMenu = this; }

TMenu::~TMenu() { TMenu::BeforeDestruction(); }

void TMenu::BeforeDestruction() {
  TComponent::BeforeDestruction();
  if (FItems) {
    FItems->FMenu = nullptr;
    FItems->Free();
    FItems = nullptr;
  }
}

void TMenu::GetChildren(const TGetChildProc& proc, TComponent* root) { FItems->GetChildren(proc, root); }

void TMenu::SetChildOrder(TComponent* child, int order) { FItems->SetChildOrder(child, order); }

TMenuItem* TMenu::FindItem(TShortCut shortCut) const {
  if (shortCut == scNone) return nullptr;
  std::vector<TMenuItem*> pending{FItems};
  while (!pending.empty()) {
    TMenuItem* item = pending.back();
    pending.pop_back();
    if (item != FItems && item->ShortCut() == shortCut) return item;
    for (int i = item->Count() - 1; i >= 0; --i) pending.push_back(item->Items(i));
  }
  return nullptr;
}

bool TMenu::IsShortCut(TShortCut shortCut) {
  TMenuItem* item = FindItem(shortCut);
  if (!item || !item->Enabled() || !item->Visible()) return false;
  item->Click();
  return true;
}

// --- TMainMenu

namespace {

// Keeps a menu bar as wide as its window; it goes with the bar.
class TMenuBarFit : public QObject {
public:
  explicit TMenuBarFit(QMenuBar* bar) : QObject(bar), FBar(bar) { bar->parentWidget()->installEventFilter(this); }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) FBar->resize(static_cast<QWidget*>(watched)->width(), FBar->height());
    return false;
  }

private:
  QMenuBar* FBar;
};

}  // namespace

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

TMainMenu::~TMainMenu() { delete FMenuBar; }

void TMainMenu::AttachTo(TCustomForm* form) {
  if (form == FForm) return;
  delete FMenuBar;
  FForm = form;
  if (!form) return;
  form->FreeNotification(this);
  FMenuBar = new QMenuBar(form->Window());
  FMenuBar->setNativeMenuBar(false);
  new TMenuBarFit(FMenuBar);
  RebuildBar();
  // A bar added to a window already shown is shown by itself.
  FMenuBar->show();
}

void TMainMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == opRemove && component == FForm) {
    FForm = nullptr;
    FMenuBar = nullptr;  // went with the form's window
  }
}

void TMainMenu::MenuChanged() { RebuildBar(); }

void TMainMenu::RebuildBar() {
  if (!FMenuBar) return;
  FMenuBar->clear();
  for (int i = 0; i < Items()->Count(); ++i) FMenuBar->addAction(Items()->Items(i)->Action());
  FMenuBar->adjustSize();
  if (QWidget* window = FMenuBar->parentWidget()) FMenuBar->resize(window->width(), FMenuBar->sizeHint().height());
  FMenuBar->raise();
}

// --- TPopupMenu

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == opRemove && component == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::Popup(int x, int y) {
  OnPopup(this);
  QMenu* menu = Menu();
  QPoint at(x, y);
  const int width = menu->sizeHint().width();
  if (FAlignment == paRight)
    at.rx() -= width;
  else if (FAlignment == paCenter)
    at.rx() -= width / 2;
  menu->popup(at);
}

// --- TPopupMenuLink

void TPopupMenuLink::SetPopupMenu(TPopupMenu* menu) {
  if (FMenu == menu) return;
  FMenu = menu;
  if (menu) menu->FreeNotification(FHolder);
}

void TPopupMenuLink::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component == FMenu) FMenu = nullptr;
}

bool TPopupMenuLink::ContextPopup(TControl* control, int x, int y) {
  if (!FMenu || !FMenu->AutoPopup() || control->IsDesigning()) return false;
  FMenu->SetPopupComponent(control);
  const TPoint p = control->ClientToScreen({x, y});
  FMenu->Popup(p.X, p.Y);
  return true;
}

}  // namespace kcl

namespace kcl {

void RegisterMenus() {
  static const bool registered = [] {
    RegisterClasses({&TMenuItem::StaticClass(), &TMainMenu::StaticClass(), &TPopupMenu::StaticClass()});
    return true;
  }();
  (void)registered;
}

}  // namespace kcl
