#include "kcl/components/listview.h"

#include <QHeaderView>
#include <QSignalBlocker>

#include "kcl/classes/classbuilder.h"
#include "kcl/controls/keys.h"
#include "kcl/controls/windowsstyle.h"
#include "kcl/graphics/ansitext.h"

namespace kcl {

namespace {

Qt::Alignment QtAlignment(TAlignment a) {
  switch (a) {
    case taRightJustify: return Qt::AlignRight | Qt::AlignVCenter;
    case taCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

const TTypeInfo* ListViewEventType(const char* name, std::vector<TParamRecord> params) {
  return MakeMethodType(name, mkProcedure, std::move(params));
}

const TTypeInfo* TLVChangeEventType() {
  static const TTypeInfo* t = ListViewEventType(
      "TLVChangeEvent", {{0, "Sender", "TObject"}, {0, "Item", "TListItem"}, {0, "Change", "TItemChange"}});
  return t;
}
const TTypeInfo* TLVChangingEventType() {
  static const TTypeInfo* t = ListViewEventType("TLVChangingEvent", {{0, "Sender", "TObject"},
                                                                     {0, "Item", "TListItem"},
                                                                     {0, "Change", "TItemChange"},
                                                                     {pfVar, "AllowChange", "Boolean"}});
  return t;
}
const TTypeInfo* TLVColumnClickEventType() {
  static const TTypeInfo* t =
      ListViewEventType("TLVColumnClickEvent", {{0, "Sender", "TObject"}, {0, "Column", "TListColumn"}});
  return t;
}
const TTypeInfo* TLVCompareEventType() {
  static const TTypeInfo* t = ListViewEventType("TLVCompareEvent", {{0, "Sender", "TObject"},
                                                                   {0, "Item1", "TListItem"},
                                                                   {0, "Item2", "TListItem"},
                                                                   {0, "Data", "Integer"},
                                                                   {pfVar, "Compare", "Integer"}});
  return t;
}
const TTypeInfo* TLVDeletedEventType() {
  static const TTypeInfo* t =
      ListViewEventType("TLVDeletedEvent", {{0, "Sender", "TObject"}, {0, "Item", "TListItem"}});
  return t;
}
const TTypeInfo* TLVEditedEventType() {
  static const TTypeInfo* t = ListViewEventType(
      "TLVEditedEvent", {{0, "Sender", "TObject"}, {0, "Item", "TListItem"}, {pfVar, "S", "string"}});
  return t;
}
const TTypeInfo* TLVEditingEventType() {
  static const TTypeInfo* t = ListViewEventType(
      "TLVEditingEvent", {{0, "Sender", "TObject"}, {0, "Item", "TListItem"}, {pfVar, "AllowEdit", "Boolean"}});
  return t;
}

}  // namespace

const TTypeInfo* TImageListType() {
  // The image list class is not part of this framework yet: any component can be
  // named, under the type name the files and the inspector expect.
  static const TTypeInfo* t = [] {
    auto* info = new TTypeInfo{tkClass, "TImageList", {}};
    info->Data.ClassType = &TComponent::StaticClass();
    return info;
  }();
  return t;
}

KCL_CLASS_INFO(TCustomListView) {}

KCL_CLASS_INFO(TListView) {
  using T = TListView;
  cls.publish({"Align"});
  cls.property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle).Default(TBorderStyle::bsSingle);
  cls.property("Checkboxes", &T::Checkboxes, &T::SetCheckboxes).Default(false);
  cls.publish({"Color"});
  cls.property("ColumnClick", &T::ColumnClick, &T::SetColumnClick).Default(true);
  cls.publish({"OnClick", "OnDblClick"});
  cls.property("Columns", &T::Columns, &T::SetColumns);
  cls.publish({"Ctl3D", "DragMode"});
  cls.property("ReadOnly", &T::ReadOnly, &T::SetReadOnly).Default(false);
  cls.publish({"Font"});
  cls.property("GridLines", &T::GridLines, &T::SetGridLines).Default(false);
  cls.property("HideSelection", &T::HideSelection, &T::SetHideSelection).Default(true);
  cls.property("HotTrack", &T::HotTrack, &T::SetHotTrack).Default(false);
  cls.property("IconOptions", &T::IconOptions, &T::SetIconOptions);
  cls.property("Items", &T::Items, &T::SetItems);
  cls.property("AllocBy", &T::AllocBy, &T::SetAllocBy).Default(0);
  cls.property("MultiSelect", &T::MultiSelect, &T::SetMultiSelect).Default(false);
  cls.property("RowSelect", &T::RowSelect, &T::SetRowSelect).Default(false);
  cls.event("OnChange", &T::OnChange, TLVChangeEventType());
  cls.event("OnChanging", &T::OnChanging, TLVChangingEventType());
  cls.event("OnColumnClick", &T::OnColumnClick, TLVColumnClickEventType());
  cls.event("OnCompare", &T::OnCompare, TLVCompareEventType());
  cls.event("OnDeletion", &T::OnDeletion, TLVDeletedEventType());
  cls.event("OnEdited", &T::OnEdited, TLVEditedEventType());
  cls.event("OnEditing", &T::OnEditing, TLVEditingEventType());
  cls.publish({"OnEnter", "OnExit"});
  cls.event("OnInsert", &T::OnInsert, TLVDeletedEventType());
  cls.publish({"OnDragDrop", "OnDragOver", "DragCursor", "OnStartDrag", "OnEndDrag", "OnMouseDown", "OnMouseMove",
                "OnMouseUp"});
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  cls.publish({"ParentFont", "ParentShowHint", "ShowHint", "PopupMenu"});
  cls.property("ShowColumnHeaders", &T::ShowColumnHeaders, &T::SetShowColumnHeaders).Default(true);
  cls.property("SortType", &T::SortType, &T::SetSortType).Default(stNone);
  cls.publish({"TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.property("ViewStyle", &T::ViewStyle, &T::SetViewStyle).Default(vsIcon);
  cls.publish({"Visible", "OnKeyDown", "OnKeyPress", "OnKeyUp"});
  cls.property("LargeImages", &T::LargeImages, &T::SetLargeImages, TImageListType());
  cls.property("SmallImages", &T::SmallImages, &T::SetSmallImages, TImageListType());
  cls.property("StateImages", &T::StateImages, &T::SetStateImages, TImageListType());
}

TCustomListView::TCustomListView(TComponent* owner)
    : TWinControl(owner),
      FColumns(std::make_unique<TListColumns>(this)),
      FItems(std::make_unique<TListItems>(this)),
      FIconOptions(std::make_unique<TIconOptions>(this)) {
  SetBounds(Left(), Top(), 250, 150);
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
}

TCustomListView::~TCustomListView() {
  // The columns and items go after the control: they tell it nothing more.
  FColumns->BeginUpdate();
  FItems->BeginUpdate();
}

void TCustomListView::SetImageList(TComponent*& field, TComponent* value) {
  if (field == value) return;
  field = value;
  if (value) value->FreeNotification(this);
}

void TCustomListView::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove) return;
  for (TComponent** field : {&FLargeImages, &FSmallImages, &FStateImages})
    if (*field == component) *field = nullptr;
}

void TCustomListView::SetBorderStyle(TBorderStyle v) {
  FBorderStyle = v;
  if (FView) FView->setFrameShape(v == TBorderStyle::bsSingle ? QFrame::StyledPanel : QFrame::NoFrame);
}

void TCustomListView::SetMultiSelect(bool v) {
  FMultiSelect = v;
  if (!v) SetSelected(Selected());
}

void TCustomListView::SetRowSelect(bool v) {
  FRowSelect = v;
  UpdateItems();
}

void TCustomListView::SetShowColumnHeaders(bool v) {
  FShowColumnHeaders = v;
  UpdateColumns();
}

void TCustomListView::SetViewStyle(TViewStyle v) {
  FViewStyle = v;
  UpdateColumns();
  UpdateItems();
}

// --- selection

TListItem* TCustomListView::Selected() const {
  for (int i = 0; i < FItems->Count(); ++i)
    if (FItems->Item(i)->Selected()) return FItems->Item(i);
  return nullptr;
}

void TCustomListView::SetSelected(TListItem* item) {
  for (int i = 0; i < FItems->Count(); ++i)
    if (TListItem* other = FItems->Item(i); other != item) other->SetSelected(false);
  if (item) item->SetSelected(true);
}

TListItem* TCustomListView::ItemFocused() const {
  for (int i = 0; i < FItems->Count(); ++i)
    if (FItems->Item(i)->Focused()) return FItems->Item(i);
  return nullptr;
}

void TCustomListView::SetItemFocused(TListItem* item) {
  if (item) item->SetFocused(true);
  else if (TListItem* focused = ItemFocused()) focused->SetFocused(false);
}

int TCustomListView::SelCount() const {
  int count = 0;
  for (int i = 0; i < FItems->Count(); ++i) count += FItems->Item(i)->Selected() ? 1 : 0;
  return count;
}

bool TCustomListView::CanChangeItem(TListItem* item, TItemChange change) {
  bool allow = true;
  if (!IsDesigning()) OnChanging(this, item, change, allow);
  return allow;
}

void TCustomListView::ItemChanged(TListItem* item, TItemChange change) {
  UpdateSelection();
  if (!IsDesigning()) OnChange(this, item, change);
}

void TCustomListView::ItemsChanged(TListItem*) { UpdateItems(); }

void TCustomListView::ItemDeleting(TListItem* item) {
  if (!IsDesigning()) OnDeletion(this, item);
}

void TCustomListView::ColumnsChanged() {
  UpdateColumns();
  UpdateItems();
}

// --- hit tests and input

TListItem* TCustomListView::GetItemAt(int x, int y) const {
  if (!FView) return nullptr;
  QWidget* viewport = FView->viewport();
  const QPoint p = viewport->mapFrom(FWidget, QPoint(x, y));
  if (!viewport->rect().contains(p)) return nullptr;
  QTreeWidgetItem* peerItem = FView->itemAt(p);
  if (!peerItem) return nullptr;
  // Outside report style with RowSelect off, only the caption's cell counts.
  const int row = FView->indexOfTopLevelItem(peerItem);
  if (FViewStyle == vsReport && !FRowSelect && FView->columnAt(p.x()) > 0) return nullptr;
  return row >= 0 && row < FItems->Count() ? FItems->Item(row) : nullptr;
}

TListColumn* TCustomListView::GetColumnAt(int x, int y) const {
  if (!FView || FViewStyle != vsReport || FView->header()->isHidden()) return nullptr;
  QHeaderView* header = FView->header();
  const QPoint p = header->mapFrom(FWidget, QPoint(x, y));
  if (!header->rect().contains(p)) return nullptr;
  const int index = header->logicalIndexAt(p.x());
  return index >= 0 && index < FColumns->Count() ? FColumns->Items(index) : nullptr;
}

void TCustomListView::MouseClick(int x, int y, bool toggle) {
  TListItem* item = GetItemAt(x, y);
  if (!item) {
    if (!toggle) SetSelected(nullptr);
    return;
  }
  if (toggle && FMultiSelect)
    item->SetSelected(!item->Selected());
  else
    SetSelected(item);
  item->SetFocused(true);
}

void TCustomListView::WndProc(TMessage& message) {
  TWinControl::WndProc(message);
  if (message.Handled || IsDesigning() || !FView) return;
  const int x = MouseX(message), y = MouseY(message);
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      if (TListColumn* column = GetColumnAt(x, y)) {
        if (message.Msg == WM_LBUTTONDOWN && FColumnClick) ColClick(column);
        message.Handled = FColumnClick;  // a column that is not a button does not go down
      } else if (FView->viewport()->rect().contains(FView->viewport()->mapFrom(FWidget, QPoint(x, y)))) {
        MouseClick(x, y, (message.WParam & MK_CONTROL) != 0);
        message.Handled = true;
      }
      break;
    case WM_LBUTTONDBLCLK:
      message.Handled = GetItemAt(x, y) != nullptr;  // no editing through the peer
      break;
    case WM_KEYDOWN: {
      const int count = FItems->Count();
      if (count == 0) break;
      TListItem* focused = ItemFocused() ? ItemFocused() : Selected();
      int index = focused ? focused->Index() : -1;
      switch (CharCode(message)) {
        case VK_UP: case VK_LEFT: index = std::max(index - 1, 0); break;
        case VK_DOWN: case VK_RIGHT: index = std::min(index + 1, count - 1); break;
        case VK_HOME: index = 0; break;
        case VK_END: index = count - 1; break;
        default: return;
      }
      SetSelected(FItems->Item(index));
      FItems->Item(index)->SetFocused(true);
      message.Handled = true;
      break;
    }
    default:
      break;
  }
}

// --- the peer

QWidget* TCustomListView::CreateWidget(QWidget* parentWidget) {
  FView = new QTreeWidget(parentWidget);
  FView->setRootIsDecorated(false);
  FView->setItemsExpandable(false);
  FView->setUniformRowHeights(true);
  FView->setSelectionMode(QAbstractItemView::NoSelection);
  FView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  FView->header()->setSectionsMovable(false);
  UseWindowsStyle(FView);
  return FView;
}

void TCustomListView::InitWidget() {
  TWinControl::InitWidget();
  SetBorderStyle(FBorderStyle);
  UpdateColumns();
  UpdateItems();
}

void TCustomListView::UpdateColumns() {
  if (!FView) return;
  const QSignalBlocker blocker(FView);
  const bool report = FViewStyle == vsReport;
  const int count = report ? std::max(FColumns->Count(), 1) : 1;
  FView->setColumnCount(count);
  FView->setHeaderHidden(!report || !FShowColumnHeaders || FColumns->Count() == 0);
  QStringList labels;
  for (int i = 0; i < FColumns->Count() && report; ++i) {
    TListColumn* column = FColumns->Items(i);
    labels << AnsiToQString(column->Caption());
    if (column->Width() >= 0) FView->setColumnWidth(i, column->Width());
  }
  FView->setHeaderLabels(labels);
  for (int i = 0; i < FColumns->Count() && report; ++i)
    FView->headerItem()->setTextAlignment(i, QtAlignment(FColumns->Items(i)->Alignment()));
}

void TCustomListView::UpdateItems() {
  if (!FView) return;
  const QSignalBlocker blocker(FView);
  FView->clear();
  const bool report = FViewStyle == vsReport;
  for (int i = 0; i < FItems->Count(); ++i) {
    TListItem* item = FItems->Item(i);
    auto* peerItem = new QTreeWidgetItem(FView);
    peerItem->setText(0, AnsiToQString(item->Caption()));
    for (int s = 0; report && s < item->SubItems()->Count() && s + 1 < FView->columnCount(); ++s) {
      peerItem->setText(s + 1, AnsiToQString(item->SubItems()->Strings(s)));
      peerItem->setTextAlignment(s + 1, QtAlignment(FColumns->Items(s + 1)->Alignment()));
    }
  }
  UpdateSelection();
}

void TCustomListView::UpdateSelection() {
  if (!FView) return;
  for (int i = 0; i < FItems->Count() && i < FView->topLevelItemCount(); ++i) {
    const bool selected = FItems->Item(i)->Selected();
    QTreeWidgetItem* peerItem = FView->topLevelItem(i);
    const QPalette& palette = FView->palette();
    const int columns = FRowSelect ? FView->columnCount() : 1;
    for (int c = 0; c < FView->columnCount(); ++c) {
      const bool marked = selected && c < columns;
      peerItem->setBackground(c, marked ? palette.highlight() : QBrush());
      peerItem->setForeground(c, marked ? palette.highlightedText() : QBrush());
    }
  }
}

}  // namespace kcl
