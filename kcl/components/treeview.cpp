#include "kcl/components/treeview.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "kcl/classes/classbuilder.h"
#include "kcl/controls/windowsstyle.h"
#include "kcl/graphics/ansitext.h"

namespace kcl {

namespace {
constexpr int NodeRole = Qt::UserRole + 1;

const TTypeInfo* NodeEventType(const char* name, const char* varParam = nullptr, const char* varType = "Boolean") {
  std::vector<TParamRecord> params{{0, "Sender", "TObject"}, {0, "Node", "TTreeNode"}};
  if (varParam) params.push_back({pfVar, varParam, varType});
  return MakeMethodType(name, mkProcedure, std::move(params));
}

const TTypeInfo* TTVExpandedEventType() {
  static const TTypeInfo* t = NodeEventType("TTVExpandedEvent");
  return t;
}
}  // namespace

KCL_CLASS_INFO(TTreeView) {
  using T = TTreeView;
  static const TTypeInfo* changing = NodeEventType("TTVChangingEvent", "AllowChange");
  static const TTypeInfo* changed = NodeEventType("TTVChangedEvent");
  static const TTypeInfo* editing = NodeEventType("TTVEditingEvent", "AllowEdit");
  static const TTypeInfo* edited = NodeEventType("TTVEditedEvent", "S", "string");
  static const TTypeInfo* expanding = NodeEventType("TTVExpandingEvent", "AllowExpansion");
  static const TTypeInfo* collapsing = NodeEventType("TTVCollapsingEvent", "AllowCollapse");
  static const TTypeInfo* compare = MakeMethodType("TTVCompareEvent", mkProcedure,
                                                   {{0, "Sender", "TObject"},
                                                    {0, "Node1", "TTreeNode"},
                                                    {0, "Node2", "TTreeNode"},
                                                    {0, "Data", "Integer"},
                                                    {pfVar, "Compare", "Integer"}});
  cls.property("ShowButtons", &T::ShowButtons, &T::SetShowButtons).Default(true);
  cls.property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.publish({"DragCursor"});
  cls.property("ShowLines", &T::ShowLines, &T::SetShowLines).Default(true);
  cls.property("ShowRoot", &T::ShowRoot, &T::SetShowRoot).Default(true);
  cls.property("ReadOnly", &T::ReadOnly, &T::SetReadOnly).Default(false);
  cls.property("RightClickSelect", &T::RightClickSelect, &T::SetRightClickSelect).Default(false);
  cls.publish({"DragMode"});
  cls.property("HideSelection", &T::HideSelection, &T::SetHideSelection).Default(true);
  cls.property("Indent", &T::Indent, &T::SetIndent);
  cls.property("Items", &T::Items, &T::SetItems);
  cls.event("OnEditing", &T::OnEditing, editing);
  cls.event("OnEdited", &T::OnEdited, edited);
  cls.event("OnExpanding", &T::OnExpanding, expanding);
  cls.event("OnExpanded", &T::OnExpanded, TTVExpandedEventType());
  cls.event("OnCollapsing", &T::OnCollapsing, collapsing);
  cls.event("OnCompare", &T::OnCompare, compare);
  cls.event("OnCollapsed", &T::OnCollapsed, TTVExpandedEventType());
  cls.event("OnChanging", &T::OnChanging, changing);
  cls.event("OnChange", &T::OnChange, changed);
  cls.event("OnDeletion", &T::OnDeletion, TTVExpandedEventType());
  cls.event("OnGetImageIndex", &T::OnGetImageIndex, TTVExpandedEventType());
  cls.event("OnGetSelectedIndex", &T::OnGetSelectedIndex, TTVExpandedEventType());
  cls.publish({"Align", "Enabled", "Font", "Color"});
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "Ctl3D"});
  cls.property("SortType", &T::SortType, &T::SetSortType).Default(stNone);
  cls.publish({"TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.publish({"Visible", "OnClick", "OnEnter", "OnExit", "OnDragDrop", "OnDragOver", "OnStartDrag", "OnEndDrag",
                "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnDblClick", "OnKeyDown", "OnKeyPress", "OnKeyUp",
                "PopupMenu", "ParentFont", "ParentShowHint", "ShowHint"});
  cls.property("Images", &T::Images, &T::SetImages, TImageList::StaticClass().ClassTypeInfo());
  cls.property("StateImages", &T::StateImages, &T::SetStateImages, TImageList::StaticClass().ClassTypeInfo());
}

TTreeView::TTreeView(TComponent* owner)
    : TWinControl(owner), FItems(std::make_unique<TTreeNodes>(this, [this] { ItemsChanged(); })) {
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
  SetBounds(Left(), Top(), 121, 97);
}

TTreeView::~TTreeView() { FItems->BeginUpdate(); }

void TTreeView::SetShowButtons(bool v) {
  FShowButtons = v;
  UpdateWidgetOptions();
}

void TTreeView::SetBorderStyle(TBorderStyle v) {
  FBorderStyle = v == bsNone ? bsNone : bsSingle;
  UpdateWidgetOptions();
}

void TTreeView::SetShowLines(bool v) {
  FShowLines = v;
  UpdateWidgetOptions();
}

void TTreeView::SetShowRoot(bool v) {
  FShowRoot = v;
  UpdateWidgetOptions();
}

void TTreeView::SetReadOnly(bool v) {
  FReadOnly = v;
  UpdateWidgetOptions();
}

void TTreeView::SetIndent(int v) {
  FIndent = v;
  UpdateWidgetOptions();
}

void TTreeView::SetSortType(TSortType v) {
  FSortType = v;
  UpdateWidgetItems();
}

void TTreeView::SetImages(TCustomImageList* v) {
  FImages = v;
  if (v) v->FreeNotification(this);
  UpdateWidgetItems();
}

void TTreeView::SetStateImages(TCustomImageList* v) {
  FStateImages = v;
  if (v) v->FreeNotification(this);
}

void TTreeView::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FImages) SetImages(nullptr);
  if (component == FStateImages) FStateImages = nullptr;
}

void TTreeView::SetSelected(TTreeNode* node) {
  FSelected = node && node->Owner() == FItems.get() ? node : nullptr;
  UpdateWidgetItems();
}

void TTreeView::ItemsChanged() {
  // The selection may have gone with its node.
  bool found = false;
  for (TTreeNode* n = FItems->GetFirstNode(); n && !found; n = n->GetNext()) found = n == FSelected;
  if (!found) FSelected = nullptr;
  UpdateWidgetItems();
}

// --- the peer

QTreeWidget* TTreeView::Tree() const { return static_cast<QTreeWidget*>(FWidget.data()); }

TTreeNode* TTreeView::NodeOf(QTreeWidgetItem* item) const {
  return item ? static_cast<TTreeNode*>(item->data(0, NodeRole).value<void*>()) : nullptr;
}

QWidget* TTreeView::CreateWidget(QWidget* parentWidget) {
  auto* tree = new QTreeWidget(parentWidget);
  tree->setHeaderHidden(true);
  tree->setColumnCount(1);
  UseWindowsStyle(tree);
  QObject::connect(tree, &QTreeWidget::currentItemChanged, tree, [this](QTreeWidgetItem* item) { UserSelected(item); });
  QObject::connect(tree, &QTreeWidget::itemExpanded, tree, [this](QTreeWidgetItem* item) { UserExpanded(item, true); });
  QObject::connect(tree, &QTreeWidget::itemCollapsed, tree,
                   [this](QTreeWidgetItem* item) { UserExpanded(item, false); });
  QObject::connect(tree, &QTreeWidget::itemChanged, tree, [this](QTreeWidgetItem* item) { UserEdited(item); });
  return tree;
}

void TTreeView::InitWidget() {
  TWinControl::InitWidget();
  UpdateWidgetOptions();
  UpdateWidgetItems();
}

void TTreeView::UpdateWidgetOptions() {
  QTreeWidget* tree = Tree();
  if (!tree) return;
  tree->setFrameShape(FBorderStyle == bsSingle ? QFrame::StyledPanel : QFrame::NoFrame);
  tree->setIndentation(FIndent);
  tree->setRootIsDecorated(FShowRoot && (FShowButtons || FShowLines));
  tree->setItemsExpandable(FShowButtons);
  tree->setEditTriggers(FReadOnly || IsDesigning()
                            ? QAbstractItemView::NoEditTriggers
                            : QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
}

void TTreeView::UpdateWidgetItems() {
  QTreeWidget* tree = Tree();
  if (!tree) return;
  ++FUpdatingWidget;
  tree->clear();
  QTreeWidgetItem* selected = nullptr;
  std::vector<std::pair<TTreeNode*, QTreeWidgetItem*>> pending;
  for (int i = FItems->RootCount() - 1; i >= 0; --i) pending.push_back({FItems->Root(i), nullptr});
  while (!pending.empty()) {
    auto [node, parent] = pending.back();
    pending.pop_back();
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
    item->setText(0, AnsiToQString(node->Text()));
    item->setData(0, NodeRole, QVariant::fromValue(static_cast<void*>(node)));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    if (FImages) {
      const QImage image = FImages->Image(node == FSelected ? node->SelectedIndex() : node->ImageIndex());
      if (!image.isNull()) item->setIcon(0, QIcon(QPixmap::fromImage(image)));
    }
    if (node == FSelected) selected = item;
    for (int i = node->Count() - 1; i >= 0; --i) pending.push_back({node->Item(i), item});
  }
  // Expansion needs the children in place.
  for (QTreeWidgetItemIterator it(tree); *it; ++it) (*it)->setExpanded(NodeOf(*it)->Expanded());
  if (FSortType == stText || FSortType == stBoth) tree->sortItems(0, Qt::AscendingOrder);
  tree->setCurrentItem(selected);
  --FUpdatingWidget;
}

void TTreeView::UserSelected(QTreeWidgetItem* item) {
  if (FUpdatingWidget || IsDesigning()) return;
  TTreeNode* node = NodeOf(item);
  if (node == FSelected) return;
  bool allow = true;
  OnChanging(this, node, allow);
  if (!allow) {
    // Back to the node selected before, without telling anyone.
    ++FUpdatingWidget;
    QTreeWidgetItem* previous = nullptr;
    for (QTreeWidgetItemIterator it(Tree()); *it && !previous; ++it)
      if (NodeOf(*it) == FSelected) previous = *it;
    Tree()->setCurrentItem(previous);
    --FUpdatingWidget;
    return;
  }
  FSelected = node;
  OnChange(this, node);
}

void TTreeView::UserExpanded(QTreeWidgetItem* item, bool expanded) {
  TTreeNode* node = NodeOf(item);
  if (FUpdatingWidget || !node) return;
  bool allow = true;
  if (!IsDesigning()) expanded ? OnExpanding(this, node, allow) : OnCollapsing(this, node, allow);
  ++FUpdatingWidget;
  if (allow)
    node->FExpanded = expanded;
  else
    item->setExpanded(!expanded);
  --FUpdatingWidget;
  if (allow && !IsDesigning()) expanded ? OnExpanded(this, node) : OnCollapsed(this, node);
}

void TTreeView::UserEdited(QTreeWidgetItem* item) {
  TTreeNode* node = NodeOf(item);
  if (FUpdatingWidget || !node) return;
  std::string text = cp1252::Encode(item->text(0));
  OnEdited(this, node, text);
  node->FText = text;
}

}  // namespace kcl
