#include "kcl/components/listbox.h"

#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

#include "kcl/components/itemdelegate.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/controls/windowsstyle.h"
#include "kcl/graphics/ansitext.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

KCL_CLASS_INFO(TCustomListBox) {}

KCL_CLASS_INFO(TListBox) {
  cls.publish({"Align"});
  cls.property("BorderStyle", &TListBox::BorderStyle, &TListBox::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.publish({"Color"});
  cls.property("Columns", &TListBox::Columns, &TListBox::SetColumns).Default(0);
  cls.publish({"Ctl3D", "DragCursor", "DragMode", "Enabled"});
  cls.property("ExtendedSelect", &TListBox::ExtendedSelect, &TListBox::SetExtendedSelect).Default(true);
  cls.publish({"Font", "ImeMode", "ImeName"});
  cls.property("IntegralHeight", &TListBox::IntegralHeight, &TListBox::SetIntegralHeight).Default(false);
  cls.property("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight);
  cls.property("Items", &TListBox::Items, &TListBox::SetItems);
  cls.property("MultiSelect", &TListBox::MultiSelect, &TListBox::SetMultiSelect).Default(false);
  cls.property("ParentColor", &TListBox::ParentColor, &TListBox::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"});
  cls.property("Sorted", &TListBox::Sorted, &TListBox::SetSorted).Default(false);
  cls.property("Style", &TListBox::Style, &TListBox::SetStyle).Default(lbStandard);
  cls.publish({"TabOrder"});
  cls.property("TabStop", &TListBox::TabStop, &TListBox::SetTabStop).Default(true);
  cls.property("TabWidth", &TListBox::TabWidth, &TListBox::SetTabWidth).Default(0);
  cls.publish({"Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver"});
  cls.event("OnDrawItem", &TListBox::OnDrawItem, TDrawItemEventType());
  cls.publish({"OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp"});
  cls.event("OnMeasureItem", &TListBox::OnMeasureItem, TMeasureItemEventType());
  cls.publish({"OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

TCustomListBox::TCustomListBox(TComponent* owner) : TCustomListBox(owner, std::make_unique<TBoundStrings>()) {}

TCustomListBox::TCustomListBox(TComponent* owner, std::unique_ptr<TBoundStrings> items)
    : TWinControl(owner), FItems(std::move(items)), FCanvas(std::make_unique<TCanvas>()) {
  FItems->SetChangedHandler([this] { ItemsChanged(); });
  // OnClick follows the selection the user makes, not every mouse click.
  FControlStyle = {csCaptureMouse, csSetCaption, csDoubleClicks};
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
}

TCustomListBox::~TCustomListBox() { FItems->SetChangedHandler(nullptr); }

QListWidget* TCustomListBox::List() const { return qobject_cast<QListWidget*>(Widget()); }

QWidget* TCustomListBox::CreateWidget(QWidget* parentWidget) {
  auto* list = new QListWidget(parentWidget);
  list->setItemDelegate(new TItemDelegate(list, this));
  list->setUniformItemSizes(false);
  UseWindowsStyle(list);
  QObject::connect(list, &QListWidget::itemSelectionChanged, list, [this] {
    if (!IsDesigning() && FUpdatingWidget == 0) UserChangedSelection();
  });
  return list;
}

void TCustomListBox::InitWidget() {
  TWinControl::InitWidget();
  UpdateWidgetOptions();
  UpdateWidgetItems();
}

void TCustomListBox::FontChanged() {
  TWinControl::FontChanged();
  if (!IsLoading()) FItemHeight.FontChanged(*Font());
  if (QListWidget* list = List()) list->doItemsLayout();
}

void TCustomListBox::UpdateWidgetOptions() {
  QListWidget* list = List();
  if (!list) return;
  ++FUpdatingWidget;
  list->setFrameShape(FBorderStyle == bsSingle ? QFrame::StyledPanel : QFrame::NoFrame);
  list->setSelectionMode(!FMultiSelect     ? QAbstractItemView::SingleSelection
                         : FExtendedSelect ? QAbstractItemView::ExtendedSelection
                                           : QAbstractItemView::MultiSelection);
  // Several columns fill from top to bottom, then left to right, as Windows does.
  list->setFlow(QListView::TopToBottom);
  list->setWrapping(FColumns > 0);
  list->setHorizontalScrollBarPolicy(FColumns > 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  list->doItemsLayout();
  --FUpdatingWidget;
}

void TCustomListBox::UpdateWidgetItems() {
  QListWidget* list = List();
  if (!list) return;
  ++FUpdatingWidget;
  {
    const QSignalBlocker blocker(list);
    list->clear();
    for (int i = 0; i < FItems->Count(); ++i) list->addItem(AnsiToQString(FItems->Strings(i)));
  }
  --FUpdatingWidget;
  UpdateWidgetSelection();
}

void TCustomListBox::UpdateWidgetSelection() {
  QListWidget* list = List();
  if (!list) return;
  ++FUpdatingWidget;
  {
    const QSignalBlocker blocker(list);
    list->clearSelection();
    if (FMultiSelect) {
      for (int i = 0; i < list->count() && i < static_cast<int>(FSelected.size()); ++i)
        list->item(i)->setSelected(FSelected[static_cast<size_t>(i)]);
      if (FItemIndex >= 0) list->setCurrentRow(FItemIndex, QItemSelectionModel::NoUpdate);
    } else {
      list->setCurrentRow(FItemIndex);
    }
  }
  list->viewport()->update();
  --FUpdatingWidget;
}

void TCustomListBox::UserChangedSelection() {
  QListWidget* list = List();
  FItemIndex = list->currentRow();
  FSelected.assign(static_cast<size_t>(FItems->Count()), false);
  for (QListWidgetItem* item : list->selectedItems()) FSelected[static_cast<size_t>(list->row(item))] = true;
  if (!FMultiSelect && FItemIndex >= 0 && !FSelected[static_cast<size_t>(FItemIndex)]) FItemIndex = -1;
  Click();
}

void TCustomListBox::ItemsChanged() {
  const int count = FItems->Count();
  if (FItemIndex >= count) FItemIndex = -1;
  FSelected.resize(static_cast<size_t>(count), false);
  UpdateWidgetItems();
}

void TCustomListBox::CheckIndex(int index) const {
  if (index < 0 || index >= FItems->Count()) throw EListError(Format(msg::ListIndexError, {index}));
}

void TCustomListBox::SetItemIndex(int v) {
  if (v < -1 || v >= FItems->Count()) throw EListError(Format(msg::ListIndexError, {v}));
  FItemIndex = v;
  if (!FMultiSelect) {
    FSelected.assign(static_cast<size_t>(FItems->Count()), false);
    if (v >= 0) FSelected[static_cast<size_t>(v)] = true;
  }
  UpdateWidgetSelection();
}

bool TCustomListBox::Selected(int index) const {
  CheckIndex(index);
  return FMultiSelect ? FSelected[static_cast<size_t>(index)] : index == FItemIndex;
}

void TCustomListBox::SetSelected(int index, bool v) {
  CheckIndex(index);
  if (!FMultiSelect) {
    if (v) SetItemIndex(index);
    else if (index == FItemIndex) SetItemIndex(-1);
    return;
  }
  FSelected[static_cast<size_t>(index)] = v;
  UpdateWidgetSelection();
}

int TCustomListBox::SelCount() const {
  if (!FMultiSelect) return -1;  // as Windows answers for a single-selection list
  return static_cast<int>(std::count(FSelected.begin(), FSelected.end(), true));
}

int TCustomListBox::TopIndex() const {
  QListWidget* list = List();
  if (!list || list->count() == 0) return 0;
  const int row = list->row(list->itemAt(2, 2));
  return std::max(row, 0);
}

void TCustomListBox::SetTopIndex(int v) {
  QListWidget* list = List();
  if (!list || v < 0 || v >= list->count()) return;
  list->scrollToItem(list->item(v), QAbstractItemView::PositionAtTop);
}

int TCustomListBox::ItemAtPos(TPoint pos, bool existing) const {
  QListWidget* list = List();
  const int row = list ? list->row(list->itemAt(pos.X, pos.Y)) : -1;
  if (row >= 0) return row;
  return existing ? -1 : FItems->Count();
}

TRect TCustomListBox::ItemRect(int index) const {
  QListWidget* list = List();
  if (!list || index < 0 || index >= list->count()) return {};
  const QRect r = list->visualItemRect(list->item(index));
  return Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

void TCustomListBox::SetBorderStyle(TBorderStyle v) {
  FBorderStyle = v;
  UpdateWidgetOptions();
}

void TCustomListBox::SetColumns(int v) {
  FColumns = std::max(v, 0);
  UpdateWidgetOptions();
}

void TCustomListBox::SetExtendedSelect(bool v) {
  FExtendedSelect = v;
  UpdateWidgetOptions();
}

void TCustomListBox::SetMultiSelect(bool v) {
  FMultiSelect = v;
  UpdateWidgetOptions();
  UpdateWidgetSelection();
}

void TCustomListBox::SetItemHeight(int v) {
  FItemHeight.Set(v);
  if (QListWidget* list = List()) list->doItemsLayout();
}

void TCustomListBox::SetStyle(TListBoxStyle v) {
  FStyle = v;
  if (QListWidget* list = List()) list->doItemsLayout();
}

int TCustomListBox::MeasureItem(int index) {
  int height = ItemHeight();
  if (FStyle == lbOwnerDrawVariable) OnMeasureItem(this, index, height);
  return std::max(height, 1);
}

void TCustomListBox::PaintItem(QPainter& painter, int index, const TRect& rect, TOwnerDrawState state) {
  PaintOwnerDrawnItem(*FCanvas, *this, painter, rect, state, [&] { DrawItem(index, rect, state); });
}

void TCustomListBox::DrawItem(int index, TRect rect, TOwnerDrawState state) {
  if (OnDrawItem.Assigned()) return OnDrawItem(this, index, rect, state);
  DrawItemText(index, rect);
}

void TCustomListBox::DrawItemText(int index, const TRect& rect) {
  FCanvas->FillRect(rect);
  if (index < FItems->Count()) FCanvas->TextOut(rect.Left + 2, rect.Top, FItems->Strings(index));
}

}  // namespace kcl
