#pragma once
// The columns of a list view's report style, and its icon arrangement options.
#include <string>

#include "kcl/classes/collection.h"
#include "kcl/components/stdtypes.h"

namespace kcl {

class TCustomListView;

// The width of a column; two values below zero size it to its text or its header.
using TWidth = int;
constexpr TWidth ColumnTextWidth = -1, ColumnHeaderWidth = -2;
const TTypeInfo* TWidthType();

class TListColumn : public TCollectionItem {
  KCL_CLASS(TListColumn, TCollectionItem)
public:
  explicit TListColumn(TCollection* collection);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v);
  std::string Caption() const { return FCaption; }
  void SetCaption(const std::string& v);
  TWidth Width() const { return FWidth; }
  void SetWidth(TWidth v);
  std::string GetDisplayName() const override;
  void Assign(const TPersistent* source) override;

private:
  TAlignment FAlignment = taLeftJustify;
  std::string FCaption;
  TWidth FWidth = 50;
};

class TListColumns : public TCollection {
  KCL_CLASS(TListColumns, TCollection)
public:
  explicit TListColumns(TCustomListView* owner);
  TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
  TListColumn* Items(int index) const { return static_cast<TListColumn*>(TCollection::Items(index)); }
  TCustomListView* Owner() const { return FOwner; }

protected:
  TPersistent* GetOwner() const override;
  void Update(TCollectionItem* item) override;

private:
  TCustomListView* FOwner;
};

KCL_ENUM(TIconArrangement, iaTop, iaLeft)

class TIconOptions : public TPersistent {
  KCL_CLASS(TIconOptions, TPersistent)
public:
  explicit TIconOptions(TCustomListView* owner = nullptr) : FOwner(owner) {}
  TIconArrangement Arrangement() const { return FArrangement; }
  void SetArrangement(TIconArrangement v);
  bool AutoArrange() const { return FAutoArrange; }
  void SetAutoArrange(bool v);
  bool WrapText() const { return FWrapText; }
  void SetWrapText(bool v);
  void Assign(const TPersistent* source) override;

protected:
  TPersistent* GetOwner() const override;

private:
  void Changed();

  TCustomListView* FOwner;
  TIconArrangement FArrangement = iaTop;
  bool FAutoArrange = false;
  bool FWrapText = true;
};

}  // namespace kcl
