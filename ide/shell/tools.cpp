#include "ide/shell/tools.h"

#include <memory>

#include "ide/common/environment.h"
#include "ide/common/layouts.h"
#include "ide/shell/toolproperty.h"
#include "ide/shell/toolsettings.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/controls/application.h"
#include "kcl/rtl/sysutils.h"

namespace korvax {

using namespace kcl;

KCL_CLASS_INFO(TTools) {
  using T = TTools;
  cls.field("Label1", &T::Label1);
  cls.field("ToolsList", &T::ToolsList);
  cls.field("AddButton", &T::AddButton);
  cls.field("DeleteButton", &T::DeleteButton);
  cls.field("EditButton", &T::EditButton);
  cls.field("CloseButton", &T::CloseButton);
  cls.field("HelpButton", &T::HelpButton);
  cls.field("DownButton", &T::DownButton);
  cls.field("UpButton", &T::UpButton);
  cls.method("ToolsListClick", &T::ToolsListClick);
  cls.method("AddButtonClick", &T::AddButtonClick);
  cls.method("EditButtonClick", &T::EditButtonClick);
  cls.method("DeleteButtonClick", &T::DeleteButtonClick);
  cls.method("DownButtonClick", &T::DownButtonClick);
  cls.method("UpButtonClick", &T::UpButtonClick);
  cls.method("HelpButtonClick", &T::HelpButtonClick);
}

TTools::TTools(TComponent* owner) : TForm(owner) {
  LoadFromLayout(LayoutText("Tools"));
  FillList("");
}

void TTools::FillList(const std::string& selected) {
  TStrings* items = ToolsList->Items();
  items->BeginUpdate();
  items->Clear();
  int index = -1;
  for (const auto& [title, command] : IniFile ? ReadTools(*IniFile) : TIniFile::TKeyValues{}) {
    if (!selected.empty() && SameText(title, selected)) index = items->Count();
    items->Add(title);
  }
  items->EndUpdate();
  ToolsList->SetItemIndex(index);
  DeleteButton->SetEnabled(index >= 0);
  EditButton->SetEnabled(index >= 0);
}

std::string TTools::SelectedTitle() const {
  const int index = ToolsList->ItemIndex();
  return index >= 0 ? ToolsList->Items()->Strings(index) : std::string();
}

void TTools::ToolsListClick(TObject*) {
  DeleteButton->SetEnabled(ToolsList->ItemIndex() >= 0);
  EditButton->SetEnabled(ToolsList->ItemIndex() >= 0);
}

void TTools::ShowToolProperty(const std::string& oldTitle) {
  std::unique_ptr<TToolProperty, TObjectFree> dialog(new TToolProperty(Application()));
  dialog->EditedTitle = oldTitle;
  dialog->TitleEdit->SetText(oldTitle);
  if (!oldTitle.empty() && IniFile) dialog->ProgramEdit->SetText(IniFile->ReadString(ToolsSection, oldTitle, ""));
  if (dialog->ShowModal() == mrOk) FillList(dialog->Title());
}

void TTools::AddButtonClick(TObject*) { ShowToolProperty(""); }

void TTools::EditButtonClick(TObject*) {
  if (!SelectedTitle().empty()) ShowToolProperty(SelectedTitle());
}

void TTools::DeleteButtonClick(TObject*) {
  if (SelectedTitle().empty() || !IniFile) return;
  IniFile->DeleteKey(ToolsSection, SelectedTitle());
  FillList("");
}

void TTools::MoveSelected(int by) {
  const std::string title = SelectedTitle();
  if (!title.empty() && IniFile && MoveTool(*IniFile, title, by)) FillList(title);
}

void TTools::DownButtonClick(TObject*) { MoveSelected(1); }

void TTools::UpButtonClick(TObject*) { MoveSelected(-1); }

void TTools::HelpButtonClick(TObject*) { Application()->HelpKeyword("Tools Options dialog box"); }

}  // namespace korvax
