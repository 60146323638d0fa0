// The Tools menu: the environment options, the configured tools at its end and the
// command that edits them.
#include "ide/common/environment.h"
#include "ide/common/routines.h"
#include "ide/shell/mainform.h"
#include "ide/shell/options.h"
#include "ide/shell/tools.h"
#include "ide/shell/toolsettings.h"
#include "kcl/platform/process.h"

namespace korvax {

using namespace kcl;

void TFMainForm::ToolsOptionsItemClick(TObject*) { ShowModalDialog<TOptions>(); }

void TFMainForm::BuildToolsMenu() {
  auto* toolsMenu = dynamic_cast<TMenuItem*>(FindComponent("ToolsMenu"));
  if (!toolsMenu) return;
  for (TMenuItem* item : ToolItems) item->Free();
  ToolItems.clear();
  for (const auto& [title, command] : IniFile ? ReadTools(*IniFile) : TIniFile::TKeyValues{}) {
    auto* item = new TMenuItem(this);
    item->SetCaption(title);
    // The command is read when the tool is chosen; one that cannot start fails quietly.
    item->OnClick.SetHandler([title](TObject*) {
      if (IniFile) WinExec(IniFile->ReadString(ToolsSection, title, ""), SW_SHOWNORMAL);
    });
    toolsMenu->Add(item);
    ToolItems.push_back(item);
  }
}

void TFMainForm::ToolsConfigureItemClick(TObject*) {
  ShowModalDialog<TTools>();
  // The dialog wrote its changes as they were made: the menu follows however it closed.
  BuildToolsMenu();
}

}  // namespace korvax
