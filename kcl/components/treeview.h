#pragma once
// TTreeView: nodes in a hierarchy, shown on a Qt tree widget in the Windows look,
// with buttons and lines as the options ask. The nodes are its Items.
#include <memory>

#include "kcl/components/imagelist.h"
#include "kcl/components/listview.h"
#include "kcl/components/treenodes.h"
#include "kcl/controls/wincontrol.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace kcl {

using TTVChangingEvent = TEvent<void(TObject* sender, TTreeNode* node, bool& allowChange)>;
using TTVChangedEvent = TEvent<void(TObject* sender, TTreeNode* node)>;
using TTVEditingEvent = TEvent<void(TObject* sender, TTreeNode* node, bool& allowEdit)>;
using TTVEditedEvent = TEvent<void(TObject* sender, TTreeNode* node, std::string& s)>;
using TTVExpandingEvent = TEvent<void(TObject* sender, TTreeNode* node, bool& allowExpansion)>;
using TTVCollapsingEvent = TEvent<void(TObject* sender, TTreeNode* node, bool& allowCollapse)>;
using TTVExpandedEvent = TEvent<void(TObject* sender, TTreeNode* node)>;
using TTVCompareEvent = TEvent<void(TObject* sender, TTreeNode* node1, TTreeNode* node2, int data, int& compare)>;

class TTreeView : public TWinControl {
  KCL_CLASS(TTreeView, TWinControl)
public:
  explicit TTreeView(TComponent* owner);
  ~TTreeView() override;

  bool ShowButtons() const { return FShowButtons; }
  void SetShowButtons(bool v);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle v);
  bool ShowLines() const { return FShowLines; }
  void SetShowLines(bool v);
  bool ShowRoot() const { return FShowRoot; }
  void SetShowRoot(bool v);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v);
  bool RightClickSelect() const { return FRightClickSelect; }
  void SetRightClickSelect(bool v) { FRightClickSelect = v; }
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool v) { FHideSelection = v; }
  int Indent() const { return FIndent; }
  void SetIndent(int v);
  TTreeNodes* Items() const { return FItems.get(); }
  void SetItems(TTreeNodes* v) { FItems->Assign(v); }
  TSortType SortType() const { return FSortType; }
  void SetSortType(TSortType v);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* v);
  TCustomImageList* StateImages() const { return FStateImages; }
  void SetStateImages(TCustomImageList* v);

  TTreeNode* Selected() const { return FSelected; }
  void SetSelected(TTreeNode* node);

  TTVEditingEvent OnEditing;
  TTVEditedEvent OnEdited;
  TTVExpandingEvent OnExpanding;
  TTVExpandedEvent OnExpanded;
  TTVCollapsingEvent OnCollapsing;
  TTVCompareEvent OnCompare;
  TTVExpandedEvent OnCollapsed;
  TTVChangingEvent OnChanging;
  TTVChangedEvent OnChange;
  TTVExpandedEvent OnDeletion;
  TTVExpandedEvent OnGetImageIndex;
  TTVExpandedEvent OnGetSelectedIndex;

  void Notification(TComponent* component, TOperation operation) override;

protected:
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void InitWidget() override;

private:
  QTreeWidget* Tree() const;
  void ItemsChanged();
  void UpdateWidgetOptions();
  void UpdateWidgetItems();
  void UserSelected(QTreeWidgetItem* item);
  void UserExpanded(QTreeWidgetItem* item, bool expanded);
  void UserEdited(QTreeWidgetItem* item);
  TTreeNode* NodeOf(QTreeWidgetItem* item) const;

  bool FShowButtons = true;
  TBorderStyle FBorderStyle = bsSingle;
  bool FShowLines = true, FShowRoot = true, FReadOnly = false, FRightClickSelect = false, FHideSelection = true;
  int FIndent = 19;
  std::unique_ptr<TTreeNodes> FItems;
  TSortType FSortType = stNone;
  TCustomImageList* FImages = nullptr;
  TCustomImageList* FStateImages = nullptr;
  TTreeNode* FSelected = nullptr;
  int FUpdatingWidget = 0;
};

}  // namespace kcl
