#include "ide/designer/dragrects.h"

namespace korvax::designer {

void TDragRectList::Clear() {
  for (kcl::TRect& r : FItems) r.Left = -1;
  FCount = 0;
}

void TDragRectList::Add(const kcl::TRect& bounds) {
  if (FCount >= Capacity) return;
  FItems[static_cast<std::size_t>(FCount)] = bounds;
  ++FCount;
}

}  // namespace korvax::designer
