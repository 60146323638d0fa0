// The Edit menu's undo and clipboard commands, which serve the editor or the
// design form, and a design form's text shown in the editor.
#include "ide/common/environment.h"
#include "ide/designer/componentclipboard.h"
#include "ide/designer/formfiles.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "ide/editor/editorform.h"
#include "ide/shell/mainform.h"
#include "kcl/classes/streams.h"
#include "kcl/components/editmessages.h"

namespace korvax {

using namespace kcl;
using editor::CurrentEditor;
using editor::EditorForm;

namespace {

designer::TProxyDesigner* DesignerOf(designer::TProxyForm* form) { return form ? form->ProxyDesigner() : nullptr; }

bool EditorHasSelection() { return CurrentEditor && CurrentEditor->SelLength() > 0; }

}  // namespace

void TFMainForm::EditUndoItemClick(TObject*) {
  if (DesignFormActive) {
    if (designer::TProxyDesigner* designer = DesignerOf(CurrentDesignForm)) designer->Undo();
    return;
  }
  if (editor::CurrentEditor && editor::CurrentEditor->HandleAllocated()) editor::CurrentEditor->Perform(EM_UNDO, 0, 0);
  if (EditorForm) EditorForm->Show();
}

void TFMainForm::EditRedoItemClick(TObject*) {
  if (!DesignFormActive) return;
  if (designer::TProxyDesigner* designer = DesignerOf(CurrentDesignForm)) designer->Redo();
}

void TFMainForm::EditCutItemClick(TObject*) {
  if (EditorHasSelection())
    CurrentEditor->CutToClipboard();
  else if (designer::TProxyDesigner* designer = DesignerOf(CurrentDesignForm))
    designer::CutSelection(*designer);
}

void TFMainForm::EditCopyItemClick(TObject*) {
  if (EditorHasSelection())
    CurrentEditor->CopyToClipboard();
  else if (designer::TProxyDesigner* designer = DesignerOf(CurrentDesignForm))
    designer::CopySelection(*designer);
}

void TFMainForm::EditPasteItemClick(TObject*) {
  // Components never go into the text as bytes.
  if (designer::ClipboardHasComponents()) {
    if (designer::TProxyDesigner* designer = DesignerOf(CurrentDesignForm)) designer::PasteComponents(*designer);
  } else if (CurrentEditor) {
    CurrentEditor->PasteFromClipboard();
  }
}

void TFMainForm::ViewFormAsText(designer::TProxyForm& form) {
  if (!EditorForm) return;
  SaveBytesToFile(FormTextFile(), designer::FormText(form));
  TRichEdit* page = EditorForm->OpenInEditor(FormTextFile());
  if (auto* sheet = dynamic_cast<TTabSheet*>(page->Parent())) sheet->SetCaption(form.UnitFileName);
}

}  // namespace korvax
