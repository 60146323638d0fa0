#include "kcl/classes/keptproperties.h"

#include <unordered_map>

namespace kcl {

namespace {

// Few instances keep anything: a table beside them rather than a field in each.
std::unordered_map<const TPersistent*, std::vector<TKeptProperty>>& Kept() {
  static auto* kept = new std::unordered_map<const TPersistent*, std::vector<TKeptProperty>>;
  return *kept;
}

}  // namespace

void KeepProperty(const TPersistent* instance, TKeptProperty property) {
  Kept()[instance].push_back(std::move(property));
}

const std::vector<TKeptProperty>* KeptProperties(const TPersistent* instance) {
  const auto found = Kept().find(instance);
  return found == Kept().end() ? nullptr : &found->second;
}

void ForgetKeptProperties(const TPersistent* instance) {
  if (!Kept().empty()) Kept().erase(instance);
}

}  // namespace kcl
