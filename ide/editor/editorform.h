#pragma once
// The source editor window: one page per open file, each holding a rich edit.
// The first page (TabSheet1 with RichEdit1) is permanent; the pop-up menu and
// the open dialog are shared by every page.
#include "kcl/components/dialogs.h"
#include "kcl/controls/menus.h"
#include "kcl/components/pagecontrol.h"
#include "kcl/components/richedit.h"
#include "kcl/components/statusbar.h"
#include "kcl/controls/form.h"

namespace korvax::editor {

class TEditorForm : public kcl::TForm {
  KCL_CLASS(TEditorForm, kcl::TForm)
public:
  // Builds the window from its layout "EditorForm".
  explicit TEditorForm(kcl::TComponent* owner);

  // Panels: caret column, caret line and line count, read-only and insert
  // marks, "Modified".
  kcl::TStatusBar* StatusBar = nullptr;
  kcl::TPageControl* PageControl1 = nullptr;
  kcl::TTabSheet* TabSheet1 = nullptr;
  kcl::TRichEdit* RichEdit1 = nullptr;
  kcl::TPopupMenu* PopupMenu1 = nullptr;
  kcl::TMenuItem* NClosePage = nullptr;
  kcl::TMenuItem* NInsert = nullptr;
  kcl::TMenuItem* N2 = nullptr;
  kcl::TMenuItem* NReadOnly = nullptr;
  kcl::TMenuItem* N1 = nullptr;
  kcl::TOpenDialog* OpenDialog1 = nullptr;
};

// The rich edit of the page opened or switched to last: what the Edit and
// Search commands work on.
extern kcl::TRichEdit* CurrentEditor;

}  // namespace korvax::editor
