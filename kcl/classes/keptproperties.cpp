#include "kcl/classes/keptproperties.h"

#include <unordered_map>

namespace kcl {

namespace {

// Few instances keep anything: a table beside them rather than a field in each.
std::unordered_map<const TPersistent*, std::vector<TKeptProperty>>& Kept() {
  static auto* kept = new std::unordered_map<const TPersistent*, std::vector<TKeptProperty>>;
  return *kept;
}

std::unordered_map<const TPersistent*, std::vector<std::pair<std::string, std::string>>>& KeptValues() {
  static auto* kept = new std::unordered_map<const TPersistent*, std::vector<std::pair<std::string, std::string>>>;
  return *kept;
}

std::unordered_map<const TPersistent*, uint8_t>& KeptFlags() {
  static auto* kept = new std::unordered_map<const TPersistent*, uint8_t>;
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

void KeepValueBytes(const TPersistent* instance, const std::string& path, std::string bytes) {
  auto& values = KeptValues()[instance];
  std::erase_if(values, [&](const auto& value) { return value.first == path; });
  values.emplace_back(path, std::move(bytes));
}

const std::string* KeptValueBytes(const TPersistent* instance, const std::string& path) {
  if (KeptValues().empty()) return nullptr;
  const auto found = KeptValues().find(instance);
  if (found == KeptValues().end()) return nullptr;
  for (const auto& [kept, bytes] : found->second)
    if (kept == path) return &bytes;
  return nullptr;
}

void KeepPrefixFlags(const TPersistent* instance, uint8_t flags) {
  if (flags != 0) KeptFlags()[instance] = flags;
}

uint8_t KeptPrefixFlags(const TPersistent* instance) {
  if (KeptFlags().empty()) return 0;
  const auto found = KeptFlags().find(instance);
  return found == KeptFlags().end() ? 0 : found->second;
}

void ForgetKeptProperties(const TPersistent* instance) {
  if (!KeptFlags().empty()) KeptFlags().erase(instance);
  if (!Kept().empty()) Kept().erase(instance);
  if (!KeptValues().empty()) KeptValues().erase(instance);
}

}  // namespace kcl
