#include "kcl/classes/persistent.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/keptproperties.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

KCL_CLASS_INFO(TPersistent) {}

TPersistent::~TPersistent() { ForgetKeptProperties(this); }

void TPersistent::Assign(const TPersistent* source) {
  if (!source) throw EConvertError(Format("Cannot assign a %s to a %s", {"nil", ClassName()}));
  source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* dest) const {
  throw EConvertError(Format("Cannot assign a %s to a %s", {ClassName(), dest->ClassName()}));
}

void TPersistent::DefineProperties(TFiler&) {}

std::string TPersistent::GetNamePath() const { return ClassName(); }

}  // namespace kcl
