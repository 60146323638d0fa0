#pragma once
// A streaming root for components without a parent, as a data module holds them.
#include <memory>
#include <string>
#include <vector>

#include "kcl/classes/component.h"

namespace korvax::test {

class TComponentHost : public kcl::TComponent {
  KCL_CLASS(TComponentHost, kcl::TComponent)
public:
  using TComponent::TComponent;
  void GetChildren(const kcl::TGetChildProc& proc, kcl::TComponent* root) override;
};
using ComponentHostPtr = std::unique_ptr<TComponentHost, kcl::TObjectFree>;

// A host named Host, its class registered.
ComponentHostPtr NewComponentHost();
// A new host that has read the binary form.
ComponentHostPtr ReadComponentHost(const std::string& binary);

// "object Host: TComponentHost" holding the sample file's top-level objects of
// the given classes without their design positions (Left, Top), lines ending
// in CR LF as the framework writes text.
std::string SampleHostText(const std::string& file, const std::vector<std::string>& classNames);

}  // namespace korvax::test
