#pragma once
// TStrings: the framework's abstract list of byte strings, each with an object that
// the list does not own; TStringList: the list kept in memory, optionally sorted.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "kcl/classes/events.h"
#include "kcl/classes/persistent.h"

namespace kcl {

class TStream;

class TStrings : public TPersistent {
  KCL_CLASS(TStrings, TPersistent)
public:
  int Count() const { return GetCount(); }
  std::string Strings(int index) const { return Get(index); }
  virtual void Put(int index, const std::string& s);
  virtual TObject* Objects(int index) const;
  virtual void PutObject(int index, TObject* object);

  virtual int Add(const std::string& s);
  virtual int AddObject(const std::string& s, TObject* object);
  void Append(const std::string& s) { Add(s); }
  virtual void Insert(int index, const std::string& s) = 0;
  void InsertObject(int index, const std::string& s, TObject* object);
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(int index1, int index2);
  virtual void Move(int curIndex, int newIndex);
  void AddStrings(const TStrings& strings);
  void Assign(const TPersistent* source) override;
  bool Equals(const TStrings& strings) const;

  // Case-insensitive; -1 when absent.
  virtual int IndexOf(std::string_view s) const;
  int IndexOfName(std::string_view name) const;
  int IndexOfObject(const TObject* object) const;

  // Every line followed by CR LF; SetText splits at CR, LF or CR LF.
  virtual std::string Text() const;
  virtual void SetText(std::string_view text);
  std::string CommaText() const;
  void SetCommaText(std::string_view text);

  // "Name=Value" entries: Names(i) is "" for a line without '='; setting a value to
  // "" deletes its entry.
  std::string Names(int index) const;
  std::string Values(std::string_view name) const;
  void SetValue(std::string_view name, std::string_view value);

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  // The bytes as they are, from the current position to the end.
  virtual void LoadFromStream(TStream& stream);
  virtual void SaveToStream(TStream& stream) const;
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

protected:
  virtual std::string Get(int index) const = 0;
  virtual int GetCount() const = 0;
  // Called when the update count leaves or returns to zero.
  virtual void SetUpdateState([[maybe_unused]] bool updating) {}
  void DefineProperties(TFiler& filer) override;
  [[noreturn]] static void ListIndexError(int index);

private:
  int FUpdateCount = 0;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
using TStringListSortCompare = std::function<int(TStringList& list, int index1, int index2)>;

class TStringList : public TStrings {
  KCL_CLASS(TStringList, TStrings)
public:
  TStringList() = default;

  void Put(int index, const std::string& s) override;
  TObject* Objects(int index) const override;
  void PutObject(int index, TObject* object) override;
  int Add(const std::string& s) override;
  int AddObject(const std::string& s, TObject* object) override;
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override;
  void Exchange(int index1, int index2) override;
  void Move(int curIndex, int newIndex) override;
  int IndexOf(std::string_view s) const override;

  // Binary search of a sorted list: true when found; index is where s is or belongs.
  bool Find(std::string_view s, int& index) const;
  virtual void Sort();
  void CustomSort(const TStringListSortCompare& compare);

  bool Sorted() const { return FSorted; }
  void SetSorted(bool value);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates value) { FDuplicates = value; }
  int Capacity() const { return static_cast<int>(FItems.capacity()); }
  void SetCapacity(int capacity);

  std::string Text() const override;

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

protected:
  std::string Get(int index) const override;
  int GetCount() const override { return static_cast<int>(FItems.size()); }
  void SetUpdateState(bool updating) override;
  virtual void Changed();
  virtual void Changing();

private:
  struct Item {
    std::string String;
    TObject* Object = nullptr;
  };
  void CheckIndex(int index) const;
  void CheckUnsorted() const;
  void InsertItem(int index, std::string s, TObject* object);

  std::vector<Item> FItems;
  bool FSorted = false;
  TDuplicates FDuplicates = dupIgnore;
};

}  // namespace kcl
