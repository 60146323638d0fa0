#pragma once
// TQuickRep: QuickReport 2's report page. Its bands stay where its file puts
// them: one that grows or shrinks moves the bands below it, a band that follows
// another (a child band) moves with it, and a new zoom scales the page and all
// it holds. The page's paper, printer settings and functions are kept as read.
#include <vector>

#include "kcl/qreport/qrcustomreport.h"

namespace kcl {

class TQuickRep : public TCustomQuickRep {
  KCL_CLASS(TQuickRep, TCustomQuickRep)
public:
  explicit TQuickRep(TComponent* owner);

  bool AlignsBands() const override { return false; }
  void BandAdded(TQRCustomBand* band) override;
  void BandBoundsChanged(TQRCustomBand* band, const TRect& old) override;
  // Puts band right below above, across its width; the bands from there down
  // move to make room.
  void PlaceBelow(TQRCustomBand* band, const TQRCustomBand* above);
  std::vector<TQRCustomBand*> Bands() const;

protected:
  void ZoomChanged(int oldZoom) override;

private:
  // Moves the bands whose top is at or below y (but except) down by distance.
  void ShiftBands(int y, int distance, const TQRCustomBand* except);

  bool FScaling = false;
};

}  // namespace kcl
