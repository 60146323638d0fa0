#pragma once
// TQRCompositeReport: prints several reports as one job; its OnAddReports
// handler names them. A non-visual component.
#include "kcl/classes/component.h"
#include "kcl/classes/events.h"

namespace kcl {

class TQRCompositeReport : public TComponent {
  KCL_CLASS(TQRCompositeReport, TComponent)
public:
  explicit TQRCompositeReport(TComponent* owner) : TComponent(owner) {}

  TNotifyEvent OnAddReports;
};

}  // namespace kcl
