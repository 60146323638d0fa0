#include "kcl/controls/modal.h"

namespace kcl {

namespace {

TModalHook& Hook() {
  static TModalHook hook;
  return hook;
}

TDialogHook& DialogHook() {
  static TDialogHook hook;
  return hook;
}

}  // namespace

void SetModalHook(TModalHook hook) { Hook() = std::move(hook); }

bool RunModalHook(TCustomForm& form) {
  if (!Hook()) return false;
  Hook()(form);
  return true;
}

void SetDialogHook(TDialogHook hook) { DialogHook() = std::move(hook); }

bool HasDialogHook() { return static_cast<bool>(DialogHook()); }

bool RunDialogHook(TComponent& dialog) { return DialogHook() && DialogHook()(dialog); }

}  // namespace kcl
