// The main window's file commands: new, open and close projects and files, and
// the View commands that open project members.
#include "ide/common/diskfiles.h"
#include "ide/common/environment.h"
#include "ide/common/routines.h"
#include "ide/designer/formfiles.h"
#include "ide/designer/proxyform.h"
#include "ide/editor/editorform.h"
#include "ide/editor/sourcegen.h"
#include "ide/project/projectsource.h"
#include "ide/shell/mainform.h"
#include "ide/shell/viewform.h"
#include "kcl/classes/streams.h"
#include "kcl/components/editmessages.h"
#include "kcl/components/msgdlg.h"
#include "kcl/rtl/sysutils.h"

namespace korvax {

using namespace kcl;
using editor::EditorForm;

namespace {

int EntriesContaining(const TStrings& entries, const std::string& word) {
  int count = 0;
  for (int i = 0; i < entries.Count(); ++i)
    if (entries.Strings(i).find(word) != std::string::npos) ++count;
  return count;
}

}  // namespace

// --- names

std::string TFMainForm::NewUnitFileName() const {
  return "Unit" + std::to_string(EntriesContaining(*ProjectInfo->Units(), "Unit") + 1) + ".pas";
}

std::string TFMainForm::NewFormFileName() const {
  return "Form" + std::to_string(EntriesContaining(*ProjectInfo->Forms(), "Form") + 1) + ".dfm";
}

std::string TFMainForm::FindUnitForForm(const std::string& formName) const {
  const TStrings& forms = *ProjectInfo->Forms();
  for (int i = 0; i < forms.Count(); ++i)
    if (forms.Strings(i).find(formName) != std::string::npos)
      return i < ProjectInfo->Units()->Count() ? ProjectInfo->Units()->Strings(i) : std::string();
  return {};
}

std::string TFMainForm::UnitFileOfEntry(const std::string& entry) const {
  return ExtractFileExt(entry).empty() ? ProjectInfo->ProjectDir() + entry + ".pas" : entry;
}

designer::TProxyForm* TFMainForm::DesignFormOfUnit(const std::string& unitFile) const {
  if (CurrentDesignForm && SameUnitName(CurrentDesignForm->UnitFileName, unitFile)) return CurrentDesignForm;
  for (designer::TProxyForm* form : DesignForms())
    if (SameUnitName(form->UnitFileName, unitFile)) return form;
  return nullptr;
}

// --- projects

bool TFMainForm::OpenProject(const std::string& name) {
  CloseAll();
  ProjectInfo->SetProjectFile(name);
  SetProjectCaption(name);
  if (name.empty()) sbSaveAll->SetEnabled(true);
  // "Project1" is a project only when a file of exactly that name is there.
  if (name.empty() || !FileExists(name)) {
    ResetProject();
    return !name.empty();
  }
  ProjectInfo->ParseProjectFile(name);
  FProjectBreaks = LineBreaksOf(LoadBytesFromFile(name));
  OpenFile(ProjectInfo->ProjectDir() + FindUnitForForm(ProjectInfo->MainForm()) + ".pas");
  AddProjectHistory(name);
  return true;
}

void TFMainForm::CloseAll() {
  if (ProjectInfo->State() == psModified &&
      MessageDlg(Format("Save Changes to project %s?", {ExtractFileName(ProjectInfo->ProjectFile())}), mtWarning,
                 mbYesNoCancel, 0) == mrYes)
    SaveProject(ProjectInfo->ProjectFile());
  if (EditorForm) {
    TCloseAction action = caHide;
    EditorForm->FormClose(EditorForm, action);
    // Cancel keeps the pages, and with them everything else, open.
    if (action == caNone) throw EAbort("Operation aborted");
    EditorForm->Hide();
    EditorForm->CloseOtherPages();
  }
  for (designer::TProxyForm* form : DesignForms()) FreeDesignForm(form);
  DesignFormActive = false;
  ResetProject();
}

void TFMainForm::StartNewApplication() {
  if (EditorForm) {
    EditorForm->Host = this;
    EditorForm->RenamePage(EditorForm->RichEdit1, "Unit1.pas");
    EditorForm->RichEdit1->Lines()->Assign(editor::NewUnitSource("Unit1", "Form1").get());
    EditorForm->RichEdit1->Perform(EM_SETMODIFY, 0, 0);
    EditorForm->PageControl1->SetActivePage(EditorForm->TabSheet1);
    editor::CurrentEditor = EditorForm->RichEdit1;
  }
  CreateDesignForm("Form1.dfm", "Unit1.pas");
}

// --- files

void TFMainForm::OpenFile(const std::string& name) {
  if (!DiskFileExists(name) || !EditorForm) return;
  const std::string extension = ExtractFileExt(name);
  if (SameText(extension, ".dpr")) {
    // The open project's own file leaves its source's first line alone: it may
    // say "library", or name the program in its own letter case.
    if (!SameDiskFile(name, ProjectInfo->ProjectFile())) ProjectInfo->SetProjectFile(name);
    ProjectInfo->SetProjectDir(ExtractFilePath(name));
    if (ProjectInfo->State() != psNew) EditorForm->OpenInEditor(name);
  } else if (SameText(extension, ".dfm")) {
    // The form first, so that the page shows the text it has now.
    designer::TProxyForm* form = DesignFormOfUnit(name);
    if (!form) form = LoadForm(name);
    if (form) SaveBytesToFile(FormTextFile(), designer::FormText(*form));
    EditorForm->OpenInEditor(name);
  } else if (SameText(extension, ".pas")) {
    if (!ShowOpenUnit(name)) {
      EditorForm->OpenInEditor(name);
      LoadForm(name.substr(0, name.size() - 3) + "dfm");
    }
  } else {
    EditorForm->OpenInEditor(name);
  }
  AddFileHistory(name);
}

bool TFMainForm::ShowOpenUnit(const std::string& unitFile) {
  TRichEdit* page = EditorForm->FindFileEditor(unitFile);
  if (!page || !SameDiskFile(EditorForm->FileNameOf(page), unitFile)) return false;
  EditorForm->ShowPage(page);
  if (designer::TProxyForm* form = DesignFormOfUnit(unitFile)) {
    form->Show();
    CurrentDesignForm = form;
  }
  return true;
}

designer::TProxyForm* TFMainForm::LoadForm(const std::string& dfmFile) {
  std::string error;
  designer::TProxyForm* form = designer::LoadFormFile(DiskFileName(dfmFile), PaletteChoice, error);
  if (form) {
    form->UnitFileName = ExtractBaseName(dfmFile) + ".pas";
    AttachDesignForm(*form);
    // The unit beside the form file: what its page and its design form name.
    CurrentUnitFile = ChangeFileExt(dfmFile, ".pas");
  }
  // A file not read whole, or not at all.
  if (!error.empty()) Application()->ShowException(EReadError(error));
  return form;
}

// --- commands

void TFMainForm::FileNewApplicationItemClick(TObject*) {
  OpenProject("Project1");
  if (ProjectInfo->State() != psNew) return;
  // A new application starts as the program does, with Form1 and its unit.
  StartNewApplication();
  if (EditorForm) EditorForm->Show();
  ResetProject();
}

void TFMainForm::FileNewFormItemClick(TObject*) {
  const std::string unit = NewUnitFileName();
  const std::string form = NewFormFileName();
  const std::string dir = ProjectInfo->ProjectDir();
  ProjectInfo->Units()->Add(dir + unit);
  ProjectInfo->Forms()->Add(dir + form);
  AddUnitToProjectSource(*ProjectInfo->Source(), dir + unit, dir + form);
  CreateDesignForm(ExtractBaseName(form), unit);
  if (EditorForm) EditorForm->OpenInEditor(unit);
}

namespace {

// A settings file that cannot be written does not stop the command.
void WriteLastPath(const std::string& chosenFile) {
  try {
    if (IniFile) IniFile->WriteString("system", "LastPath", ExtractFilePath(chosenFile));
  } catch (const Exception&) {
  }
}

}  // namespace

void TFMainForm::FileOpenItemClick(TObject*) {
  OpenDialog1->SetTitle("Open");
  OpenDialog1->SetFilter(DelphiFilesFilter);
  OpenDialog1->SetInitialDir(SettingString("system", "LastPath", ProgramDir));
  OpenDialog1->SetFilterIndex(1);
  if (!OpenDialog1->Execute()) return;
  WriteLastPath(OpenDialog1->FileName());
  OpenFile(OpenDialog1->FileName());
}

void TFMainForm::sbOpenProjectClick(TObject*) {
  OpenDialog1->SetTitle("Open Project");
  OpenDialog1->SetFilterIndex(2);
  OpenDialog1->SetInitialDir(SettingString("system", "LastPath", ProgramDir));
  if (!OpenDialog1->Execute()) return;
  OpenProject(OpenDialog1->FileName());
  WriteLastPath(OpenDialog1->FileName());
}

void TFMainForm::FileCloseItemClick(TObject*) {
  TRichEdit* edit = EditorForm ? EditorForm->ActiveEditor() : nullptr;
  if (!edit) return;
  const std::string file = EditorForm->FileNameOf(edit);
  // A save cancelled closes nothing.
  if (edit->Perform(EM_GETMODIFY, 0, 0) != 0 && !SaveFile(file)) return;
  // The first page stays, and so does its form.
  if (edit == EditorForm->RichEdit1) return;
  // The form of the page's unit goes with it, not whichever form was made last.
  designer::TProxyForm* form = SameText(ExtractFileExt(file), ".pas") ? DesignFormOfUnit(file) : nullptr;
  EditorForm->ClosePage(edit);
  FreeDesignForm(form);
}

void TFMainForm::FileCloseAllItemClick(TObject*) { CloseAll(); }

void TFMainForm::FilePrintItemClick(TObject*) {
  if (!editor::CurrentEditor || !EditorForm || !EditorForm->PageControl1->ActivePage()) return;
  editor::CurrentEditor->Print(EditorForm->PageControl1->ActivePage()->Caption());
}

void TFMainForm::ViewProjectSourceItemClick(TObject*) {
  if (ProjectInfo->State() != psNew)
    OpenFile(ProjectInfo->ProjectFile());
  else if (EditorForm)
    EditorForm->OpenInEditor("Project1");
}

void TFMainForm::ViewToggleItemClick(TObject*) {
  if (!EditorForm) return;
  if (DesignFormActive) {
    EditorForm->Show();
    if (EditorForm->CanFocus()) EditorForm->SetFocus();
    return;
  }
  for (designer::TProxyForm* form : DesignForms())
    if (SameText(ExtractFileName(form->UnitFileName), ExtractFileName(EditorForm->Caption()))) {
      form->Show();
      if (form->CanFocus()) form->SetFocus();
    }
}

void TFMainForm::ViewUnitsItemClick(TObject*) { ChooseFromList(false); }

void TFMainForm::ViewFormsItemClick(TObject*) { ChooseFromList(true); }

void TFMainForm::ChooseFromList(bool forms) {
  const std::unique_ptr<TViewForm, TObjectFree> chooser(new TViewForm(Application()));
  chooser->SetCaption(forms ? "Form List" : "Unit List");
  chooser->NameList->Items()->Assign(forms ? ProjectInfo->Forms() : ProjectInfo->Units());
  if (chooser->ShowModal() == mrCancel) return;
  const std::string name = chooser->NameEdit->Text();
  OpenFile(ProjectInfo->ProjectDir() + (forms ? FindUnitForForm(name) : name) + ".pas");
}

}  // namespace korvax
