#pragma once
// TListItem and TListItems: the items of a list view. The items stream as one
// binary value ("Items.Data") in the framework's layout: the total size, the count,
// then for each item its image, state and overlay indexes, the number of sub-items,
// the Data word, and the caption and sub-items as short strings.
#include <memory>
#include <string>
#include <vector>

#include "kcl/classes/persistent.h"
#include "kcl/components/stdtypes.h"

namespace kcl {

class TListItems;
class TCustomListView;

class TListItem : public TPersistent {
  KCL_CLASS(TListItem, TPersistent)
public:
  explicit TListItem(TListItems* owner);
  ~TListItem() override;

  TListItems* Owner() const { return FOwner; }
  TCustomListView* ListView() const;
  int Index() const;
  std::string Caption() const { return FCaption; }
  void SetCaption(const std::string& v);
  TStrings* SubItems() const { return FSubItems.get(); }
  void SetSubItems(TStrings* v) { FSubItems->Assign(v); }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int v);
  int StateIndex() const { return FStateIndex; }
  void SetStateIndex(int v) { FStateIndex = v; }
  int OverlayIndex() const { return FOverlayIndex; }
  void SetOverlayIndex(int v) { FOverlayIndex = v; }
  void* Data() const { return FData; }
  void SetData(void* v) { FData = v; }
  bool Selected() const { return FSelected; }
  void SetSelected(bool v);
  bool Focused() const { return FFocused; }
  void SetFocused(bool v);
  void Delete();
  void Assign(const TPersistent* source) override;

private:
  friend class TListItems;
  void Changed();

  TListItems* FOwner;
  std::string FCaption;
  std::unique_ptr<TBoundStrings> FSubItems;
  int FImageIndex = 0;
  int FStateIndex = 0;
  int FOverlayIndex = -1;
  void* FData = nullptr;
  bool FSelected = false;
  bool FFocused = false;
};

class TListItems : public TPersistent {
  KCL_CLASS(TListItems, TPersistent)
public:
  explicit TListItems(TCustomListView* owner);
  ~TListItems() override;

  TCustomListView* Owner() const { return FOwner; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TListItem* Item(int index) const;
  TListItem* Add();
  TListItem* Insert(int index);
  void Delete(int index);
  void Clear();
  int IndexOf(const TListItem* item) const;
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  void Assign(const TPersistent* source) override;

  // The binary value of "Items.Data"; ReadData raises EReadError for data that does
  // not hold together.
  void ReadData(TStream& stream);
  void WriteData(TStream& stream) const;

protected:
  void DefineProperties(TFiler& filer) override;
  TPersistent* GetOwner() const override;

private:
  friend class TListItem;
  void Changed(TListItem* item);

  TCustomListView* FOwner;
  std::vector<std::unique_ptr<TListItem>> FItems;
  int FUpdateCount = 0;
};

}  // namespace kcl
