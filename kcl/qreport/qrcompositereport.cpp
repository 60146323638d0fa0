#include "kcl/qreport/qrcompositereport.h"

#include "kcl/classes/classbuilder.h"

namespace kcl {

KCL_CLASS_INFO(TQRCompositeReport) { cls.event("OnAddReports", &TQRCompositeReport::OnAddReports, TNotifyEventType()); }

}  // namespace kcl
