#pragma once
// The object inspector window: a drop-down of the designed form's components
// over two pages, Properties and Events, each an owner-drawn two-column list.
// The in-place editors (cbValue, edProperty, Browse, edEvent) stay hidden until
// a row is edited.
#include "kcl/components/combobox.h"
#include "kcl/components/edit.h"
#include "kcl/components/extctrls.h"
#include "kcl/components/listbox.h"
#include "kcl/components/pagecontrol.h"
#include "kcl/components/statusbar.h"
#include "kcl/controls/form.h"

namespace korvax::inspector {

class TObjectInspector : public kcl::TForm {
  KCL_CLASS(TObjectInspector, kcl::TForm)
public:
  // Builds the window from its layout "ObjInsp".
  explicit TObjectInspector(kcl::TComponent* owner);

  kcl::TPanel* Panel1 = nullptr;
  kcl::TComboBox* ComponentList = nullptr;
  kcl::TPageControl* PageControl1 = nullptr;
  kcl::TTabSheet* TabProperty = nullptr;
  kcl::TListBox* PropertyBox = nullptr;
  kcl::TStatusBar* StatusBar1 = nullptr;
  kcl::TComboBox* cbValue = nullptr;
  kcl::TEdit* edProperty = nullptr;
  kcl::TPanel* Browse = nullptr;
  kcl::TTabSheet* TabEvent = nullptr;
  kcl::TListBox* EventBox = nullptr;
  kcl::TEdit* edEvent = nullptr;

  // The window stands at the left edge of the screen with the Properties page
  // showing; the component list holds a placeholder until a form is designed.
  void FormCreate(kcl::TObject* sender);
};

}  // namespace korvax::inspector
