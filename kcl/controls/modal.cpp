#include "kcl/controls/modal.h"

namespace kcl {

namespace {

TModalHook& Hook() {
  static TModalHook hook;
  return hook;
}

}  // namespace

void SetModalHook(TModalHook hook) { Hook() = std::move(hook); }

bool RunModalHook(TCustomForm& form) {
  if (!Hook()) return false;
  Hook()(form);
  return true;
}

}  // namespace kcl
