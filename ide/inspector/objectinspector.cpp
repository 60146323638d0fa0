#include "ide/inspector/objectinspector.h"

#include "ide/common/layouts.h"
#include "kcl/classes/classbuilder.h"

namespace korvax::inspector {

KCL_CLASS_INFO(TObjectInspector) {
  using T = TObjectInspector;
  cls.field("Panel1", &T::Panel1);
  cls.field("ComponentList", &T::ComponentList);
  cls.field("PageControl1", &T::PageControl1);
  cls.field("TabProperty", &T::TabProperty);
  cls.field("PropertyBox", &T::PropertyBox);
  cls.field("StatusBar1", &T::StatusBar1);
  cls.field("cbValue", &T::cbValue);
  cls.field("edProperty", &T::edProperty);
  cls.field("Browse", &T::Browse);
  cls.field("TabEvent", &T::TabEvent);
  cls.field("EventBox", &T::EventBox);
  cls.field("edEvent", &T::edEvent);
  cls.method("FormCreate", &T::FormCreate);
}

TObjectInspector::TObjectInspector(kcl::TComponent* owner) : kcl::TForm(owner) {
  LoadFromLayout(LayoutText("ObjInsp"));
}

void TObjectInspector::FormCreate(kcl::TObject* /*sender*/) {
  SetLeft(0);
  PageControl1->SetActivePage(TabProperty);
  ComponentList->Items()->Add("Form1:TForm1");
}

}  // namespace korvax::inspector
