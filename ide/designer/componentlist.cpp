#include "ide/designer/componentlist.h"

#include <algorithm>
#include <iterator>

#include "ide/common/layouts.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::designer {

namespace {

// In the order they are added; the sorted list shows them alphabetically.
constexpr const char* ComponentNames[] = {
    "MainMenu", "PopupMenu", "Button", "Label", "Edit", "Memo", "CheckBox", "RadioButton", "ListBox", "ComboBox",
    "GroupBox", "RadioGroup", "Panel", "BitBtn", "SpeedButton", "MaskEdit", "StringGrid", "DrawGrid", "Image",
    "Shape", "Bevel", "ScrollBox", "TabControl", "PageControl", "RichEdit", "TrackBar", "ImageList", "ProgressBar",
    "UpDown", "HotKey", "TreeView", "ListView", "HeaderControl", "StatusBar", "DataSource", "Table", "Query",
    "Database", "StoredProc", "Session", "BatchMove", "UpdateSQL", "DBGrid", "DBNavigator", "DBText", "DBEdit",
    "DBMemo", "DBImage", "DBListBox", "DBComboBox", "DBCheckBox", "DBRadioGroup", "DBLookupListBox",
    "DBLookupComboBox", "OpenDialog", "SaveDialog", "FontDialog", "ColorDialog", "PrintDialog", "PrinterSetupDialog",
    "FindDialog", "ReplaceDialog", "Timer", "PaintBox", "FileListBox", "DirectoryListBox", "DriveComboBox",
    "FilterComboBox", "MediaPlayer", "IBEventAlerter", "Gauge", "ColorGrid", "SpinButton", "SpinEdit",
    "DirectoryOutline", "Calendar"};
static_assert(std::size(ComponentNames) == 76);

// Components added one below the other start a new column once they pass the
// bottom of the design form.
constexpr int PlacementStep = 20;

}  // namespace

KCL_CLASS_INFO(TComponentList) {
  using T = TComponentList;
  cls.field("Label1", &T::Label1);
  cls.field("Edit1", &T::Edit1);
  cls.field("CompList", &T::CompList);
  cls.field("btnAdd", &T::btnAdd);
  cls.field("btnCancel", &T::btnCancel);
  cls.method("FormCreate", &T::FormCreate);
  cls.method("FormShow", &T::FormShow);
  cls.method("Edit1Change", &T::Edit1Change);
  cls.method("btnAddClick", &T::btnAddClick);
  cls.method("btnCancelClick", &T::btnCancelClick);
}

TComponentList::TComponentList(kcl::TComponent* owner) : kcl::TForm(owner) {
  LoadFromLayout(LayoutText("ComponentList"));
  // "Add to Form" places on the design form activated last.
  OnPlaceComponent = [](kcl::TClass componentClass, int left, int top) {
    if (!CurrentDesigner) return -1;
    CurrentDesigner->CreateComponent(componentClass, CurrentDesigner->Form, left, top, 0, 0);
    return CurrentDesigner->Form->ClientHeight();
  };
}

void TComponentList::FormCreate(kcl::TObject* /*sender*/) {
  kcl::TStrings* items = CompList->Items();
  items->BeginUpdate();
  for (const char* name : ComponentNames) items->Add(name);
  items->EndUpdate();
  CompList->SetItemIndex(0);
}

void TComponentList::FormShow(kcl::TObject* /*sender*/) { Edit1->SetFocus(); }

// Forward only: the search starts at the selected name and never wraps, so
// deleting characters leaves the selection where it is.
void TComponentList::Edit1Change(kcl::TObject* /*sender*/) {
  const std::string wanted = kcl::UpperCase(Edit1->Text());
  const kcl::TStrings* items = CompList->Items();
  for (int i = std::max(CompList->ItemIndex(), 0); i < items->Count(); ++i) {
    if (kcl::UpperCase(items->Strings(i)).find(wanted) != std::string::npos) {
      CompList->SetItemIndex(i);
      return;
    }
  }
}

void TComponentList::btnAddClick(kcl::TObject* /*sender*/) {
  const int index = CompList->ItemIndex();
  if (index < 0 || !OnPlaceComponent) return;
  const std::string className = kcl::Trim(std::string("T").append(CompList->Items()->Strings(index)));
  const kcl::TClass componentClass = kcl::GetClass(className);
  if (!componentClass) return;
  const int clientHeight = OnPlaceComponent(componentClass, NextLeft, NextTop);
  if (clientHeight < 0) return;  // no design form to place on
  NextTop += PlacementStep;
  if (clientHeight < NextTop) {
    NextLeft += PlacementStep;
    NextTop = 0;
  }
}

void TComponentList::btnCancelClick(kcl::TObject* /*sender*/) { Close(); }

}  // namespace korvax::designer
