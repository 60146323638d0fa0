#pragma once
// A streaming root for data-access components, as a data module holds them.
#include <memory>

#include "kcl/classes/component.h"

namespace dbtest {

class TDbHost : public kcl::TComponent {
  KCL_CLASS(TDbHost, kcl::TComponent)
public:
  using TComponent::TComponent;
  void GetChildren(const kcl::TGetChildProc& proc, kcl::TComponent* root) override;
};
using DbHostPtr = std::unique_ptr<TDbHost, kcl::TObjectFree>;

// A host named Host, with the data-access classes and itself registered.
DbHostPtr NewHost();

}  // namespace dbtest
