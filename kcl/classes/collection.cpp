#include "kcl/classes/collection.h"

#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/scopeguard.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

KCL_CLASS_INFO(TCollectionItem) {}
KCL_CLASS_INFO(TCollection) {}

// --- TCollectionItem

TCollectionItem::TCollectionItem(TCollection* collection) { SetCollection(collection); }

TCollectionItem::~TCollectionItem() { SetCollection(nullptr); }

void TCollectionItem::SetCollection(TCollection* collection) {
  if (FCollection == collection) return;
  if (FCollection) FCollection->RemoveItem(this);
  if (collection) collection->InsertItem(this);
}

int TCollectionItem::Index() const {
  if (!FCollection) return -1;
  const auto& items = FCollection->FItems;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
  const int current = Index();
  if (current < 0 || current == index) return;
  auto& items = FCollection->FItems;
  index = std::clamp(index, 0, static_cast<int>(items.size()) - 1);
  items.erase(items.begin() + current);
  items.insert(items.begin() + index, this);
  Changed(true);
}

std::string TCollectionItem::GetNamePath() const {
  if (!FCollection) return ClassName();
  return Format("%s[%d]", {FCollection->GetNamePath(), Index()});
}

void TCollectionItem::Changed(bool allItems) {
  if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(allItems ? nullptr : this);
}

TPersistent* TCollectionItem::GetOwner() const { return FCollection; }

// --- TCollection

TCollection::TCollection(TClass itemClass) : FItemClass(itemClass) {}

TCollection::~TCollection() {
  FUpdateCount = 1;  // no updates while going away
  Clear();
}

TCollectionItem* TCollection::Add() {
  // The item joins the collection from its base's constructor: the collection
  // tells of the change only once the whole item is made.
  TObject* object = nullptr;
  {
    BeginUpdate();
    OnScopeExit endUpdate([this] { EndUpdate(); });
    object = FItemClass ? FItemClass->NewInstance(static_cast<void*>(this)) : nullptr;
  }
  auto* item = dynamic_cast<TCollectionItem*>(object);
  if (!item) {
    delete object;
    throw EInvalidOperation(Format("Cannot create an item of class %s", {FItemClass ? FItemClass->ClassName() : "nil"}));
  }
  if (item->FCollection != this) item->SetCollection(this);
  return item;
}

TCollectionItem* TCollection::Insert(int index) {
  TCollectionItem* item = Add();
  item->SetIndex(index);
  return item;
}

void TCollection::Delete(int index) { Items(index)->Free(); }

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  while (!FItems.empty()) FItems.back()->Free();
  EndUpdate();
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format(msg::ListIndexError, {index}));
  return FItems[static_cast<size_t>(index)];
}

TCollectionItem* TCollection::FindItemID(int id) const {
  for (TCollectionItem* item : FItems)
    if (item->FID == id) return item;
  return nullptr;
}

void TCollection::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TCollection*>(source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  BeginUpdate();
  OnScopeExit endUpdate([this] { EndUpdate(); });
  Clear();
  for (TCollectionItem* item : other->FItems) Add()->Assign(item);
}

std::string TCollection::GetNamePath() const {
  TPersistent* owner = GetOwner();
  const std::string prop = PropName();
  if (!owner || prop.empty()) return ClassName();
  const std::string ownerPath = owner->GetNamePath();
  return ownerPath.empty() ? prop : ownerPath + "." + prop;
}

std::string TCollection::PropName() const {
  TPersistent* owner = GetOwner();
  if (!owner) return {};
  for (PPropInfo p : GetPropInfos(owner->ClassType()))
    if (p->PropType->Kind == tkClass && p->GetObj && p->GetObj(owner) == this) return p->Name;
  return {};
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* item) {
  FItems.push_back(item);
  item->FCollection = this;
  item->FID = FNextID++;
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  if (it != FItems.end()) FItems.erase(it);
  item->FCollection = nullptr;
  Changed();
}

}  // namespace kcl
