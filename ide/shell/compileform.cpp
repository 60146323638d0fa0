#include "ide/shell/compileform.h"

#include <algorithm>

#include "ide/common/diskfiles.h"
#include "ide/common/environment.h"
#include "ide/common/layouts.h"
#include "ide/editor/editorform.h"
#include "ide/shell/compilemessage.h"
#include "ide/shell/mainform.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/components/editmessages.h"
#include "kcl/platform/process.h"
#include "kcl/rtl/sysutils.h"

namespace korvax {

using namespace kcl;

namespace {

// A file the compiler names: a bare name is in the project's directory; a path may
// use '\' or another letter case.
std::string SourceFileOf(const std::string& named) {
  if (ExtractFilePath(named).empty()) return DiskFileName(FMainForm->ProjectInfo->ProjectDir() + named);
  const std::string found = GetShortPathName(named);
  return found.empty() ? named : found;
}

// The caret at the start of line (from 1; past the end, the last line), in view.
void PlaceCaretOnLine(TRichEdit* edit, int line) {
  const int lines = static_cast<int>(edit->Perform(EM_GETLINECOUNT, 0, 0));
  const auto index = static_cast<uintptr_t>(std::clamp(line - 1, 0, std::max(lines - 1, 0)));
  edit->SetSelStart(static_cast<int>(edit->Perform(EM_LINEINDEX, index, 0)));
  edit->SetSelLength(0);
  edit->Perform(EM_SCROLLCARET, 0, 0);
  if (edit->CanFocus()) edit->SetFocus();
}

}  // namespace

std::string CompileOutputFile() { return SettingsDir + "compile.~tx"; }

KCL_CLASS_INFO(TCompile) {
  using T = TCompile;
  cls.field("Memo1", &T::Memo1);
  cls.field("OKButton", &T::OKButton);
  cls.method("FormCreate", &T::FormCreate);
  cls.method("Memo1DblClick", &T::Memo1DblClick);
}

TCompile::TCompile(TComponent* owner) : TForm(owner) { LoadFromLayout(LayoutText("Compile")); }

void TCompile::FormCreate(TObject*) {
  const std::string output = CompileOutputFile();
  if (!FileExists(output)) return;
  Memo1->Lines()->LoadFromFile(output);
  DeleteFile(output);
}

void TCompile::Memo1DblClick(TObject*) {
  const int line = Memo1->CaretPos().Y;
  if (line >= Memo1->Lines()->Count() || !FMainForm || !editor::EditorForm) return;
  const std::optional<TSourcePosition> position = SourcePositionOf(Memo1->Lines()->Strings(line));
  if (!position) return;
  const std::string file = SourceFileOf(position->File);
  if (!DiskFileExists(file)) return;
  SetModalResult(mrOk);
  FMainForm->OpenFile(file);
  // The unit's page is the active one now, newly opened or brought up.
  TRichEdit* edit = editor::EditorForm->ActiveEditor();
  if (edit && SameDiskFile(editor::EditorForm->FileNameOf(edit), file)) PlaceCaretOnLine(edit, position->Line);
}

}  // namespace korvax
