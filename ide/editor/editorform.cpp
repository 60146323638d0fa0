#include "ide/editor/editorform.h"

#include "ide/common/layouts.h"
#include "kcl/classes/classbuilder.h"

namespace korvax::editor {

kcl::TRichEdit* CurrentEditor = nullptr;

KCL_CLASS_INFO(TEditorForm) {
  using T = TEditorForm;
  cls.field("StatusBar", &T::StatusBar);
  cls.field("PageControl1", &T::PageControl1);
  cls.field("TabSheet1", &T::TabSheet1);
  cls.field("RichEdit1", &T::RichEdit1);
  cls.field("PopupMenu1", &T::PopupMenu1);
  cls.field("NClosePage", &T::NClosePage);
  cls.field("NInsert", &T::NInsert);
  cls.field("N2", &T::N2);
  cls.field("NReadOnly", &T::NReadOnly);
  cls.field("N1", &T::N1);
  cls.field("OpenDialog1", &T::OpenDialog1);
}

TEditorForm::TEditorForm(kcl::TComponent* owner) : kcl::TForm(owner) { LoadFromLayout(LayoutText("EditorForm")); }

}  // namespace korvax::editor
