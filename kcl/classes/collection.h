#pragma once
// TCollection and TCollectionItem: a list of items of one class, owned by the
// collection, streamed as <item ... end> records.
#include <vector>

#include "kcl/classes/persistent.h"

namespace kcl {

class TCollection;

class TCollectionItem : public TPersistent {
  KCL_CLASS(TCollectionItem, TPersistent)
public:
  explicit TCollectionItem(TCollection* collection);
  ~TCollectionItem() override;

  TCollection* Collection() const { return FCollection; }
  void SetCollection(TCollection* collection);
  int Index() const;
  virtual void SetIndex(int index);
  int ID() const { return FID; }
  virtual std::string GetDisplayName() const { return ClassName(); }
  std::string GetNamePath() const override;

protected:
  // Tells the collection that this item (or, with allItems, every item) changed.
  void Changed(bool allItems);
  TPersistent* GetOwner() const override;

private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int FID = 0;
};

class TCollection : public TPersistent {
  KCL_CLASS(TCollection, TPersistent)
public:
  explicit TCollection(TClass itemClass);
  ~TCollection() override;

  TCollectionItem* Add();
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  int Count() const { return static_cast<int>(FItems.size()); }
  TCollectionItem* Items(int index) const;
  TClass ItemClass() const { return FItemClass; }
  TCollectionItem* FindItemID(int id) const;
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  void Assign(const TPersistent* source) override;
  std::string GetNamePath() const override;
  // The property of the owner that holds this collection ("Panels"); empty if none.
  std::string PropName() const;

protected:
  // Called after a change: item is the changed one, nullptr for the whole collection.
  virtual void Update(TCollectionItem* item);
  void Changed();

private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);

  TClass FItemClass;
  std::vector<TCollectionItem*> FItems;
  int FNextID = 0;
  int FUpdateCount = 0;
};

}  // namespace kcl
