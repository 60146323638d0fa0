#include "ide/shell/mainwindows.h"

#include "ide/designer/proxyform.h"
#include "ide/editor/editorform.h"
#include "ide/inspector/objectinspector.h"
#include "ide/shell/mainform.h"
#include "kcl/components/msgdlg.h"
#include "kcl/controls/application.h"

namespace korvax {

inspector::TObjectInspector* ObjectInspector = nullptr;

void CreateMainWindows() {
  kcl::InstallMessageBoxes();
  designer::RegisterDesignerClasses();
  kcl::Application()->SetTitle("Korvax ");
  kcl::Application()->CreateForm<TFMainForm>();
  EditorForm = kcl::Application()->CreateForm<editor::TEditorForm>();
  ObjectInspector = kcl::Application()->CreateForm<inspector::TObjectInspector>();
}

}  // namespace korvax
