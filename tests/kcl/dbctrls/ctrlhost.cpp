#include "ctrlhost.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/dbctrls/datacontrols.h"

using dbtest::TCtrlHost;

KCL_CLASS_INFO(TCtrlHost) {}

namespace dbtest {

void TCtrlHost::GetChildren(const kcl::TGetChildProc& proc, kcl::TComponent*) {
  for (int i = 0; i < ComponentCount(); ++i)
    if (kcl::TComponent* parent = Components(i)->GetParentComponent(); !parent || parent == this)
      proc(Components(i));
}

CtrlHostPtr NewCtrlHost() {
  kcl::RegisterDataControls();
  kcl::RegisterClass(&TCtrlHost::StaticClass());
  CtrlHostPtr host(new TCtrlHost(nullptr));
  host->SetName("Host");
  return host;
}

FormPtr ShownForm() {
  kcl::RegisterDataControls();
  FormPtr form(new kcl::TForm(nullptr));
  form->SetBounds(0, 0, 400, 300);
  return form;
}

}  // namespace dbtest
