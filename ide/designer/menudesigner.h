#pragma once
// TMenuDesigner: the window that edits one menu of a design form. It shows the
// menu's items as a tree and adds, inserts, deletes, nests and moves them and
// sets the selected item's caption, name and shortcut, each through the form's
// designer as one edit.
#include <string>
#include <vector>

#include "ide/designer/proxydesigner.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/components/combobox.h"
#include "kcl/components/edit.h"
#include "kcl/components/label.h"
#include "kcl/components/treeview.h"
#include "kcl/controls/form.h"
#include "kcl/controls/menus.h"

namespace korvax::designer {

class TMenuDesigner : public kcl::TForm {
  KCL_CLASS(TMenuDesigner, kcl::TForm)
public:
  explicit TMenuDesigner(kcl::TComponent* owner);

  kcl::TLabel* Label1 = nullptr;
  kcl::TLabel* Label2 = nullptr;
  kcl::TLabel* Label3 = nullptr;
  kcl::TLabel* Label4 = nullptr;
  kcl::TTreeView* tvItems = nullptr;
  kcl::TEdit* edCaption = nullptr;
  kcl::TEdit* edName = nullptr;
  kcl::TComboBox* cbShortCut = nullptr;
  kcl::TEdit* edNewCaption = nullptr;
  kcl::TButton* btnAdd = nullptr;
  kcl::TButton* btnInsert = nullptr;
  kcl::TButton* btnSubmenu = nullptr;
  kcl::TButton* btnDelete = nullptr;
  kcl::TButton* btnUp = nullptr;
  kcl::TButton* btnDown = nullptr;
  kcl::TButton* btnClose = nullptr;

  // The menu of designer's form to edit; the caption names both ("Form1.MainMenu1").
  void SetMenu(TProxyDesigner* designer, kcl::TMenu* menu);
  // The item selected in the tree; nullptr when none is.
  kcl::TMenuItem* SelectedItem() const;
  void SelectItem(kcl::TMenuItem* item);

  void tvItemsChange(kcl::TObject* sender, kcl::TTreeNode* node);
  // Enter in the caption or the name box sets it, and so does leaving the box.
  void edCaptionKeyPress(kcl::TObject* sender, char& key);
  void edCaptionExit(kcl::TObject* sender);
  void edNameKeyPress(kcl::TObject* sender, char& key);
  void edNameExit(kcl::TObject* sender);
  void cbShortCutChange(kcl::TObject* sender);
  // The new item takes the caption in "New item".
  void btnAddClick(kcl::TObject* sender);
  void btnInsertClick(kcl::TObject* sender);
  void btnSubmenuClick(kcl::TObject* sender);
  void btnDeleteClick(kcl::TObject* sender);
  void btnUpClick(kcl::TObject* sender);
  void btnDownClick(kcl::TObject* sender);

private:
  void FillTree();
  void ShowSelected();
  void ApplyCaption();
  void ApplyName();
  // Adds an item under parent at index and selects it.
  void AddItem(kcl::TMenuItem* parent, int index);
  void MoveSelected(int step);

  TProxyDesigner* FDesigner = nullptr;
  kcl::TMenu* FMenu = nullptr;
};

// The shortcuts offered for menu items, as texts: Ctrl and Shift+Ctrl with "A" to "Z", the
// function keys alone and with Ctrl, Shift and Shift+Ctrl, and the editing keys.
std::vector<std::string> MenuShortCutTexts();

// Shows the menu designer for a menu of the design form and returns when it closes.
void EditMenu(TProxyDesigner& designer, kcl::TMenu& menu);

}  // namespace korvax::designer
