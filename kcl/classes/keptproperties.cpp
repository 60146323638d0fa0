#include "kcl/classes/keptproperties.h"

#include <unordered_map>

namespace kcl {

namespace {

struct TKept {
  std::vector<TKeptProperty> Properties;
  std::vector<std::string> ReadOrder;
  std::vector<std::pair<std::string, std::string>> ValueBytes;
  uint8_t PrefixFlags = 0;
};

// Only instances read from streams keep anything: a table beside them rather
// than a field in every persistent object.
std::unordered_map<const TPersistent*, TKept>& Table() {
  static auto* table = new std::unordered_map<const TPersistent*, TKept>;
  return *table;
}

const TKept* Find(const TPersistent* instance) {
  if (Table().empty()) return nullptr;
  const auto found = Table().find(instance);
  return found == Table().end() ? nullptr : &found->second;
}

}  // namespace

void KeepProperty(const TPersistent* instance, TKeptProperty property) {
  Table()[instance].Properties.push_back(std::move(property));
}

const std::vector<TKeptProperty>* KeptProperties(const TPersistent* instance) {
  const TKept* kept = Find(instance);
  return kept && !kept->Properties.empty() ? &kept->Properties : nullptr;
}

void KeepReadOrder(const TPersistent* instance, std::vector<std::string> paths) {
  if (!paths.empty()) Table()[instance].ReadOrder = std::move(paths);
}

const std::vector<std::string>* ReadOrder(const TPersistent* instance) {
  const TKept* kept = Find(instance);
  return kept && !kept->ReadOrder.empty() ? &kept->ReadOrder : nullptr;
}

void KeepValueBytes(const TPersistent* instance, const std::string& path, std::string bytes) {
  auto& values = Table()[instance].ValueBytes;
  std::erase_if(values, [&](const auto& value) { return value.first == path; });
  values.emplace_back(path, std::move(bytes));
}

const std::string* KeptValueBytes(const TPersistent* instance, const std::string& path) {
  const TKept* kept = Find(instance);
  if (!kept) return nullptr;
  for (const auto& [name, bytes] : kept->ValueBytes)
    if (name == path) return &bytes;
  return nullptr;
}

void KeepPrefixFlags(const TPersistent* instance, uint8_t flags) {
  if (flags != 0) Table()[instance].PrefixFlags = flags;
}

uint8_t KeptPrefixFlags(const TPersistent* instance) {
  const TKept* kept = Find(instance);
  return kept ? kept->PrefixFlags : 0;
}

void ForgetKeptProperties(const TPersistent* instance) {
  if (!Table().empty()) Table().erase(instance);
}

}  // namespace kcl
