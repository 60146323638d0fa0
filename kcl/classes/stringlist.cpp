#include "kcl/classes/stringlist.h"

#include <algorithm>
#include <numeric>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/streams.h"
#include "kcl/classes/writer.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/scopeguard.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

KCL_CLASS_INFO(TStrings) {}
KCL_CLASS_INFO(TStringList) {}

namespace {

bool IsCommaTextSeparator(char c) { return static_cast<unsigned char>(c) <= ' ' || c == ','; }

// Runs change inside BeginUpdate/EndUpdate, ending the update also when it throws.
template <class Change>
void Updating(TStrings& strings, Change change) {
  strings.BeginUpdate();
  OnScopeExit endUpdate([&] { strings.EndUpdate(); });
  change();
}

void AppendQuoted(std::string& out, std::string_view s) {
  out += '"';
  for (char c : s) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

// Reads a double-quoted item starting at pos (on the opening quote); doubled quotes
// stand for one. An unterminated item runs to the end of the text.
std::string ExtractQuoted(std::string_view text, size_t& pos) {
  std::string item;
  for (++pos; pos < text.size(); ++pos) {
    if (text[pos] == '"') {
      const bool doubled = pos + 1 < text.size() && text[pos + 1] == '"';
      ++pos;
      if (!doubled) break;
    }
    item += text[pos];
  }
  return item;
}

}  // namespace

// --- TStrings

void TStrings::ListIndexError(int index) { throw EStringListError(Format(msg::ListIndexError, {index})); }

void TStrings::Put(int index, const std::string& s) {
  TObject* object = Objects(index);
  Updating(*this, [&] {
    Delete(index);
    InsertObject(index, s, object);
  });
}

TObject* TStrings::Objects(int) const { return nullptr; }

void TStrings::PutObject(int, TObject*) {}

int TStrings::Add(const std::string& s) {
  const int index = Count();
  Insert(index, s);
  return index;
}

int TStrings::AddObject(const std::string& s, TObject* object) {
  const int index = Add(s);
  PutObject(index, object);
  return index;
}

void TStrings::InsertObject(int index, const std::string& s, TObject* object) {
  Insert(index, s);
  PutObject(index, object);
}

void TStrings::Exchange(int index1, int index2) {
  const std::string s1 = Get(index1);
  TObject* object1 = Objects(index1);
  Updating(*this, [&] {
    Put(index1, Get(index2));
    PutObject(index1, Objects(index2));
    Put(index2, s1);
    PutObject(index2, object1);
  });
}

void TStrings::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  // Both indexes are checked before anything moves, so a bad one loses nothing.
  if (newIndex < 0 || newIndex >= Count()) ListIndexError(newIndex);
  const std::string s = Get(curIndex);
  TObject* object = Objects(curIndex);
  Updating(*this, [&] {
    Delete(curIndex);
    InsertObject(newIndex, s, object);
  });
}

void TStrings::AddStrings(const TStrings& strings) {
  const int count = strings.Count();  // fixed first: strings may be this list
  Updating(*this, [&] {
    for (int i = 0; i < count; ++i) AddObject(strings.Get(i), strings.Objects(i));
  });
}

void TStrings::Assign(const TPersistent* source) {
  if (source == this) return;
  if (const auto* strings = dynamic_cast<const TStrings*>(source)) {
    Updating(*this, [&] {
      Clear();
      AddStrings(*strings);
    });
    return;
  }
  inherited::Assign(source);
}

bool TStrings::Equals(const TStrings& strings) const {
  const int count = Count();
  if (count != strings.Count()) return false;
  for (int i = 0; i < count; ++i)
    if (Get(i) != strings.Get(i)) return false;
  return true;
}

int TStrings::IndexOf(std::string_view s) const {
  for (int i = 0, count = Count(); i < count; ++i)
    if (CompareText(Get(i), s) == 0) return i;
  return -1;
}

int TStrings::IndexOfName(std::string_view name) const {
  for (int i = 0, count = Count(); i < count; ++i) {
    const std::string s = Get(i);
    const size_t eq = s.find('=');
    if (eq != std::string::npos && CompareText(std::string_view(s).substr(0, eq), name) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0, count = Count(); i < count; ++i)
    if (Objects(i) == object) return i;
  return -1;
}

std::string TStrings::Text() const {
  std::string text;
  for (int i = 0, count = Count(); i < count; ++i) text.append(Get(i)).append("\r\n");
  return text;
}

void TStrings::SetText(std::string_view text) {
  Updating(*this, [&] {
    Clear();
    size_t pos = 0;
    while (pos < text.size()) {
      const size_t end = text.find_first_of("\r\n", pos);
      if (end == std::string_view::npos) {
        Add(std::string(text.substr(pos)));
        break;
      }
      Add(std::string(text.substr(pos, end - pos)));
      const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
      pos = end + (crlf ? 2 : 1);
    }
  });
}

std::string TStrings::CommaText() const {
  std::string text;
  for (int i = 0, count = Count(); i < count; ++i) {
    if (i > 0) text += ',';
    const std::string s = Get(i);
    // Empty items are quoted too, or a trailing one would vanish when read back.
    const bool quote = s.empty() || std::any_of(s.begin(), s.end(), [](char c) {
                         return IsCommaTextSeparator(c) || c == '"';
                       });
    if (quote)
      AppendQuoted(text, s);
    else
      text += s;
  }
  return text;
}

void TStrings::SetCommaText(std::string_view text) {
  Updating(*this, [&] {
    Clear();
    size_t pos = 0;
    const auto skipBlanks = [&] {
      while (pos < text.size() && static_cast<unsigned char>(text[pos]) <= ' ') ++pos;
    };
    skipBlanks();
    while (pos < text.size()) {
      if (text[pos] == '"') {
        Add(ExtractQuoted(text, pos));
      } else {
        const size_t start = pos;
        while (pos < text.size() && !IsCommaTextSeparator(text[pos])) ++pos;
        Add(std::string(text.substr(start, pos - start)));
      }
      skipBlanks();
      if (pos < text.size() && text[pos] == ',') {
        ++pos;
        skipBlanks();
      }
    }
  });
}

std::string TStrings::Names(int index) const {
  std::string s = Get(index);
  const size_t eq = s.find('=');
  s.resize(eq == std::string::npos ? 0 : eq);
  return s;
}

std::string TStrings::Values(std::string_view name) const {
  const int index = IndexOfName(name);
  if (index < 0) return {};
  const std::string s = Get(index);
  return s.substr(s.find('=') + 1);
}

void TStrings::SetValue(std::string_view name, std::string_view value) {
  const int index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) Delete(index);
    return;
  }
  const std::string entry = std::string(name) + '=' + std::string(value);
  if (index >= 0)
    Put(index, entry);
  else
    Add(entry);
}

void TStrings::BeginUpdate() {
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::LoadFromStream(TStream& stream) { SetText(stream.ReadRest()); }

void TStrings::SaveToStream(TStream& stream) const { stream.WriteString(Text()); }

void TStrings::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, fmOpenRead);
  LoadFromStream(stream);
}

void TStrings::SaveToFile(const std::string& fileName) const {
  TStringStream stream;
  SaveToStream(stream);
  SaveBytesToFile(fileName, stream.DataString());
}

void TStrings::DefineProperties(TFiler& filer) {
  bool hasData = Count() > 0;
  // Below an inherited form, only lists that differ from the ancestor's are written.
  if (filer.Ancestor()) {
    const auto* ancestor = dynamic_cast<const TStrings*>(filer.Ancestor());
    hasData = !ancestor || !Equals(*ancestor);
  }
  const auto readData = [this](TReader& reader) {
    Updating(*this, [&] {
      reader.ReadListBegin();
      Clear();
      while (!reader.EndOfList()) Add(reader.ReadString());
      reader.ReadListEnd();
    });
  };
  const auto writeData = [this](TWriter& writer) {
    writer.WriteListBegin();
    for (int i = 0, count = Count(); i < count; ++i) writer.WriteString(Get(i));
    writer.WriteListEnd();
  };
  filer.DefineProperty("Strings", readData, writeData, hasData);
}

// --- TStringList

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= GetCount()) ListIndexError(index);
}

void TStringList::CheckUnsorted() const {
  if (FSorted) throw EStringListError(msg::SortedListError);
}

std::string TStringList::Get(int index) const {
  CheckIndex(index);
  return FItems[index].String;
}

void TStringList::Put(int index, const std::string& s) {
  CheckUnsorted();
  CheckIndex(index);
  Changing();
  FItems[index].String = s;
  Changed();
}

TObject* TStringList::Objects(int index) const {
  CheckIndex(index);
  return FItems[index].Object;
}

void TStringList::PutObject(int index, TObject* object) {
  CheckIndex(index);
  Changing();
  FItems[index].Object = object;
  Changed();
}

int TStringList::Add(const std::string& s) { return AddObject(s, nullptr); }

int TStringList::AddObject(const std::string& s, TObject* object) {
  int index = GetCount();
  if (FSorted && Find(s, index)) {
    switch (FDuplicates) {
      case dupIgnore: return index;
      case dupError: throw EStringListError(msg::DuplicateString);
      case dupAccept: break;
    }
  }
  InsertItem(index, s, object);
  return index;
}

void TStringList::Insert(int index, const std::string& s) {
  CheckUnsorted();
  if (index < 0 || index > GetCount()) ListIndexError(index);
  InsertItem(index, s, nullptr);
}

void TStringList::InsertItem(int index, std::string s, TObject* object) {
  Changing();
  FItems.insert(FItems.begin() + index, Item{std::move(s), object});
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  Changing();
  FItems.erase(FItems.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  Changing();
  FItems.clear();
  FItems.shrink_to_fit();
  Changed();
}

void TStringList::Exchange(int index1, int index2) {
  CheckUnsorted();
  CheckIndex(index1);
  CheckIndex(index2);
  Changing();
  std::swap(FItems[index1], FItems[index2]);
  Changed();
}

void TStringList::Move(int curIndex, int newIndex) {
  CheckUnsorted();
  CheckIndex(curIndex);
  CheckIndex(newIndex);
  if (curIndex == newIndex) return;
  Changing();
  const auto from = FItems.begin() + curIndex;
  const auto to = FItems.begin() + newIndex;
  if (curIndex < newIndex)
    std::rotate(from, from + 1, to + 1);
  else
    std::rotate(to, from, from + 1);
  Changed();
}

int TStringList::IndexOf(std::string_view s) const {
  if (FSorted) {
    int index = 0;
    return Find(s, index) ? index : -1;
  }
  const auto it = std::find_if(FItems.begin(), FItems.end(), [s](const Item& item) {
    return CompareText(item.String, s) == 0;
  });
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

bool TStringList::Find(std::string_view s, int& index) const {
  // The first of equal strings, so that duplicates are inserted before their twins.
  const auto it = std::lower_bound(FItems.begin(), FItems.end(), s, [](const Item& item, std::string_view value) {
    return CompareText(item.String, value) < 0;
  });
  index = static_cast<int>(it - FItems.begin());
  return it != FItems.end() && CompareText(it->String, s) == 0;
}

void TStringList::Sort() {
  CustomSort([](TStringList& list, int index1, int index2) {
    return CompareText(list.FItems[index1].String, list.FItems[index2].String);
  });
}

void TStringList::CustomSort(const TStringListSortCompare& compare) {
  if (FSorted || FItems.size() < 2) return;
  Changing();
  // The comparison sees the list unchanged while the order is worked out.
  std::vector<int> order(FItems.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
  if (order.size() == FItems.size()) {  // unless the comparison itself changed the list
    std::vector<Item> sorted;
    sorted.reserve(order.size());
    for (int i : order) sorted.push_back(std::move(FItems[i]));
    FItems = std::move(sorted);
  }
  Changed();
}

void TStringList::SetSorted(bool value) {
  if (FSorted == value) return;
  if (value) Sort();
  FSorted = value;
}

void TStringList::SetCapacity(int capacity) {
  if (capacity > 0) FItems.reserve(static_cast<size_t>(capacity));
}

std::string TStringList::Text() const {
  size_t size = 0;
  for (const Item& item : FItems) size += item.String.size() + 2;
  std::string text;
  text.reserve(size);
  for (const Item& item : FItems) text.append(item.String).append("\r\n");
  return text;
}

void TStringList::SetUpdateState(bool updating) {
  if (updating)
    Changing();
  else
    Changed();
}

void TStringList::Changed() {
  if (UpdateCount() == 0) OnChange(this);
}

void TStringList::Changing() {
  if (UpdateCount() == 0) OnChanging(this);
}

}  // namespace kcl
