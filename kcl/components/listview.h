#pragma once
// TListView: items with captions, sub-items and images, shown as icons, a list or
// a report with column headers. The peer is a QTreeWidget; the control keeps the
// items and their selection, and handles clicks itself, so that nothing the peer
// does on its own reaches the program's handlers (nor, in design state, anything).
#include <memory>

#include "kcl/components/listcolumns.h"
#include "kcl/components/listitems.h"
#include "kcl/controls/wincontrol.h"

#include <QPointer>
#include <QTreeWidget>

namespace kcl {

KCL_ENUM(TViewStyle, vsIcon, vsSmallIcon, vsList, vsReport)
KCL_ENUM(TSortType, stNone, stData, stText, stBoth)
KCL_ENUM(TItemChange, ctText, ctImage, ctState)

using TLVChangeEvent = TEvent<void(TObject* sender, TListItem* item, TItemChange change)>;
using TLVChangingEvent = TEvent<void(TObject* sender, TListItem* item, TItemChange change, bool& allowChange)>;
using TLVColumnClickEvent = TEvent<void(TObject* sender, TListColumn* column)>;
using TLVDeletedEvent = TEvent<void(TObject* sender, TListItem* item)>;
using TLVEditingEvent = TEvent<void(TObject* sender, TListItem* item, bool& allowEdit)>;
using TLVEditedEvent = TEvent<void(TObject* sender, TListItem* item, std::string& s)>;
using TLVCompareEvent = TEvent<void(TObject* sender, TListItem* item1, TListItem* item2, int data, int& compare)>;

class TCustomListView : public TWinControl {
  KCL_CLASS(TCustomListView, TWinControl)
public:
  explicit TCustomListView(TComponent* owner);
  ~TCustomListView() override;

  TListColumns* Columns() const { return FColumns.get(); }
  void SetColumns(TListColumns* v) { FColumns->Assign(v); }
  TListItems* Items() const { return FItems.get(); }
  void SetItems(TListItems* v) { FItems->Assign(v); }
  TIconOptions* IconOptions() const { return FIconOptions.get(); }
  void SetIconOptions(TIconOptions* v) { FIconOptions->Assign(v); }

  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle v);
  bool ColumnClick() const { return FColumnClick; }
  void SetColumnClick(bool v) { FColumnClick = v; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v) { FReadOnly = v; }
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool v) { FHideSelection = v; }
  int AllocBy() const { return FAllocBy; }
  void SetAllocBy(int v) { FAllocBy = v; }
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool v);
  bool Checkboxes() const { return FCheckboxes; }
  void SetCheckboxes(bool v) { FCheckboxes = v; }
  bool GridLines() const { return FGridLines; }
  void SetGridLines(bool v) { FGridLines = v; }
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool v) { FHotTrack = v; }
  bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool v);
  bool ShowColumnHeaders() const { return FShowColumnHeaders; }
  void SetShowColumnHeaders(bool v);
  TSortType SortType() const { return FSortType; }
  void SetSortType(TSortType v) { FSortType = v; }
  TViewStyle ViewStyle() const { return FViewStyle; }
  void SetViewStyle(TViewStyle v);
  // Image lists are referenced by name; the reference clears when the list goes.
  TComponent* LargeImages() const { return FLargeImages; }
  void SetLargeImages(TComponent* v) { SetImageList(FLargeImages, v); }
  TComponent* SmallImages() const { return FSmallImages; }
  void SetSmallImages(TComponent* v) { SetImageList(FSmallImages, v); }
  TComponent* StateImages() const { return FStateImages; }
  void SetStateImages(TComponent* v) { SetImageList(FStateImages, v); }

  // The first selected item, nullptr when none; setting it selects only that item.
  TListItem* Selected() const;
  void SetSelected(TListItem* item);
  TListItem* ItemFocused() const;
  void SetItemFocused(TListItem* item);
  int SelCount() const;
  // The item and the column header at a client point; nullptr when none.
  TListItem* GetItemAt(int x, int y) const;
  TListColumn* GetColumnAt(int x, int y) const;

  TLVChangeEvent OnChange;
  TLVChangingEvent OnChanging;
  TLVColumnClickEvent OnColumnClick;
  TLVCompareEvent OnCompare;
  TLVDeletedEvent OnDeletion;
  TLVEditedEvent OnEdited;
  TLVEditingEvent OnEditing;
  TLVDeletedEvent OnInsert;

  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

  // From the items and columns.
  bool CanChangeItem(TListItem* item, TItemChange change);
  void ItemChanged(TListItem* item, TItemChange change);
  void ItemsChanged(TListItem* item);
  void ItemInserted(TListItem* item) { OnInsert(this, item); }
  void ItemDeleting(TListItem* item);
  void ColumnsChanged();

protected:
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void InitWidget() override;
  virtual void ColClick(TListColumn* column) { OnColumnClick(this, column); }

private:
  void SetImageList(TComponent*& field, TComponent* value);
  void UpdateColumns();
  void UpdateItems();
  void UpdateSelection();
  // A click at run time: the column header or the items.
  void MouseClick(int x, int y, bool toggle);

  std::unique_ptr<TListColumns> FColumns;
  std::unique_ptr<TListItems> FItems;
  std::unique_ptr<TIconOptions> FIconOptions;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
  bool FColumnClick = true;
  bool FReadOnly = false;
  bool FHideSelection = true;
  int FAllocBy = 0;
  bool FMultiSelect = false;
  bool FCheckboxes = false;
  bool FGridLines = false;
  bool FHotTrack = false;
  bool FRowSelect = false;
  bool FShowColumnHeaders = true;
  TSortType FSortType = stNone;
  TViewStyle FViewStyle = vsIcon;
  TComponent* FLargeImages = nullptr;
  TComponent* FSmallImages = nullptr;
  TComponent* FStateImages = nullptr;
  QPointer<QTreeWidget> FView;
};

class TListView : public TCustomListView {
  KCL_CLASS(TListView, TCustomListView)
public:
  using TCustomListView::TCustomListView;
};

const TTypeInfo* TImageListType();

}  // namespace kcl
