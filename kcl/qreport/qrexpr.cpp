#include "kcl/qreport/qrexpr.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/qreport/qrreference.h"

namespace kcl {

KCL_CLASS_INFO(TQRExpr) {
  using T = TQRExpr;
  cls.publish({"Frame", "Alignment", "AlignToBand", "AutoSize", "AutoStretch", "Color", "Font"});
  cls.property("Master", &T::Master, &T::SetMaster);
  cls.publish({"OnPrint", "ParentFont"});
  cls.property("ResetAfterPrint", &T::ResetAfterPrint, &T::SetResetAfterPrint).Default(false);
  cls.publish({"Transparent", "WordWrap"});
  cls.property("Expression", &T::Expression, &T::SetExpression);
  cls.property("Mask", &T::Mask, &T::SetMask);
}

void TQRExpr::SetMaster(TComponent* v) {
  if (v != this) LinkReference(this, FMaster, v);
}

void TQRExpr::Notification(TComponent* component, TOperation operation) {
  TQRPrintable::Notification(component, operation);
  if (operation == opRemove) UnlinkReference(FMaster, component);
}

}  // namespace kcl
