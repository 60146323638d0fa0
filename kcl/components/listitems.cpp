#include "kcl/components/listitems.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/filer.h"
#include "kcl/components/listview.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/scopeguard.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

// Fixed part of an item record before its caption: five 32-bit words.
constexpr int64_t ItemHeaderSize = 20;

void WriteInt(TStream& stream, int32_t v) {
  uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
                  static_cast<uint8_t>(v >> 24)};
  stream.WriteBuffer(b, 4);
}

int32_t ReadInt(TStream& stream) {
  uint8_t b[4];
  stream.ReadBuffer(b, 4);
  return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                              static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24);
}

// A short string holds at most 255 bytes; longer text is cut there, as the format
// has no room for more.
void WriteShortString(TStream& stream, const std::string& s) {
  const uint8_t length = static_cast<uint8_t>(std::min<size_t>(s.size(), 255));
  stream.WriteBuffer(&length, 1);
  stream.WriteBuffer(s.data(), length);
}

std::string ReadShortString(TStream& stream) {
  uint8_t length = 0;
  stream.ReadBuffer(&length, 1);
  std::string s(length, '\0');
  stream.ReadBuffer(s.data(), length);
  return s;
}

}  // namespace

KCL_CLASS_INFO(TListItem) {}
KCL_CLASS_INFO(TListItems) {}

// --- TListItem

TListItem::TListItem(TListItems* owner)
    : FOwner(owner), FSubItems(std::make_unique<TBoundStrings>([this] { Changed(); })) {}

TListItem::~TListItem() = default;

TCustomListView* TListItem::ListView() const { return FOwner ? FOwner->Owner() : nullptr; }

int TListItem::Index() const { return FOwner ? FOwner->IndexOf(this) : -1; }

void TListItem::Changed() {
  if (FOwner) FOwner->Changed(this);
}

void TListItem::SetCaption(const std::string& v) {
  if (FCaption == v) return;
  FCaption = v;
  Changed();
}

void TListItem::SetImageIndex(int v) {
  if (FImageIndex == v) return;
  FImageIndex = v;
  Changed();
}

void TListItem::SetSelected(bool v) {
  if (FSelected == v) return;
  TCustomListView* view = ListView();
  if (view && !view->CanChangeItem(this, ctState)) return;
  FSelected = v;
  if (v && view && !view->MultiSelect()) {
    for (int i = 0; i < FOwner->Count(); ++i)
      if (TListItem* other = FOwner->Item(i); other != this && other->FSelected) other->SetSelected(false);
  }
  if (view) view->ItemChanged(this, ctState);
}

void TListItem::SetFocused(bool v) {
  if (FFocused == v) return;
  if (v && FOwner)
    for (int i = 0; i < FOwner->Count(); ++i) FOwner->Item(i)->FFocused = false;
  FFocused = v;
  Changed();
}

void TListItem::Delete() {
  if (FOwner) FOwner->Delete(Index());
}

void TListItem::Assign(const TPersistent* source) {
  auto* item = dynamic_cast<const TListItem*>(source);
  if (!item) return TPersistent::Assign(source);
  FCaption = item->FCaption;
  FSubItems->Assign(item->FSubItems.get());
  FImageIndex = item->FImageIndex, FStateIndex = item->FStateIndex, FOverlayIndex = item->FOverlayIndex;
  FData = item->FData;
  Changed();
}

// --- TListItems

TListItems::TListItems(TCustomListView* owner) : FOwner(owner) {}

TListItems::~TListItems() {
  FUpdateCount = 1;  // no notifications while the items go
  FItems.clear();
}

TPersistent* TListItems::GetOwner() const { return FOwner; }

TListItem* TListItems::Item(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format(msg::ListIndexError, {index}));
  return FItems[static_cast<size_t>(index)].get();
}

int TListItems::IndexOf(const TListItem* item) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i].get() == item) return static_cast<int>(i);
  return -1;
}

TListItem* TListItems::Add() { return Insert(Count()); }

TListItem* TListItems::Insert(int index) {
  if (index < 0 || index > Count()) throw EListError(Format(msg::ListIndexError, {index}));
  auto* item = FItems.insert(FItems.begin() + index, std::make_unique<TListItem>(this))->get();
  if (FOwner) FOwner->ItemInserted(item);
  Changed(nullptr);
  return item;
}

void TListItems::Delete(int index) {
  TListItem* item = Item(index);
  if (FOwner) FOwner->ItemDeleting(item);
  FItems.erase(FItems.begin() + index);
  Changed(nullptr);
}

void TListItems::Clear() {
  BeginUpdate();
  while (Count() > 0) Delete(Count() - 1);
  EndUpdate();
}

void TListItems::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed(nullptr);
}

void TListItems::Changed(TListItem* item) {
  if (FUpdateCount == 0 && FOwner) FOwner->ItemsChanged(item);
}

void TListItems::Assign(const TPersistent* source) {
  auto* items = dynamic_cast<const TListItems*>(source);
  if (!items) return TPersistent::Assign(source);
  BeginUpdate();
  Clear();
  for (const auto& item : items->FItems) Add()->Assign(item.get());
  EndUpdate();
}

void TListItems::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "Data", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); }, Count() > 0);
}

void TListItems::WriteData(TStream& stream) const {
  int64_t size = 8;
  for (const auto& item : FItems) {
    size += ItemHeaderSize + 1 + static_cast<int64_t>(std::min<size_t>(item->FCaption.size(), 255));
    for (int i = 0; i < item->FSubItems->Count(); ++i)
      size += 1 + static_cast<int64_t>(std::min<size_t>(item->FSubItems->Strings(i).size(), 255));
  }
  WriteInt(stream, static_cast<int32_t>(size));
  WriteInt(stream, Count());
  for (const auto& item : FItems) {
    WriteInt(stream, item->FImageIndex);
    WriteInt(stream, item->FStateIndex);
    WriteInt(stream, item->FOverlayIndex);
    WriteInt(stream, item->FSubItems->Count());
    // Data is a pointer of the running program: a file gets none.
    WriteInt(stream, 0);
    WriteShortString(stream, item->FCaption);
    for (int i = 0; i < item->FSubItems->Count(); ++i) WriteShortString(stream, item->FSubItems->Strings(i));
  }
}

void TListItems::ReadData(TStream& stream) {
  const int64_t available = stream.Size() - stream.Position();
  const int32_t size = ReadInt(stream);
  const int32_t count = ReadInt(stream);
  // Every item takes at least its header and a caption length.
  if (size != available || count < 0 || count > (available - 8) / (ItemHeaderSize + 1))
    throw EReadError(msg::ReadError);
  BeginUpdate();
  OnScopeExit endUpdate([this] { EndUpdate(); });
  Clear();
  for (int32_t n = 0; n < count; ++n) {
    TListItem* item = Add();
    item->FImageIndex = ReadInt(stream);
    item->FStateIndex = ReadInt(stream);
    item->FOverlayIndex = ReadInt(stream);
    const int32_t subItems = ReadInt(stream);
    ReadInt(stream);  // a pointer from another run: never dereferenced
    if (subItems < 0 || subItems > stream.Size() - stream.Position()) throw EReadError(msg::ReadError);
    item->FCaption = ReadShortString(stream);
    item->FSubItems->BeginUpdate();
    for (int32_t i = 0; i < subItems; ++i) item->FSubItems->Add(ReadShortString(stream));
    item->FSubItems->EndUpdate();
  }
}

}  // namespace kcl
