// The designer's edits of menu items: add, delete, move, caption and shortcut.
#include <algorithm>

#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "kcl/controls/menus.h"

namespace korvax::designer {

using namespace kcl;

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The letters and digits of a caption ("&Open..." gives "Open"); a name starts
// with a letter, so "-", "" and "1st" give "N", "N", "N1st".
std::string MenuItemStem(const std::string& caption) {
  constexpr size_t MaxStem = 56;  // room for the number within a name's 63 characters
  std::string stem;
  for (const char c : caption)
    if ((IsLetter(c) || IsDigit(c)) && stem.size() < MaxStem) stem += c;
  if (stem.empty() || IsDigit(stem[0])) stem = "N" + stem;
  return stem;
}

}  // namespace

std::vector<TComponent*> TProxyDesigner::MenuItemTree(TMenuItem* item) {
  std::vector<TComponent*> tree{item};
  for (int i = 0; i < item->Count(); ++i) {
    const std::vector<TComponent*> below = MenuItemTree(item->Items(i));
    tree.insert(tree.end(), below.begin(), below.end());
  }
  return tree;
}

TMenuItem* TProxyDesigner::AddMenuItem(TMenuItem* parent, int index, const std::string& caption) {
  auto* item = new TMenuItem(Form);
  // The unit declares the form too: an item's name is not the form's.
  item->SetName(NumberedName(MenuItemStem(caption), Form->Name()));
  item->SetCaption(caption);
  item->SetDesigning(true);
  parent->Insert(std::clamp(index, 0, parent->Count()), item);
  AddComponentName(item);
  Notify({TDesignEditKind::Place, {item}});
  return item;
}

void TProxyDesigner::DeleteMenuItem(TMenuItem* item) {
  Notify({TDesignEditKind::Delete, MenuItemTree(item)});
  item->Free();
}

void TProxyDesigner::MoveMenuItem(TMenuItem* item, int index) {
  if (!item->Parent() || index < 0 || index >= item->Parent()->Count() || index == item->MenuIndex()) return;
  item->SetMenuIndex(index);
  Notify({TDesignEditKind::MenuOrder, {item}});
}

void TProxyDesigner::SetMenuItemCaption(TMenuItem* item, const std::string& caption) {
  if (caption == item->Caption()) return;
  item->SetCaption(caption);
  Notify({TDesignEditKind::PropertyChange, {item}});
}

void TProxyDesigner::SetMenuItemShortCut(TMenuItem* item, TShortCut shortCut) {
  if (shortCut == item->ShortCut()) return;
  item->SetShortCut(shortCut);
  Notify({TDesignEditKind::PropertyChange, {item}});
}

}  // namespace korvax::designer
