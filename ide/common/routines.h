#pragma once
// Routines every window of the environment uses: its message box and modal
// dialogs shown and freed (and, through textutils.h, the text helpers).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ide/common/textutils.h"
#include "kcl/controls/application.h"
#include "kcl/controls/controltypes.h"
#include "kcl/rtl/scopeguard.h"

namespace korvax {

// A message box with one OK button (flags 0), the whole text, on the application.
int ShowMessageBox(const std::string& text, const std::string& caption, uint32_t flags);

// Creates the dialog with the application as owner while the hourglass shows,
// shows it modally and frees it; returns its modal result.
template <class F>
kcl::TModalResult ShowModalDialog() {
  std::unique_ptr<F, kcl::TObjectFree> dialog;
  {
    kcl::Screen()->SetCursor(kcl::crHourGlass);
    kcl::OnScopeExit restoreCursor([] { kcl::Screen()->SetCursor(kcl::crDefault); });
    dialog.reset(new F(kcl::Application()));
  }
  return dialog->ShowModal();
}

}  // namespace korvax
