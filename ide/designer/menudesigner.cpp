#include "ide/designer/menudesigner.h"

#include <memory>

#include "ide/common/layouts.h"
#include "ide/designer/proxyform.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/controls/application.h"
#include "kcl/controls/keys.h"

namespace korvax::designer {

using namespace kcl;

namespace {

constexpr const char* NoShortCut = "(None)";

// A caption as the tree shows it: an item without one by its name.
std::string NodeText(const TMenuItem* item) { return item->Caption().empty() ? item->Name() : item->Caption(); }

}  // namespace

KCL_CLASS_INFO(TMenuDesigner) {
  using T = TMenuDesigner;
  cls.field("Label1", &T::Label1);
  cls.field("Label2", &T::Label2);
  cls.field("Label3", &T::Label3);
  cls.field("Label4", &T::Label4);
  cls.field("tvItems", &T::tvItems);
  cls.field("edCaption", &T::edCaption);
  cls.field("edName", &T::edName);
  cls.field("cbShortCut", &T::cbShortCut);
  cls.field("edNewCaption", &T::edNewCaption);
  cls.field("btnAdd", &T::btnAdd);
  cls.field("btnInsert", &T::btnInsert);
  cls.field("btnSubmenu", &T::btnSubmenu);
  cls.field("btnDelete", &T::btnDelete);
  cls.field("btnUp", &T::btnUp);
  cls.field("btnDown", &T::btnDown);
  cls.field("btnClose", &T::btnClose);
  cls.method("tvItemsChange", &T::tvItemsChange);
  cls.method("edCaptionKeyPress", &T::edCaptionKeyPress);
  cls.method("edCaptionExit", &T::edCaptionExit);
  cls.method("edNameKeyPress", &T::edNameKeyPress);
  cls.method("edNameExit", &T::edNameExit);
  cls.method("cbShortCutChange", &T::cbShortCutChange);
  cls.method("btnAddClick", &T::btnAddClick);
  cls.method("btnInsertClick", &T::btnInsertClick);
  cls.method("btnSubmenuClick", &T::btnSubmenuClick);
  cls.method("btnDeleteClick", &T::btnDeleteClick);
  cls.method("btnUpClick", &T::btnUpClick);
  cls.method("btnDownClick", &T::btnDownClick);
}

std::vector<std::string> MenuShortCutTexts() {
  std::vector<TShortCut> keys;
  for (const TShortCut modifiers : {scCtrl, TShortCut(scShift | scCtrl)})
    for (Word key = 'A'; key <= 'Z'; ++key) keys.push_back(modifiers | key);
  for (const TShortCut modifiers : {TShortCut(0), scCtrl, scShift, TShortCut(scShift | scCtrl)})
    for (Word key = VK_F1; key <= VK_F12; ++key) keys.push_back(modifiers | key);
  for (const Word key : {VK_INSERT, VK_DELETE})
    for (const TShortCut modifiers : {TShortCut(0), scShift, scCtrl}) keys.push_back(modifiers | key);
  keys.push_back(scAlt | VK_BACK);
  keys.push_back(scShift | scAlt | VK_BACK);
  std::vector<std::string> texts;
  for (const TShortCut key : keys) texts.push_back(ShortCutToText(key));
  return texts;
}

TMenuDesigner::TMenuDesigner(TComponent* owner) : TForm(owner) {
  LoadFromLayout(LayoutText("MenuDesigner"));
  cbShortCut->Items()->Add(NoShortCut);
  for (const std::string& text : MenuShortCutTexts()) cbShortCut->Items()->Add(text);
}

void TMenuDesigner::SetMenu(TProxyDesigner* designer, TMenu* menu) {
  FDesigner = designer;
  FMenu = menu;
  SetCaption(designer->Form->Name() + "." + menu->Name());
  FillTree();
  SelectItem(menu->Items()->Count() > 0 ? menu->Items()->Items(0) : nullptr);
}

// --- the tree

void TMenuDesigner::FillTree() {
  TTreeNodes* nodes = tvItems->Items();
  nodes->BeginUpdate();
  nodes->Clear();
  const auto add = [nodes](const auto& self, TTreeNode* parentNode, TMenuItem* parent) -> void {
    for (int i = 0; i < parent->Count(); ++i) {
      TMenuItem* item = parent->Items(i);
      TTreeNode* node = nodes->AddChild(parentNode, NodeText(item));
      node->SetData(item);
      self(self, node, item);
      node->SetExpanded(true);
    }
  };
  add(add, nullptr, FMenu->Items());
  nodes->EndUpdate();
}

TMenuItem* TMenuDesigner::SelectedItem() const {
  TTreeNode* node = tvItems->Selected();
  return node ? static_cast<TMenuItem*>(node->Data()) : nullptr;
}

void TMenuDesigner::SelectItem(TMenuItem* item) {
  TTreeNode* found = nullptr;
  for (TTreeNode* node = tvItems->Items()->GetFirstNode(); node && !found; node = node->GetNext())
    if (node->Data() == item) found = node;
  tvItems->SetSelected(found);
  ShowSelected();
}

void TMenuDesigner::ShowSelected() {
  TMenuItem* item = SelectedItem();
  edCaption->SetText(item ? item->Caption() : "");
  edName->SetText(item ? item->Name() : "");
  const std::string shortCut = item ? ShortCutToText(item->ShortCut()) : "";
  cbShortCut->SetItemIndex(cbShortCut->Items()->IndexOf(shortCut.empty() ? NoShortCut : shortCut));
  for (TWinControl* control : std::initializer_list<TWinControl*>{edCaption, edName, cbShortCut, btnSubmenu,
                                                                   btnDelete, btnUp, btnDown})
    control->SetEnabled(item != nullptr);
}

void TMenuDesigner::tvItemsChange(TObject*, TTreeNode*) { ShowSelected(); }

// --- the selected item's properties

void TMenuDesigner::ApplyCaption() {
  TMenuItem* item = SelectedItem();
  if (!item || edCaption->Text() == item->Caption()) return;
  FDesigner->SetMenuItemCaption(item, edCaption->Text());
  tvItems->Selected()->SetText(NodeText(item));
}

void TMenuDesigner::ApplyName() {
  TMenuItem* item = SelectedItem();
  if (!item || edName->Text() == item->Name()) return;
  try {
    // The form checks the name and tells its designer.
    FDesigner->RenameComponent(item, edName->Text());
  } catch (...) {
    edName->SetText(item->Name());
    throw;
  }
  tvItems->Selected()->SetText(NodeText(item));
}

void TMenuDesigner::edCaptionKeyPress(TObject*, char& key) {
  if (key != '\r') return;
  key = 0;
  ApplyCaption();
}

void TMenuDesigner::edCaptionExit(TObject*) { ApplyCaption(); }

void TMenuDesigner::edNameKeyPress(TObject*, char& key) {
  if (key != '\r') return;
  key = 0;
  ApplyName();
}

void TMenuDesigner::edNameExit(TObject*) { ApplyName(); }

void TMenuDesigner::cbShortCutChange(TObject*) {
  if (TMenuItem* item = SelectedItem()) FDesigner->SetMenuItemShortCut(item, TextToShortCut(cbShortCut->Text()));
}

// --- the structure

void TMenuDesigner::AddItem(TMenuItem* parent, int index) {
  TMenuItem* item = FDesigner->AddMenuItem(parent, index, edNewCaption->Text());
  FillTree();
  SelectItem(item);
}

void TMenuDesigner::btnAddClick(TObject*) {
  TMenuItem* selected = SelectedItem();
  if (selected)
    AddItem(selected->Parent(), selected->MenuIndex() + 1);
  else
    AddItem(FMenu->Items(), FMenu->Items()->Count());
}

void TMenuDesigner::btnInsertClick(TObject*) {
  TMenuItem* selected = SelectedItem();
  AddItem(selected ? selected->Parent() : FMenu->Items(), selected ? selected->MenuIndex() : 0);
}

void TMenuDesigner::btnSubmenuClick(TObject*) {
  if (TMenuItem* selected = SelectedItem()) AddItem(selected, selected->Count());
}

void TMenuDesigner::btnDeleteClick(TObject*) {
  TMenuItem* selected = SelectedItem();
  if (!selected) return;
  // The sibling that takes its place is selected next, else the one before, else the parent.
  TMenuItem* parent = selected->Parent();
  const int index = selected->MenuIndex();
  FDesigner->DeleteMenuItem(selected);
  FillTree();
  if (index < parent->Count())
    SelectItem(parent->Items(index));
  else if (index > 0)
    SelectItem(parent->Items(index - 1));
  else
    SelectItem(parent == FMenu->Items() ? nullptr : parent);
}

void TMenuDesigner::MoveSelected(int step) {
  TMenuItem* selected = SelectedItem();
  if (!selected) return;
  FDesigner->MoveMenuItem(selected, selected->MenuIndex() + step);
  FillTree();
  SelectItem(selected);
}

void TMenuDesigner::btnUpClick(TObject*) { MoveSelected(-1); }

void TMenuDesigner::btnDownClick(TObject*) { MoveSelected(1); }

void EditMenu(TProxyDesigner& designer, TMenu& menu) {
  const std::unique_ptr<TMenuDesigner, TObjectFree> window(new TMenuDesigner(Application()));
  window->SetMenu(&designer, &menu);
  window->ShowModal();
}

}  // namespace korvax::designer
