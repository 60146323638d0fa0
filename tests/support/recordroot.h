#pragma once
// A windowed streaming root for the records of form files: it does not align
// what it holds, so controls keep the bounds they were read with, and their
// tab order.
#include <memory>
#include <string>
#include <vector>

#include "kcl/controls/wincontrol.h"

namespace korvax::test {

class TRecordRoot : public kcl::TWinControl {
  KCL_CLASS(TRecordRoot, kcl::TWinControl)
public:
  explicit TRecordRoot(kcl::TComponent* owner) : TWinControl(owner) { DisableAlign(); }
  void GetChildren(const kcl::TGetChildProc& proc, kcl::TComponent* root) override;
};
using RecordRootPtr = std::unique_ptr<TRecordRoot, kcl::TObjectFree>;

// A root of the given name (none: the name it reads), its class registered.
RecordRootPtr NewRecordRoot(const std::string& name = {});

// "object Root: TRecordRoot" at (0, 0) of no size holding the records, which
// stand at the top level; lines ending in LF.
std::string RecordRootText(const std::string& records);
// A new root that has read text and is designed then.
RecordRootPtr ReadDesignedRoot(const std::string& text);
// Reads text into a root and writes it back designed: expects the named record
// to be record still, and the bytes to be text's.
void ExpectRecordRoundTrips(const std::string& text, const std::string& name, const std::string& record);
// The sample file's record of name, after the records of those it refers to,
// read into a root and written back unchanged. Windowed controls before it keep
// the record's place in the tab order.
void ExpectSampleRecordRoundTrips(const std::string& file, const std::string& name,
                                  const std::vector<std::string>& referred = {});

}  // namespace korvax::test
