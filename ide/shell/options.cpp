#include "ide/shell/options.h"

#include "ide/common/environment.h"
#include "ide/common/layouts.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/controls/application.h"
#include "kcl/platform/program.h"
#include "kcl/rtl/sysutils.h"

namespace korvax {

using namespace kcl;

namespace {

// The grid's cell of a colour, -1 for a colour the grid does not hold.
int GridIndexOf(TColor color) {
  for (int i = 0; i < TColorGrid::NumPaletteEntries; ++i)
    if (TColorGrid::ColorOf(i) == color) return i;
  return -1;
}

}  // namespace

KCL_CLASS_INFO(TOptions) {
  using T = TOptions;
  cls.field("PageControl1", &T::PageControl1);
  cls.field("PrefPage", &T::PrefPage);
  cls.field("cbDisplayGrid", &T::cbDisplayGrid);
  cls.field("cbSnapToGrid", &T::cbSnapToGrid);
  cls.field("ecGridSizeX", &T::ecGridSizeX);
  cls.field("ecGridSizeY", &T::ecGridSizeY);
  cls.field("DelphiPath", &T::DelphiPath);
  cls.field("RepositoryBtn", &T::RepositoryBtn);
  cls.field("chkCompiler", &T::chkCompiler);
  cls.field("gbAlterCompiler", &T::gbAlterCompiler);
  cls.field("edAlterCompiler", &T::edAlterCompiler);
  cls.field("btnBrowse", &T::btnBrowse);
  cls.field("eoFindTextAtCursor", &T::eoFindTextAtCursor);
  cls.field("eoHighlight", &T::eoHighlight);
  cls.field("FontName", &T::FontName);
  cls.field("FontSize", &T::FontSize);
  cls.field("FontSample", &T::FontSample);
  cls.field("ColorGrid", &T::ColorGrid);
  cls.field("RichEdit1", &T::RichEdit1);
  cls.field("OKButton", &T::OKButton);
  cls.field("CancelButton", &T::CancelButton);
  cls.field("HelpButton", &T::HelpButton);
  cls.field("OpenDialog1", &T::OpenDialog1);
  cls.method("FormCreate", &T::FormCreate);
  cls.method("OKButtonClick", &T::OKButtonClick);
  cls.method("HelpButtonClick", &T::HelpButtonClick);
  cls.method("RepositoryBtnClick", &T::RepositoryBtnClick);
  cls.method("FontSizeClick", &T::FontSizeClick);
  cls.method("ColorGridClick", &T::ColorGridClick);
  cls.method("chkCompilerClick", &T::chkCompilerClick);
  cls.method("btnBrowseClick", &T::btnBrowseClick);
}

TOptions::TOptions(TComponent* owner) : TForm(owner) { LoadFromLayout(LayoutText("Options")); }

void TOptions::FormCreate(TObject*) {
  PageControl1->SetActivePage(PrefPage);
  FontName->Items()->Assign(Screen()->Fonts());  // the screen keeps them sorted
  DelphiPath->SetText(SettingString("SYSTEM", "DELPHI", ""));
  FStoredFontName = SettingString("EDITOR", "FONTNAME", "Arial");
  FontName->SetItemIndex(FontName->Items()->IndexOf(FStoredFontName));
  const int fontSize = SettingInteger("EDITOR", "FONTSIZE", 10);
  FontSize->SetText(IntToStr(fontSize));
  for (TFont* font : {FontSample->Font(), RichEdit1->Font()}) {
    font->SetName(FStoredFontName);
    font->SetSize(fontSize);
  }
  const TColor background = SettingInteger("EDITOR", "BackColor", 0xFFFFFF);
  RichEdit1->SetColor(background);
  cbDisplayGrid->SetChecked(SettingBool("SYSTEM", "DisplayGrid", true));
  eoFindTextAtCursor->SetChecked(SettingBool("EDITOR", "FindTextCursor", true));
  cbSnapToGrid->SetChecked(SettingBool("SYSTEM", "SnapGrid", true));
  ecGridSizeX->SetText(IntToStr(SettingInteger("SYSTEM", "GridSizeX", 8)));
  ecGridSizeY->SetText(IntToStr(SettingInteger("SYSTEM", "GridSizeY", 8)));
  eoHighlight->SetChecked(SettingBool("EDITOR", "HighLight", true));
  ColorGrid->SetForegroundIndex(GridIndexOf(background));
  chkCompiler->SetChecked(SettingBool("SYSTEM", "UseDelphiCompiler", true));
  edAlterCompiler->SetText(SettingString("SYSTEM", "AltCompiler", ""));
  // Setting the box runs OnClick only on a change and not while the layout loads:
  // the group follows the stored state whichever way the box came to it.
  chkCompilerClick(chkCompiler);
}

std::string TOptions::ChosenFontName() const {
  return FontName->ItemIndex() >= 0 ? FontName->Text() : FStoredFontName;
}

void TOptions::OKButtonClick(TObject*) {
  // The button's modal result would close the dialog on a failed conversion.
  SetModalResult(mrNone);
  const int fontSize = StrToInt(FontSize->Text());
  const int gridSizeX = StrToInt(ecGridSizeX->Text());
  const int gridSizeY = StrToInt(ecGridSizeY->Text());
  IniFile->WriteString("SYSTEM", "DELPHI", DelphiPath->Text());
  IniFile->WriteString("EDITOR", "FONTNAME", ChosenFontName());
  IniFile->WriteInteger("EDITOR", "FONTSIZE", fontSize);
  IniFile->WriteBool("EDITOR", "HighLight", eoHighlight->Checked());
  IniFile->WriteBool("EDITOR", "FindTextCursor", eoFindTextAtCursor->Checked());
  IniFile->WriteBool("SYSTEM", "DisplayGrid", cbDisplayGrid->Checked());
  IniFile->WriteBool("SYSTEM", "SnapGrid", cbSnapToGrid->Checked());
  IniFile->WriteInteger("SYSTEM", "GridSizeX", gridSizeX);
  IniFile->WriteInteger("SYSTEM", "GridSizeY", gridSizeY);
  IniFile->WriteInteger("EDITOR", "BackColor", RichEdit1->Color());
  IniFile->WriteBool("SYSTEM", "UseDelphiCompiler", chkCompiler->Checked());
  IniFile->WriteString("SYSTEM", "AltCompiler", edAlterCompiler->Text());
  SetModalResult(mrOk);
}

void TOptions::HelpButtonClick(TObject*) { Application()->HelpKeyword("Preferences page"); }

void TOptions::RepositoryBtnClick(TObject*) {
  std::string directory = DelphiPath->Text();
  if (SelectDirectory("Select Directory", "", directory)) DelphiPath->SetText(directory);
}

void TOptions::FontSizeClick(TObject*) {
  TFont* font = FontSample->Font();
  font->SetName(ChosenFontName());
  font->SetSize(StrToIntDef(FontSize->Text(), font->Size()));
}

void TOptions::ColorGridClick(TObject*) { RichEdit1->SetColor(ColorGrid->ForegroundColor()); }

void TOptions::chkCompilerClick(TObject*) { gbAlterCompiler->SetEnabled(!chkCompiler->Checked()); }

void TOptions::btnBrowseClick(TObject*) {
  std::string start = edAlterCompiler->Text();
  if (start.empty()) start = ExpandFileName(FindProgram("fpc").Path);  // "" when there is none
  OpenDialog1->SetInitialDir(ExtractFileDir(start));
  OpenDialog1->SetFileName(ExtractFileName(start));
  // This system's programs have no ".exe": the layout's first filter would hide them.
  OpenDialog1->SetFilterIndex(start.empty() || SameText(ExtractFileExt(start), ".exe") ? 1 : 2);
  if (OpenDialog1->Execute()) edAlterCompiler->SetText(OpenDialog1->FileName());
}

}  // namespace korvax
