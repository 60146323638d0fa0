#pragma once
// Records of the sample form files, streamed on their own: a root component that
// lists its non-visual components as a form does, and the text of chosen objects.
#include <memory>
#include <string>
#include <vector>

#include "kcl/classes/component.h"

namespace korvax::test {

class TSampleHost : public kcl::TComponent {
  KCL_CLASS(TSampleHost, kcl::TComponent)
public:
  using TComponent::TComponent;
  void GetChildren(const kcl::TGetChildProc& proc, kcl::TComponent* root) override;
  // The sample forms' event handlers bind to this.
  void Handler(kcl::TObject*) {}
};
using SampleHostPtr = std::unique_ptr<TSampleHost, kcl::TObjectFree>;

// "object Host: TSampleHost" holding the sample form's top-level objects of the
// given classes, without their design positions (Left, Top); CR LF line ends as
// the framework writes text.
std::string SampleHostText(const std::string& file, const std::vector<std::string>& classNames);
std::string WriteRoot(kcl::TComponent* root);
SampleHostPtr ReadSampleHost(const std::string& binary);

}  // namespace korvax::test
