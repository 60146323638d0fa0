#include "kcl/qreport/qrsubdetail.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/db/db.h"
#include "kcl/qreport/quickreport.h"

namespace kcl {

KCL_CLASS_INFO(TQRSubDetail) {
  using T = TQRSubDetail;
  cls.publish({"Frame", "AfterPrint", "AlignToBottom", "BeforePrint", "Color", "Enabled", "Font", "ForceNewColumn",
               "ForceNewPage", "ParentFont"});
  cls.property("Master", &T::Master, &T::SetMaster);
  cls.property("DataSet", &T::DataSet, &T::SetDataSet);
  cls.property("FooterBand", &T::FooterBand, &T::SetFooterBand);
  cls.property("HeaderBand", &T::HeaderBand, &T::SetHeaderBand);
  cls.event("OnNeedData", &T::OnNeedData, NeedDataEventType());
  cls.property("PrintBefore", &T::PrintBefore, &T::SetPrintBefore).Default(false);
  cls.property("PrintIfEmpty", &T::PrintIfEmpty, &T::SetPrintIfEmpty).Default(true);
}

TQRSubDetail::TQRSubDetail(TComponent* owner) : TQRCustomBand(owner) { SetBandType(rbSubDetail); }

void TQRSubDetail::SetMaster(TComponent* v) {
  if (v != this) LinkReference(this, FMaster, v);
}

void TQRSubDetail::SetDataSet(TDataSet* v) { LinkReference(this, FDataSet, v); }
void TQRSubDetail::SetFooterBand(TQRBand* v) { LinkReference(this, FFooterBand, v); }
void TQRSubDetail::SetHeaderBand(TQRBand* v) { LinkReference(this, FHeaderBand, v); }

void TQRSubDetail::Notification(TComponent* component, TOperation operation) {
  TQRCustomBand::Notification(component, operation);
  if (operation != opRemove) return;
  UnlinkReference(FMaster, component);
  UnlinkReference(FDataSet, component);
  UnlinkReference(FFooterBand, component);
  UnlinkReference(FHeaderBand, component);
}

}  // namespace kcl
