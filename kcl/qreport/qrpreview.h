#pragma once
// TQRPreview: where a report shows its pages before printing; without a report
// it shows an empty page at its zoom.
#include "kcl/controls/customcontrol.h"

namespace kcl {

using TPageAvailableEvent = TEvent<void(TObject* sender, int pageNum)>;
using TProgressUpdateEvent = TEvent<void(TObject* sender, int progress)>;

class TQRPreview : public TCustomControl {
  KCL_CLASS(TQRPreview, TCustomControl)
public:
  explicit TQRPreview(TComponent* owner);

  int PageNumber() const { return FPageNumber; }
  void SetPageNumber(int v);
  // Percent, 10..500.
  int Zoom() const { return FZoom; }
  void SetZoom(int v);
  // The page's rectangle: A4 at the zoom, centred, 10 pixels from the top.
  TRect PageRect() const;

  TPageAvailableEvent OnPageAvailable;
  TProgressUpdateEvent OnProgressUpdate;

protected:
  void Paint() override;

private:
  int FPageNumber = 1;
  int FZoom = 100;
};

}  // namespace kcl
