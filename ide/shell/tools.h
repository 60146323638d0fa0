#pragma once
// TTools: "Tool Options", the list of the configured tools. Every change is
// written to the settings at once and the list shows the section's keys as they
// then stand; the Tools menu follows when the dialog closes.
#include <string>

#include "kcl/components/buttons.h"
#include "kcl/components/label.h"
#include "kcl/components/listbox.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/form.h"

namespace korvax {

class TTools : public kcl::TForm {
  KCL_CLASS(TTools, kcl::TForm)
public:
  // Builds the dialog from its layout "Tools" and lists the tools.
  explicit TTools(kcl::TComponent* owner);

  kcl::TLabel* Label1 = nullptr;
  kcl::TListBox* ToolsList = nullptr;
  kcl::TButton* AddButton = nullptr;
  kcl::TButton* DeleteButton = nullptr;
  kcl::TButton* EditButton = nullptr;
  kcl::TButton* CloseButton = nullptr;
  kcl::TButton* HelpButton = nullptr;
  kcl::TSpeedButton* DownButton = nullptr;
  kcl::TSpeedButton* UpButton = nullptr;

  // A clicked entry may be deleted or edited.
  void ToolsListClick(kcl::TObject* sender);
  void AddButtonClick(kcl::TObject* sender);
  void EditButtonClick(kcl::TObject* sender);
  void DeleteButtonClick(kcl::TObject* sender);
  // The selected tool one place down or up in the settings, and so in the menu.
  void DownButtonClick(kcl::TObject* sender);
  void UpButtonClick(kcl::TObject* sender);
  void HelpButtonClick(kcl::TObject* sender);

private:
  // The list := the tools' titles; selects the entry of selected when there is one.
  void FillList(const std::string& selected);
  std::string SelectedTitle() const;
  // "Tool Properties" for a new tool (oldTitle "") or the one of oldTitle.
  void ShowToolProperty(const std::string& oldTitle);
  void MoveSelected(int by);
};

}  // namespace korvax
