#pragma once
// TToolProperty: "Tool Properties", one tool's title and command line. OK writes
// the tool into the settings, in place of the tool being edited.
#include <string>

#include "kcl/components/dialogs.h"
#include "kcl/components/edit.h"
#include "kcl/components/label.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/form.h"

namespace korvax {

class TToolProperty : public kcl::TForm {
  KCL_CLASS(TToolProperty, kcl::TForm)
public:
  // Builds the dialog from its layout "ToolProperty".
  explicit TToolProperty(kcl::TComponent* owner);

  kcl::TLabel* Label1 = nullptr;
  kcl::TLabel* Label2 = nullptr;
  kcl::TEdit* TitleEdit = nullptr;
  kcl::TEdit* ProgramEdit = nullptr;
  kcl::TButton* OKButton = nullptr;
  kcl::TButton* CancelButton = nullptr;
  kcl::TButton* HelpButton = nullptr;
  kcl::TButton* BrowseButton = nullptr;
  kcl::TOpenDialog* OpenDialog1 = nullptr;

  // The title of the tool being edited, "" for a new one.
  std::string EditedTitle;
  // The title written by OK, without the blanks around it.
  std::string Title() const;

  // Writes the tool and closes with OK; with no title it writes nothing and
  // closes with Cancel.
  void OKButtonClick(kcl::TObject* sender);
  void BrowseButtonClick(kcl::TObject* sender);
};

}  // namespace korvax
