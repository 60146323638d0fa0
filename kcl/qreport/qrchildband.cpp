#include "kcl/qreport/qrchildband.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/qreport/qrreference.h"
#include "kcl/qreport/quickrep.h"

namespace kcl {

KCL_CLASS_INFO(TQRChildBand) {
  using T = TQRChildBand;
  cls.publish({"Frame", "AfterPrint", "AlignToBottom", "BeforePrint", "Color", "Enabled", "Font", "ForceNewColumn",
               "ForceNewPage"});
  cls.property("ParentBand", &T::ParentBand, &T::SetParentBand);
  cls.publish({"ParentFont"});
}

TQRChildBand::TQRChildBand(TComponent* owner) : TQRCustomBand(owner) { SetBandType(rbChild); }

void TQRChildBand::SetParentBand(TQRCustomBand* v) {
  // A band cannot follow itself, nor one that (through others) follows it.
  for (const TQRCustomBand* band = v; band; band = band->FollowedBand())
    if (band == this) return;
  LinkReference(this, FParentBand, v);
  auto* page = dynamic_cast<TQuickRep*>(Parent());
  if (v && page && v->Parent() == page && !IsLoading()) page->PlaceBelow(this, v);
}

void TQRChildBand::Notification(TComponent* component, TOperation operation) {
  TQRCustomBand::Notification(component, operation);
  if (operation == opRemove) UnlinkReference(FParentBand, component);
}

}  // namespace kcl
