#include "kcl/classes/intconsts.h"

#include <map>
#include <mutex>

namespace kcl {

namespace {

struct ConstsRegistry {
  std::mutex lock;
  std::map<const TTypeInfo*, TIntegerConsts> byType;
};

ConstsRegistry& Registry() {
  static ConstsRegistry registry;
  return registry;
}

}  // namespace

void RegisterIntegerConsts(const TTypeInfo* intType, TIdentToInt identToInt, TIntToIdent intToIdent) {
  ConstsRegistry& r = Registry();
  std::lock_guard guard(r.lock);
  r.byType[intType] = {std::move(identToInt), std::move(intToIdent)};
}

const TIntegerConsts* FindIntegerConsts(const TTypeInfo* intType) {
  ConstsRegistry& r = Registry();
  std::lock_guard guard(r.lock);
  auto it = r.byType.find(intType);
  return it == r.byType.end() ? nullptr : &it->second;
}

}  // namespace kcl
