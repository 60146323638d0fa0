#pragma once
// A bound string list whose every string has a value of its own beside it (a
// check state, a width) that stays with the string through insertions,
// deletions, moves and sorting. A string comes with the default value.
#include <algorithm>
#include <numeric>
#include <vector>

#include "kcl/classes/boundstrings.h"
#include "kcl/rtl/scopeguard.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

template <class V>
class TValuedStrings : public TBoundStrings {
public:
  explicit TValuedStrings(V defaultValue) : FDefault(defaultValue) {}

  // Out of range indexes raise EStringListError.
  V Value(int index) const {
    if (index < 0 || index >= Count()) ListIndexError(index);
    return index < static_cast<int>(FValues.size()) ? FValues[static_cast<size_t>(index)] : FDefault;
  }
  void SetValue(int index, V value) {
    if (index < 0 || index >= Count()) ListIndexError(index);
    *At(index) = value;
  }

  int AddObject(const std::string& s, TObject* object) override {
    return InOneUpdate([&] {
      const int before = Count();
      const int index = TBoundStrings::AddObject(s, object);
      if (Count() > before) FValues.insert(At(index), FDefault);
      return index;
    });
  }
  void Insert(int index, const std::string& s) override {
    InOneUpdate([&] {
      TBoundStrings::Insert(index, s);
      FValues.insert(At(index), FDefault);
    });
  }
  void Delete(int index) override {
    InOneUpdate([&] {
      TBoundStrings::Delete(index);
      FValues.erase(At(index));
    });
  }
  void Clear() override {
    InOneUpdate([&] {
      TBoundStrings::Clear();
      FValues.clear();
    });
  }
  void Exchange(int index1, int index2) override {
    InOneUpdate([&] {
      TBoundStrings::Exchange(index1, index2);
      std::swap(*At(index1), *At(index2));
    });
  }
  void Move(int curIndex, int newIndex) override {
    InOneUpdate([&] {
      TBoundStrings::Move(curIndex, newIndex);
      const V value = *At(curIndex);
      FValues.erase(At(curIndex));
      FValues.insert(At(newIndex), value);
    });
  }
  void Sort() override {
    if (Sorted()) return;
    // The list sorts stably by CompareText: the same order, worked out first.
    std::vector<int> order(static_cast<size_t>(Count()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return CompareText(Strings(a), Strings(b)) < 0; });
    InOneUpdate([&] {
      TBoundStrings::Sort();
      std::vector<V> sorted;
      for (int i : order) sorted.push_back(*At(i));
      FValues = std::move(sorted);
    });
  }

protected:
  void Changed() override {
    // Strings that came some other way (a custom sort) start with the default.
    if (UpdateCount() == 0) FValues.resize(static_cast<size_t>(Count()), FDefault);
    TBoundStrings::Changed();
  }

private:
  typename std::vector<V>::iterator At(int index) {
    FValues.resize(std::max(FValues.size(), static_cast<size_t>(Count())), FDefault);
    return FValues.begin() + index;
  }
  template <class F>
  auto InOneUpdate(F change) {
    BeginUpdate();
    OnScopeExit end([this] { EndUpdate(); });
    return change();
  }

  V FDefault;
  std::vector<V> FValues;
};

}  // namespace kcl
