#include "dbhost.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/db/dataaccess.h"

using dbtest::TDbHost;

KCL_CLASS_INFO(TDbHost) {}

namespace dbtest {

void TDbHost::GetChildren(const kcl::TGetChildProc& proc, kcl::TComponent*) {
  for (int i = 0; i < ComponentCount(); ++i)
    if (!Components(i)->HasParent()) proc(Components(i));
}

DbHostPtr NewHost() {
  kcl::RegisterDataAccess();
  kcl::RegisterClass(&TDbHost::StaticClass());
  DbHostPtr host(new TDbHost(nullptr));
  host->SetName("Host");
  return host;
}

}  // namespace dbtest
