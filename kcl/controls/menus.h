#pragma once
// Menus: TMenuItem trees shown through Qt actions; TMainMenu on a form's menu bar,
// TPopupMenu at a screen point. An item's sub-items stream as its child components
// and belong to the form, as the framework's form files have them.
#include <memory>
#include <string>
#include <vector>

#include "kcl/classes/component.h"
#include "kcl/controls/shortcuts.h"
#include "kcl/controls/controltypes.h"
#include "kcl/rtl/exceptions.h"

#include <QMenuBar>
#include <QPointer>

class QAction;
class QMenu;
class QMenuBar;

namespace kcl {

class TMenu;
class TControl;
class TCustomForm;

KCL_EXCEPTION(EMenuError, Exception);

KCL_ENUM(TMenuBreak, mbNone, mbBreak, mbBarBreak)
KCL_ENUM(TPopupAlignment, paLeft, paRight, paCenter)

class TMenuItem : public TComponent {
  KCL_CLASS(TMenuItem, TComponent)
public:
  explicit TMenuItem(TComponent* owner);
  void BeforeDestruction() override;
  ~TMenuItem() override;

  TMenuBreak Break() const { return FBreak; }
  void SetBreak(TMenuBreak v) { FBreak = v; }
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& v);
  bool IsLine() const { return FCaption == "-"; }
  bool Checked() const { return FChecked; }
  // Checking a radio item unchecks the radio items of its group beside it.
  void SetChecked(bool v);
  bool Default() const { return FDefault; }
  void SetDefault(bool v);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v);
  uint8_t GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(uint8_t v);
  int32_t HelpContext() const { return FHelpContext; }
  void SetHelpContext(int32_t v) { FHelpContext = v; }
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& v);
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool v);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut v);
  bool IsShortCutStored() const;
  bool Visible() const { return FVisible; }
  void SetVisible(bool v);
  TNotifyEvent OnClick;
  // Runs OnClick; what it raises goes to the caller.
  virtual void Click();

  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const;
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  // Takes the item out of this one (and frees it, for Delete).
  void Delete(int index);
  void Remove(TMenuItem* item);
  void Clear();
  int IndexOf(const TMenuItem* item) const;
  TMenuItem* Parent() const { return FParent; }
  int MenuIndex() const;
  void SetMenuIndex(int index);
  // The menu whose Items this tree hangs from; nullptr while it hangs from none.
  TMenu* GetParentMenu() const;

  // Streaming: the sub-items are this item's children.
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  void SetChildOrder(TComponent* child, int order) override;

  // The Qt peer: an action bound to Click, with a sub-menu when the item has items.
  QAction* Action();
  QMenu* SubMenu();

protected:
  void DefineProperties(TFiler& filer) override;

private:
  friend class TMenu;
  void UpdateAction();
  void RebuildSubMenu();
  void StructureChanged();
  void Triggered();

  TMenuBreak FBreak = mbNone;
  std::string FCaption;
  bool FChecked = false;
  bool FDefault = false;
  bool FEnabled = true;
  uint8_t FGroupIndex = 0;
  int32_t FHelpContext = 0;
  std::string FHint;
  bool FRadioItem = false;
  TShortCut FShortCut = scNone;
  bool FVisible = true;
  // Kept from a form file that named the shortcut by its text, so that it is
  // written back the same way.
  std::string FShortCutText;

  std::vector<TMenuItem*> FItems;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;  // set on a menu's root item
  std::unique_ptr<QAction> FAction;
  std::unique_ptr<QMenu> FSubMenu;
};

class TMenu : public TComponent {
  KCL_CLASS(TMenu, TComponent)
public:
  explicit TMenu(TComponent* owner);
  void BeforeDestruction() override;
  ~TMenu() override;

  // The root item; its sub-items are the menu's entries.
  TMenuItem* Items() const { return FItems; }
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void SetChildOrder(TComponent* child, int order) override;
  // Finds the item whose shortcut this is, at any depth; nullptr when none.
  TMenuItem* FindItem(TShortCut shortCut) const;
  // Runs the item's Click as a key press would; false when no item has the shortcut.
  bool IsShortCut(TShortCut shortCut);

protected:
  friend class TMenuItem;
  // Called when the root item's entries change (added, removed, reordered).
  virtual void MenuChanged() {}

private:
  TMenuItem* FItems;
};

class TMainMenu : public TMenu {
  KCL_CLASS(TMainMenu, TMenu)
public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;
  bool AutoMerge() const { return FAutoMerge; }
  void SetAutoMerge(bool v) { FAutoMerge = v; }

  // Shows the menu as the form's menu bar (nullptr: on no form) and keeps the bar
  // up to date as items change. The bar lives in the form's window.
  void AttachTo(TCustomForm* form);
  TCustomForm* AttachedForm() const { return FForm; }
  QMenuBar* MenuBar() const { return FMenuBar; }
  void Notification(TComponent* component, TOperation operation) override;

protected:
  void MenuChanged() override;

private:
  void RebuildBar();
  bool FAutoMerge = false;
  TCustomForm* FForm = nullptr;
  QPointer<QMenuBar> FMenuBar;
};

class TPopupMenu : public TMenu {
  KCL_CLASS(TPopupMenu, TMenu)
public:
  explicit TPopupMenu(TComponent* owner);
  TPopupAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TPopupAlignment v) { FAlignment = v; }
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool v) { FAutoPopup = v; }
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* v) { FPopupComponent = v; }
  int32_t HelpContext() const { return FHelpContext; }
  void SetHelpContext(int32_t v) { FHelpContext = v; }
  TNotifyEvent OnPopup;

  // Runs OnPopup, then shows the items at the screen point (aligned by Alignment)
  // and returns; a chosen item's Click runs from the event loop.
  virtual void Popup(int x, int y);
  // The Qt menu Popup shows.
  QMenu* Menu() { return Items()->SubMenu(); }
  void Notification(TComponent* component, TOperation operation) override;

private:
  TPopupAlignment FAlignment = paLeft;
  bool FAutoPopup = true;
  TComponent* FPopupComponent = nullptr;
  int32_t FHelpContext = 0;
};

// A control's PopupMenu property, kept until TControl holds it itself: the link
// follows the menu's destruction, and ContextPopup shows it for a right click.
class TPopupMenuLink {
public:
  explicit TPopupMenuLink(TComponent* holder) : FHolder(holder) {}
  TPopupMenu* PopupMenu() const { return FMenu; }
  void SetPopupMenu(TPopupMenu* menu);
  // Forward the holder's opRemove notifications here.
  void Notification(TComponent* component, TOperation operation);
  // Shows the menu for a right click at a client point of control when AutoPopup;
  // true when it did.
  bool ContextPopup(TControl* control, int x, int y);

private:
  TComponent* FHolder;
  TPopupMenu* FMenu = nullptr;
};

}  // namespace kcl

namespace kcl {
// Registers the menu classes for streaming. Safe to call more than once.
void RegisterMenus();
}  // namespace kcl
