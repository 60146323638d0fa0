#pragma once
// TBlockSizes: the height and width of each paragraph of a rich edit's document,
// by paragraph number. A paragraph's top and the paragraph at a height take
// logarithmic time (a Fenwick tree of the heights), so that a change to one
// paragraph costs the same at the start of a long document as at its end.
#include <cstddef>
#include <vector>

namespace kcl {

class TBlockSizes {
public:
  int Count() const { return static_cast<int>(FHeights.size()); }
  // count paragraphs, none of known width; those past the current count get height.
  void Resize(int count, double height);
  // Replaces the removed paragraphs from first on by inserted ones of height and
  // no width. Linear in the paragraphs after first when the count changes.
  void Replace(int first, int removed, int inserted, double height);
  double Height(int block) const { return FHeights[static_cast<size_t>(block)]; }
  void SetSize(int block, double height, double width);
  // The sum of the heights of the paragraphs before block.
  double Top(int block) const;
  double TotalHeight() const { return Top(Count()); }
  // The paragraph whose span holds y, the first or the last one beyond them.
  int BlockAt(double y) const;
  double MaxWidth() const;

private:
  void Rebuild();
  void Add(int block, double delta);

  std::vector<double> FHeights;
  std::vector<double> FWidths;
  std::vector<double> FTree;  // 1-based partial sums of FHeights
  int FTreeMask = 0;          // the highest power of two not above Count()
  mutable double FMaxWidth = 0;
  mutable bool FMaxWidthKnown = true;
};

}  // namespace kcl
