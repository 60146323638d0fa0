#pragma once
// A string list that tells its owner after each change (once per update).
#include <functional>

#include "kcl/classes/stringlist.h"

namespace kcl {

// A string list that tells its control after each change (once per update).
class TBoundStrings : public TStringList {
  KCL_CLASS(TBoundStrings, TStringList)
public:
  explicit TBoundStrings(std::function<void()> changed = nullptr) : FChanged(std::move(changed)) {}
  void SetChangedHandler(std::function<void()> changed) { FChanged = std::move(changed); }

protected:
  void Changed() override;

private:
  std::function<void()> FChanged;
};

}  // namespace kcl
