// The main window's saving: a unit with its form, a file under another name, the
// whole project, and the close question that saves it.
#include <vector>

#include "ide/common/diskfiles.h"
#include "ide/common/environment.h"
#include "ide/common/textutils.h"
#include "ide/designer/formfiles.h"
#include "ide/designer/proxyform.h"
#include "ide/editor/editorform.h"
#include "ide/editor/sourcegen.h"
#include "ide/shell/mainform.h"
#include "kcl/classes/streams.h"
#include "kcl/components/msgdlg.h"
#include "kcl/controls/application.h"
#include "kcl/rtl/sysutils.h"

namespace korvax {

using namespace kcl;
using editor::EditorForm;

bool TFMainForm::ConfirmOverwrite(const std::string& target) {
  const std::string question = Format("Same filename exists already! Save changes to %s?", {ExtractFileName(target)});
  switch (MessageDlg(question, mtWarning, mbYesNoCancel, 0)) {
    case mrYes: return true;
    case mrNo: return false;
    default: throw EAbort("Operation aborted");
  }
}

void TFMainForm::WriteProjectSource(const std::string& fileName) {
  SaveBytesToFile(fileName, JoinLines(*ProjectInfo->Source(), FProjectBreaks));
}

bool TFMainForm::SaveFile(const std::string& fileName) {
  if (fileName == "Project1") {
    SaveDialog1->SetFileName("Project1.dpr");
    SaveDialog1->SetFilterIndex(1);
    if (!SaveDialog1->Execute()) return false;
    WriteProjectSource(SaveDialog1->FileName());
    ProjectInfo->SetProjectDir(ExtractFilePath(SaveDialog1->FileName()));
    return true;
  }
  TRichEdit* edit = EditorForm ? EditorForm->FindFileEditor(fileName) : nullptr;
  // A unit nobody opened has nothing new to write, and another page's text is not its.
  if (!edit) return true;
  // A bare name is the page's own file, wherever that is.
  const std::string name = ExtractFilePath(fileName).empty() ? EditorForm->FileNameOf(edit) : fileName;
  std::string target = name;
  if (SameText(ExtractFileExt(name), ".pas")) {
    SaveDialog1->SetFileName(name);
    SaveDialog1->SetFilterIndex(2);
    designer::TProxyForm* form = DesignFormOfUnit(name);
    edit->SetPlainText(true);
    if (!SaveDialog1->Execute()) return false;
    target = SaveDialog1->FileName();
    if (form) SaveForm(form, ChangeFileExt(target, ".dfm"));
  }
  const bool renamed = !SameDiskFile(target, name);
  if (DiskFileExists(target) && !ConfirmOverwrite(target)) return true;
  // Saved under another name, the unit is called after its file.
  if (renamed) editor::SetUnitNameText(*edit->Lines(), target);
  EditorForm->WritePage(edit, DiskFileName(target));
  if (!renamed) return true;
  ProjectInfo->RenameUnit(ExtractFileName(name), ExtractFileName(target));
  // The page and the project's entry follow the unit, so that saving again writes
  // it, and its form, under the new name.
  EditorForm->RenamePage(edit, target);
  TStrings& units = *ProjectInfo->Units();
  for (int i = 0; i < units.Count(); ++i)
    if (SameUnitName(UnitFileOfEntry(units.Strings(i)), name)) units.Put(i, target);
  return true;
}

bool TFMainForm::SaveFileAs(const std::string& name) {
  SaveDialog1->SetInitialDir(SettingString("system", "LastPath", ProgramDir));
  SaveDialog1->SetFileName(name);
  SaveDialog1->SetFilterIndex(2);
  if (!SaveDialog1->Execute()) return false;
  TRichEdit* edit = EditorForm ? EditorForm->FindFileEditor(name) : nullptr;
  if (!edit) return true;
  designer::TProxyForm* form = DesignFormOfUnit(name);
  edit->SetPlainText(true);
  const std::string target = SaveDialog1->FileName();
  if (DiskFileExists(target) && !ConfirmOverwrite(target)) return true;
  EditorForm->WritePage(edit, DiskFileName(target));
  // The page shows the file it was written to, as the form does once saved there.
  EditorForm->RenamePage(edit, target);
  if (form) SaveForm(form, ChangeFileExt(target, ".dfm"));
  return true;
}

bool TFMainForm::SaveForm(designer::TProxyForm* form, const std::string& dfmFile) {
  try {
    designer::WriteFormFile(*form, DiskFileName(dfmFile));
  } catch (const std::exception& e) {
    // The old file stays; so does the form, with what it holds.
    Application()->ShowException(e);
    return false;
  }
  // The form written is what the file holds now, and it stays: one read again
  // would be a new instance, and the other forms' references to its components
  // (a data module's data sources) would be lost at their next save.
  form->UnitFileName = ExtractBaseName(dfmFile) + ".pas";
  CurrentDesignForm = form;
  CurrentUnitFile = ChangeFileExt(dfmFile, ".pas");
  return true;
}

bool TFMainForm::SaveProject(const std::string& name) {
  SaveProjectFiles(name);
  return !name.empty();
}

bool TFMainForm::SaveProjectFiles(const std::string& name) {
  sbSaveAll->SetEnabled(false);
  bool complete = true;
  try {
    // A save under another name changes the entries.
    std::vector<std::string> entries;
    for (int i = 0; i < ProjectInfo->Units()->Count(); ++i) entries.push_back(ProjectInfo->Units()->Strings(i));
    for (const std::string& entry : entries) {
      CurrentUnitFile = UnitFileOfEntry(entry);
      complete = SaveFile(CurrentUnitFile) && complete;
    }
  } catch (...) {
    // Aborted, something is left to save.
    sbSaveAll->SetEnabled(true);
    throw;
  }
  if (ProjectInfo->State() != psNew && DiskFileExists(name)) {
    WriteProjectSource(DiskFileName(name));
  } else {
    SaveDialog1->SetFileName(ExtractFileName(name));
    SaveDialog1->SetFilterIndex(1);
    if (SaveDialog1->Execute()) {
      ProjectInfo->SetProjectFile(SaveDialog1->FileName());
      // Units added from now on go beside it.
      ProjectInfo->SetProjectDir(ExtractFilePath(SaveDialog1->FileName()));
      WriteProjectSource(SaveDialog1->FileName());
    } else {
      complete = false;
    }
  }
  // Something left unsaved keeps the project as it was, so that closing still asks.
  if (complete) ProjectInfo->SetState(psSaved);
  // A unit renamed as it was saved counted as a change.
  sbSaveAll->SetEnabled(!complete);
  return complete;
}

void TFMainForm::FileSaveItemClick(TObject*) {
  if (TRichEdit* edit = EditorForm ? EditorForm->ActiveEditor() : nullptr) SaveFile(EditorForm->FileNameOf(edit));
}

void TFMainForm::FileSaveAsItemClick(TObject*) {
  if (TRichEdit* edit = EditorForm ? EditorForm->ActiveEditor() : nullptr) SaveFileAs(EditorForm->FileNameOf(edit));
}

void TFMainForm::FileSaveProjectAsItemClick(TObject*) { SaveProject("project1.dpr"); }

void TFMainForm::FileSaveAllItemClick(TObject*) { SaveProject(ProjectInfo->ProjectFile()); }

}  // namespace korvax
