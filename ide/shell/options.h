#pragma once
// TOptions: "Environment Options". Shows and edits the settings of the compiler's
// directory, whether Delphi's compiler is the default one and the path of the
// alternative compiler (Free Pascal's fpc), the editor's font, size, background,
// highlighting and find-at-cursor, and the designer's grid; the other controls of
// its eight pages have no effect.
// Each setting takes effect where it is read next (a new editor page, the next
// paint of a design form, ...).
#include <string>

#include "kcl/components/colorgrid.h"
#include "kcl/components/combobox.h"
#include "kcl/components/dialogs.h"
#include "kcl/components/edit.h"
#include "kcl/components/extctrls.h"
#include "kcl/components/groupbox.h"
#include "kcl/components/pagecontrol.h"
#include "kcl/components/richedit.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/form.h"

namespace korvax {

class TOptions : public kcl::TForm {
  KCL_CLASS(TOptions, kcl::TForm)
public:
  // Builds the dialog from its layout "Options"; the framework then runs
  // FormCreate, which fills it from the settings.
  explicit TOptions(kcl::TComponent* owner);

  kcl::TPageControl* PageControl1 = nullptr;
  kcl::TTabSheet* PrefPage = nullptr;
  kcl::TCheckBox* cbDisplayGrid = nullptr;
  kcl::TCheckBox* cbSnapToGrid = nullptr;
  kcl::TEdit* ecGridSizeX = nullptr;
  kcl::TEdit* ecGridSizeY = nullptr;
  kcl::TEdit* DelphiPath = nullptr;
  kcl::TButton* RepositoryBtn = nullptr;
  kcl::TCheckBox* chkCompiler = nullptr;
  kcl::TGroupBox* gbAlterCompiler = nullptr;
  kcl::TEdit* edAlterCompiler = nullptr;
  kcl::TButton* btnBrowse = nullptr;
  kcl::TCheckBox* eoFindTextAtCursor = nullptr;
  kcl::TCheckBox* eoHighlight = nullptr;
  kcl::TComboBox* FontName = nullptr;
  kcl::TComboBox* FontSize = nullptr;
  kcl::TPanel* FontSample = nullptr;
  kcl::TColorGrid* ColorGrid = nullptr;
  kcl::TRichEdit* RichEdit1 = nullptr;
  kcl::TButton* OKButton = nullptr;
  kcl::TButton* CancelButton = nullptr;
  kcl::TButton* HelpButton = nullptr;
  kcl::TOpenDialog* OpenDialog1 = nullptr;

  void FormCreate(kcl::TObject* sender);
  // Writes the settings and closes with OK. A size that is not a number is
  // reported before anything is written, and the dialog stays as it was.
  void OKButtonClick(kcl::TObject* sender);
  void HelpButtonClick(kcl::TObject* sender);
  void RepositoryBtnClick(kcl::TObject* sender);
  // Shows the chosen font and size on the sample panel.
  void FontSizeClick(kcl::TObject* sender);
  // Shows the chosen background on the sample text; it is written by OK.
  void ColorGridClick(kcl::TObject* sender);
  // The alternative compiler can be chosen only while Delphi's is not the default.
  void chkCompilerClick(kcl::TObject* sender);
  // Chooses the alternative compiler, starting at the one shown or, while none is,
  // at fpc found on the PATH.
  void btnBrowseClick(kcl::TObject* sender);

private:
  // The font chosen in the list, or the stored one while none is chosen (a stored
  // font that is not installed stays the setting).
  std::string ChosenFontName() const;

  std::string FStoredFontName;
};

}  // namespace korvax
