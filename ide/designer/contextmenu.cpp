// The context menu of a right press on a design control: the clipboard, delete,
// the z-order and layout commands on the selection, and the form as text. It is
// the designer's own component of the form, never written nor listed.
#include "ide/designer/componentclipboard.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "kcl/controls/menus.h"

namespace korvax::designer {

using namespace kcl;

namespace {

constexpr const char* ContextMenuName = "ProxyPopupMenu1";

struct TContextItem {
  const char* Caption;
  const char* Name;
  void (*Action)(TProxyDesigner& designer);
};

template <TDesignCommand Command>
void Want(TProxyDesigner& designer) {
  designer.WantCommand(Command);
}

constexpr TContextItem ContextItems[] = {
    {"Cut", "pmCut", [](TProxyDesigner& d) { CutSelection(d); }},
    {"Copy", "pmCopy", [](TProxyDesigner& d) { CopySelection(d); }},
    {"Paste", "pmPaste", [](TProxyDesigner& d) { PasteComponents(d); }},
    {"Delete", "pmDelete", [](TProxyDesigner& d) { d.DeleteSelection(); }},
    {"-", "pmSepa1", nullptr},
    {"Bring to Front", "pmFront", [](TProxyDesigner& d) { d.MoveCurrentInZOrder(true); }},
    {"Send to Back", "pmBack", [](TProxyDesigner& d) { d.MoveCurrentInZOrder(false); }},
    {"-", "pmSepa2", nullptr},
    {"Align...", "pmAlign", Want<TDesignCommand::Align>},
    {"Size...", "pmSize", Want<TDesignCommand::Size>},
    {"Scale...", "pmScale", Want<TDesignCommand::Scale>},
    {"View as Text", "pmViewAsText", Want<TDesignCommand::ViewAsText>},
};

}  // namespace

void TProxyDesigner::ShowContextMenu(TPoint at) {
  if (FContextMenu) FContextMenu->Free();
  auto* menu = new TPopupMenu(Form);
  FContextMenu = menu;
  // A component of the user's may have taken the name.
  if (!Form->FindComponent(ContextMenuName)) menu->SetName(ContextMenuName);
  for (const TContextItem& entry : ContextItems) {
    auto* item = new TMenuItem(menu);
    item->SetName(entry.Name);
    item->SetCaption(entry.Caption);
    item->OnClick.SetHandler([this](TObject* sender) { ContextMenuClick(sender); });
    menu->Items()->Add(item);
  }
  if (auto* paste = dynamic_cast<TMenuItem*>(menu->FindComponent("pmPaste")))
    paste->SetEnabled(ClipboardHasComponents());
  menu->Popup(at.X, at.Y);
}

void TProxyDesigner::ContextMenuClick(TObject* sender) {
  const auto* item = dynamic_cast<const TComponent*>(sender);
  if (!item) return;
  for (const TContextItem& entry : ContextItems)
    if (item->Name() == entry.Name && entry.Action) entry.Action(*this);
}

}  // namespace korvax::designer
