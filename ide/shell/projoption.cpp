#include "ide/shell/projoption.h"

#include <algorithm>
#include <initializer_list>

#include "ide/common/layouts.h"
#include "ide/common/routines.h"
#include "ide/project/autocreate.h"
#include "ide/shell/mainform.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/classes/streams.h"
#include "kcl/desktop/help.h"
#include "kcl/rtl/sysutils.h"

namespace korvax {

using namespace kcl;

namespace {

// The file dialogs' filters in Korean, code page 949, as the dialog's font is:
// help files, icons, and all files.
const char* const HelpFileFilter =
    "\xB5\xB5\xBF\xF2\xB8\xBB \xC6\xC4\xC0\xCF(*.hlp)|*.hlp|\xB8\xF0\xB5\xE7 \xC6\xC4\xC0\xCF|*.*";
const char* const IconFileFilter =
    "\xBE\xC6\xC0\xCC\xC4\xDC \xC6\xC4\xC0\xCF(*.ico)|*.ico|\xB8\xF0\xB5\xE7 \xC6\xC4\xC0\xCF|*.*";

// The selected entry of one list to the end of the other.
void MoveSelected(TListBox& from, TListBox& to) {
  const int index = from.ItemIndex();
  if (index < 0) return;
  to.Items()->Add(from.Items()->Strings(index));
  from.Items()->Delete(index);
}

void MoveAll(TListBox& from, TListBox& to) {
  for (int i = 0; i < from.Items()->Count(); ++i) to.Items()->Add(from.Items()->Strings(i));
  from.Items()->Clear();
}

void DropEmptyEntries(TStrings& items) {
  for (int i = items.Count() - 1; i >= 0; --i)
    if (items.Strings(i).empty()) items.Delete(i);
}

std::string HexNumber(int32_t value) { return "$" + IntToHex(value, 8); }

// The value the source assigns (the last assignment wins), "" without one: the
// project model keeps a title from the project opened before.
std::string AssignedValue(const TProjectInfo& project, std::string_view name) {
  std::string value;
  for (int i = 0; i < project.Source()->Count(); ++i)
    if (const std::string line = project.Source()->Strings(i); line.find(name) != std::string::npos)
      value = TProjectInfo::ExtractQuotedValue(line);
  return value;
}

}  // namespace

KCL_CLASS_INFO(TProjOption) {
  using T = TProjOption;
  cls.field("PageControl1", &T::PageControl1);
  cls.field("FormsPage", &T::FormsPage);
  cls.field("cbMainForm", &T::cbMainForm);
  cls.field("AutoCreateForms", &T::AutoCreateForms);
  cls.field("AvailableForms", &T::AvailableForms);
  cls.field("MoveToAvailableButton", &T::MoveToAvailableButton);
  cls.field("MoveToAutoCreateButton", &T::MoveToAutoCreateButton);
  cls.field("AllToAvailableButton", &T::AllToAvailableButton);
  cls.field("AllToAutoCreateButton", &T::AllToAutoCreateButton);
  cls.field("AppTitle", &T::AppTitle);
  cls.field("AppHelpFile", &T::AppHelpFile);
  cls.field("AppIcon", &T::AppIcon);
  cls.field("TargetExt", &T::TargetExt);
  cls.field("cbShowHints", &T::cbShowHints);
  cls.field("cbShowWarnings", &T::cbShowWarnings);
  cls.field("rbMapOff", &T::rbMapOff);
  cls.field("rbMapSegments", &T::rbMapSegments);
  cls.field("rbMapPublics", &T::rbMapPublics);
  cls.field("rbMapDetailed", &T::rbMapDetailed);
  cls.field("rbGenerateDCUs", &T::rbGenerateDCUs);
  cls.field("rbGenerateObjects", &T::rbGenerateObjects);
  cls.field("cbTD32DebugInfo", &T::cbTD32DebugInfo);
  cls.field("cbConsoleApp", &T::cbConsoleApp);
  cls.field("MinStackSize", &T::MinStackSize);
  cls.field("MaxStackSize", &T::MaxStackSize);
  cls.field("ImageBase", &T::ImageBase);
  cls.field("ExeDescription", &T::ExeDescription);
  cls.field("OutputDir", &T::OutputDir);
  cls.field("UnitOutputDir", &T::UnitOutputDir);
  cls.field("SearchPath", &T::SearchPath);
  cls.field("DebugSourcePath", &T::DebugSourcePath);
  cls.field("Conditionals", &T::Conditionals);
  cls.field("UnitAliases", &T::UnitAliases);
  cls.field("DefaultCheck", &T::DefaultCheck);
  cls.field("OKButton", &T::OKButton);
  cls.field("CancelButton", &T::CancelButton);
  cls.field("HelpButton", &T::HelpButton);
  cls.field("OpenDialog1", &T::OpenDialog1);
  cls.method("FormCreate", &T::FormCreate);
  cls.method("FormShow", &T::FormShow);
  cls.method("MoveToAvailableButtonClick", &T::MoveToAvailableButtonClick);
  cls.method("MoveToAutoCreateButtonClick", &T::MoveToAutoCreateButtonClick);
  cls.method("AllToAvailableButtonClick", &T::AllToAvailableButtonClick);
  cls.method("AllToAutoCreateButtonClick", &T::AllToAutoCreateButtonClick);
  cls.method("BrowseButtonClick", &T::BrowseButtonClick);
  cls.method("LoadIconButtonClick", &T::LoadIconButtonClick);
  cls.method("OKButtonClick", &T::OKButtonClick);
  cls.method("HelpButtonClick", &T::HelpButtonClick);
}

TProjOption::TProjOption(TComponent* owner) : TForm(owner) { LoadFromLayout(LayoutText("ProjOption")); }

void TProjOption::FormCreate(TObject*) {
  const TProjectInfo& project = *FMainForm->ProjectInfo;
  PageControl1->SetActivePage(FormsPage);
  cbMainForm->Items()->Assign(project.Forms());
  SplitAutoCreateForms(*project.Source(), *project.Forms(), *AutoCreateForms->Items(), *AvailableForms->Items());
  cbMainForm->SetItemIndex(
      AutoCreateForms->Items()->Count() > 0 ? cbMainForm->Items()->IndexOf(AutoCreateForms->Items()->Strings(0)) : -1);
  AppTitle->SetText(AssignedValue(project, "Application.Title"));
  AppHelpFile->SetText(AssignedValue(project, "Application.HelpFile"));
  const std::string configFile = ConfigFileOf(project.ProjectFile());
  FReadConfig = FileExists(configFile) ? ParseProjectConfig(LoadBytesFromFile(configFile)) : TProjectConfig();
  ShowConfig(FReadConfig);
}

void TProjOption::FormShow(TObject*) {
  const std::string mainForm = cbMainForm->ItemIndex() >= 0 ? cbMainForm->Items()->Strings(cbMainForm->ItemIndex()) : "";
  DropEmptyEntries(*cbMainForm->Items());
  cbMainForm->SetItemIndex(mainForm.empty() ? -1 : cbMainForm->Items()->IndexOf(mainForm));
  DropEmptyEntries(*AvailableForms->Items());
}

void TProjOption::MoveToAvailableButtonClick(TObject*) { MoveSelected(*AutoCreateForms, *AvailableForms); }
void TProjOption::MoveToAutoCreateButtonClick(TObject*) { MoveSelected(*AvailableForms, *AutoCreateForms); }
void TProjOption::AllToAvailableButtonClick(TObject*) { MoveAll(*AutoCreateForms, *AvailableForms); }
void TProjOption::AllToAutoCreateButtonClick(TObject*) { MoveAll(*AvailableForms, *AutoCreateForms); }

void TProjOption::BrowseButtonClick(TObject*) {
  OpenDialog1->SetFilter(HelpFileFilter);
  OpenDialog1->SetFileName("");
  if (OpenDialog1->Execute()) AppHelpFile->SetText(OpenDialog1->FileName());
}

void TProjOption::LoadIconButtonClick(TObject*) {
  OpenDialog1->SetFilter(IconFileFilter);
  OpenDialog1->SetFileName("");
  if (OpenDialog1->Execute()) AppIcon->Picture()->LoadFromFile(OpenDialog1->FileName());
}

void TProjOption::HelpButtonClick(TObject*) { Application()->HelpKeyword("Project Options dialog box"); }

std::vector<std::pair<TCheckBox*, char>> TProjOption::DirectiveBoxes() const {
  std::vector<std::pair<TCheckBox*, char>> boxes;
  for (const auto& [name, letter] : std::initializer_list<std::pair<const char*, char>>{
           {"cbOptimization", 'O'}, {"cbAlignedFields", 'A'}, {"cbStackFrames", 'W'}, {"cbPentiumSafe", 'U'},
           {"cbRangeChecking", 'R'}, {"cbIOChecking", 'I'}, {"cbOverflowChecking", 'Q'},
           {"cbStrictVarStrings", 'V'}, {"cbCompleteBoolean", 'B'}, {"cbExtendedSyntax", 'X'},
           {"cbTypedAddress", 'T'}, {"cbOpenParameters", 'P'}, {"cbHugeStrings", 'H'},
           {"cbAssignableConsts", 'J'}, {"cbDebugInfo", 'D'}, {"cbLocalSymbols", 'L'}, {"cbSymbolInfo", 'Y'},
           {"cbAssertions", 'C'}})
    boxes.emplace_back(dynamic_cast<TCheckBox*>(FindComponent(name)), letter);
  return boxes;
}

void TProjOption::ShowConfig(const TProjectConfig& config) {
  for (const auto& [box, letter] : DirectiveBoxes()) box->SetChecked(config.Directives.at(letter));
  cbShowHints->SetChecked(config.Hints);
  cbShowWarnings->SetChecked(config.Warnings);
  MinStackSize->SetText(HexNumber(config.MinStackSize));
  MaxStackSize->SetText(HexNumber(config.MaxStackSize));
  ImageBase->SetText(HexNumber(config.ImageBase));
  cbTD32DebugInfo->SetChecked(config.TD32DebugInfo);
  cbConsoleApp->SetChecked(config.Console);
  (config.ObjectFiles ? rbGenerateObjects : rbGenerateDCUs)->SetChecked(true);
  const TMapFile map = config.MapFile;
  (map == TMapFile::Segments  ? rbMapSegments
   : map == TMapFile::Publics ? rbMapPublics
   : map == TMapFile::Detailed ? rbMapDetailed
                               : rbMapOff)
      ->SetChecked(true);
  Conditionals->SetText(config.Defines);
  OutputDir->SetText(config.OutputDir);
  SearchPath->SetText(config.SearchPath);
  UnitOutputDir->SetText(config.UnitOutputDir);
  UnitAliases->SetText(config.UnitAliases);
}

TProjectConfig TProjOption::PagesConfig() const {
  TProjectConfig config = FReadConfig;
  config.MinStackSize = StrToInt(Trim(MinStackSize->Text()));
  config.MaxStackSize = StrToInt(Trim(MaxStackSize->Text()));
  config.ImageBase = StrToInt(Trim(ImageBase->Text()));
  for (const auto& [box, letter] : DirectiveBoxes()) config.Directives[letter] = box->Checked();
  config.Hints = cbShowHints->Checked();
  config.Warnings = cbShowWarnings->Checked();
  config.TD32DebugInfo = cbTD32DebugInfo->Checked();
  config.Console = cbConsoleApp->Checked();
  config.ObjectFiles = rbGenerateObjects->Checked();
  config.MapFile = rbMapSegments->Checked()   ? TMapFile::Segments
                   : rbMapPublics->Checked()  ? TMapFile::Publics
                   : rbMapDetailed->Checked() ? TMapFile::Detailed
                                              : TMapFile::Off;
  config.Defines = Conditionals->Text();
  config.OutputDir = OutputDir->Text();
  config.SearchPath = SearchPath->Text();
  config.UnitOutputDir = UnitOutputDir->Text();
  config.UnitAliases = UnitAliases->Text();
  return config;
}

std::vector<std::string> TProjOption::CreatedForms() const {
  std::vector<std::string> forms;
  const int main = cbMainForm->ItemIndex();
  if (main >= 0) forms.push_back(FormNameOfEntry(cbMainForm->Items()->Strings(main)));
  for (int i = 0; i < AutoCreateForms->Items()->Count(); ++i) {
    const std::string form = FormNameOfEntry(AutoCreateForms->Items()->Strings(i));
    if (!form.empty() && std::find(forms.begin(), forms.end(), form) == forms.end()) forms.push_back(form);
  }
  return forms;
}

void TProjOption::SaveConfig(const TProjectConfig& config) const {
  const std::string configFile = ConfigFileOf(FMainForm->ProjectInfo->ProjectFile());
  if (config != FReadConfig || FileExists(configFile)) SaveBytesToFile(configFile, ProjectConfigText(config));
}

void TProjOption::OKButtonClick(TObject*) {
  const TProjectConfig config = PagesConfig();  // raises on a number that is not one
  TProjectInfo& project = *FMainForm->ProjectInfo;
  const bool formsChanged = SetAutoCreateForms(*project.Source(), CreatedForms());
  if (formsChanged) project.FindMainForm();
  // An unchanged title or help file is not written: an empty one would become an
  // empty assignment in the source.
  bool saved = false;
  if (AppTitle->Text() != AssignedValue(project, "Application.Title")) saved = project.SetTitle(AppTitle->Text());
  if (AppHelpFile->Text() != AssignedValue(project, "Application.HelpFile"))
    saved = project.SetHelpFile(AppHelpFile->Text()) || saved;
  if (formsChanged && !saved) FMainForm->SourceChanged();
  SaveConfig(config);
  SetModalResult(mrOk);
}

}  // namespace korvax
