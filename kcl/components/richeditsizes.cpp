#include "kcl/components/richeditsizes.h"

#include <algorithm>

namespace kcl {

void TBlockSizes::Resize(int count, double height) {
  FHeights.resize(static_cast<size_t>(std::max(count, 0)), height);
  FWidths.assign(FHeights.size(), 0.0);
  FMaxWidthKnown = false;
  Rebuild();
}

void TBlockSizes::Replace(int first, int removed, int inserted, double height) {
  first = std::clamp(first, 0, Count());
  removed = std::clamp(removed, 0, Count() - first);
  inserted = std::max(inserted, 0);
  const auto at = static_cast<std::ptrdiff_t>(first);
  if (removed == inserted) {
    for (int i = first; i < first + inserted; ++i) SetSize(i, height, 0.0);
    return;
  }
  FHeights.erase(FHeights.begin() + at, FHeights.begin() + at + removed);
  FHeights.insert(FHeights.begin() + at, static_cast<size_t>(inserted), height);
  FWidths.erase(FWidths.begin() + at, FWidths.begin() + at + removed);
  FWidths.insert(FWidths.begin() + at, static_cast<size_t>(inserted), 0.0);
  FMaxWidthKnown = false;
  Rebuild();
}

void TBlockSizes::SetSize(int block, double height, double width) {
  const auto index = static_cast<size_t>(block);
  if (FHeights[index] != height) Add(block, height - FHeights[index]);
  FHeights[index] = height;
  // A narrower widest paragraph makes the widest unknown until asked for.
  if (FMaxWidthKnown && FWidths[index] >= FMaxWidth && width < FWidths[index]) FMaxWidthKnown = false;
  FWidths[index] = width;
  if (FMaxWidthKnown) FMaxWidth = std::max(FMaxWidth, width);
}

double TBlockSizes::Top(int block) const {
  double sum = 0;
  for (int i = std::clamp(block, 0, Count()); i > 0; i &= i - 1) sum += FTree[static_cast<size_t>(i)];
  return sum;
}

int TBlockSizes::BlockAt(double y) const {
  // The number of paragraphs that end at or above y.
  int index = 0;
  for (int step = FTreeMask; step > 0; step >>= 1) {
    const int next = index + step;
    if (next <= Count() && FTree[static_cast<size_t>(next)] <= y) {
      index = next;
      y -= FTree[static_cast<size_t>(next)];
    }
  }
  return std::min(index, std::max(Count() - 1, 0));
}

double TBlockSizes::MaxWidth() const {
  if (!FMaxWidthKnown) {
    FMaxWidth = FWidths.empty() ? 0.0 : *std::max_element(FWidths.begin(), FWidths.end());
    FMaxWidthKnown = true;
  }
  return FMaxWidth;
}

void TBlockSizes::Rebuild() {
  const size_t count = FHeights.size();
  FTree.assign(count + 1, 0.0);
  for (size_t i = 1; i <= count; ++i) {
    FTree[i] += FHeights[i - 1];
    const size_t parent = i + (i & (~i + 1));
    if (parent <= count) FTree[parent] += FTree[i];
  }
  FTreeMask = 1;
  while (FTreeMask * 2 <= static_cast<int>(count)) FTreeMask *= 2;
  if (count == 0) FTreeMask = 0;
}

void TBlockSizes::Add(int block, double delta) {
  for (int i = block + 1; i <= Count(); i += i & -i) FTree[static_cast<size_t>(i)] += delta;
}

}  // namespace kcl
