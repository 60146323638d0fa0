#pragma once
// The outlines a move of the selection draws: one rectangle for each selected
// control, in selection order, for at most 255 controls (those beyond move not).
#include <array>
#include <cstddef>

#include "kcl/rtl/types.h"

namespace korvax::designer {

class TDragRectList {
public:
  static constexpr int Capacity = 255;

  TDragRectList() { Clear(); }
  // Every entry free: Left -1 ends the table.
  void Clear();
  // The control's bounds as entry Count + 1, while there is room.
  void Add(const kcl::TRect& bounds);
  int Count() const { return FCount; }
  // Entries are numbered from 1.
  kcl::TRect& Item(int index) { return FItems[static_cast<std::size_t>(index - 1)]; }
  const kcl::TRect& Item(int index) const { return FItems[static_cast<std::size_t>(index - 1)]; }

private:
  int FCount = 0;
  std::array<kcl::TRect, Capacity> FItems;
};

}  // namespace korvax::designer
