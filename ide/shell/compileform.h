#pragma once
// TCompile: the "Compile Information" dialog with what the compiler wrote. A
// double click on a message that names a file and a line opens the unit there.
#include <string>

#include "kcl/components/edit.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/form.h"

namespace korvax {

// Where "execute.bat" sends the compiler's output: "compile.~tx" in SettingsDir.
std::string CompileOutputFile();

class TCompile : public kcl::TForm {
  KCL_CLASS(TCompile, kcl::TForm)
public:
  // Builds the dialog from its layout "Compile".
  explicit TCompile(kcl::TComponent* owner);

  kcl::TMemo* Memo1 = nullptr;
  kcl::TButton* OKButton = nullptr;

  // The compiler's output goes into the memo once: the file is deleted.
  void FormCreate(kcl::TObject* sender);
  // Opens the unit of the message under the caret at its line, and closes the dialog.
  void Memo1DblClick(kcl::TObject* sender);
};

}  // namespace korvax
