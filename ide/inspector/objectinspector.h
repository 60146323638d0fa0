#pragma once
// The object inspector window: a drop-down of the designed form's components
// over two pages, Properties and Events, each an owner-drawn two-column list.
// The in-place editors (cbValue, edProperty, Browse, edEvent) stay hidden until
// a row is edited. Row i of a list and entry i of its editor list describe the
// same property; rows of sub-properties are inserted into both at once.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ide/designer/designlistener.h"
#include "kcl/classes/stringlist.h"
#include "kcl/components/combobox.h"
#include "kcl/components/edit.h"
#include "kcl/components/extctrls.h"
#include "kcl/components/listbox.h"
#include "kcl/components/pagecontrol.h"
#include "kcl/components/statusbar.h"
#include "kcl/controls/form.h"
#include "kcl/design/propertyeditor.h"

namespace korvax::inspector {

class TObjectInspector : public kcl::TForm, public designer::TDesignListener {
  KCL_CLASS(TObjectInspector, kcl::TForm)
public:
  // Builds the window from its layout "ObjInsp".
  explicit TObjectInspector(kcl::TComponent* owner);
  ~TObjectInspector() override;

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
  // The drop-down at the end of an event's value: the form's handlers that fit
  // the event; choosing one binds it (shared handlers).
  kcl::TComboBox* cbEvent = nullptr;

  // Entry i: the name and (as object) the editor of row i of PropertyBox or EventBox.
  std::unique_ptr<kcl::TStringList> FPropEditors;
  std::unique_ptr<kcl::TStringList> FEventEditors;
  kcl::TComponent* FComponent = nullptr;
  kcl::TPropertyEditor* FEditor = nullptr;
  kcl::TPropertyAttributes FAttributes = 0;
  int FSplitX = 0;
  kcl::TRect FValueRect;
  bool FDragging = false;

  // Shows component's properties and events and selects it in the designer and
  // in the component list; wrapper is the designer's wrapper of a non-visual one.
  void InspectComponent(kcl::TControl* wrapper, kcl::TComponent* component);
  void RefreshComponentList();
  // The component (and its wrapper) of the list's selected entry.
  kcl::TComponent* FindSelectedComponent(kcl::TControl*& wrapper) const;

  // The property model: the rows and editors of one component.
  void LoadComponent(kcl::TComponent* component);
  void BuildEditorLists(kcl::TComponent* component);
  void ListProperties(kcl::TComponent* instance);
  void AddSubProperty(std::unique_ptr<kcl::TPropertyEditor> editor);
  void RemoveSubProperties(kcl::PPropInfo prop, kcl::TObject* instance);

  // The selected row and its in-place editing.
  void SelectProperty(kcl::TPropertyEditor* editor);
  void ShowEditor(kcl::TControl* control);
  void ApplyValue(const std::string& text);
  std::string SelectedRowName() const;
  std::string SelectedRowValue() const;
  void SetSelectedRowValue(const std::string& text);
  static std::string NameBeforeColon(const std::string& entry);

  // Window events.
  void FormCreate(kcl::TObject* sender);
  void FormShow(kcl::TObject* sender);
  void FormActivate(kcl::TObject* sender);
  void FormResize(kcl::TObject* sender);
  void ComponentListClick(kcl::TObject* sender);
  void PropertyBoxClick(kcl::TObject* sender);
  void PropertyBoxDblClick(kcl::TObject* sender);
  void PropertyBoxKeyDown(kcl::TObject* sender, kcl::Word& key, kcl::TShiftState shift);
  void PropertyBoxDrawItem(kcl::TWinControl* control, int index, kcl::TRect rect, kcl::TOwnerDrawState state);
  void PropertyBoxMouseDown(kcl::TObject* sender, kcl::TMouseButton button, kcl::TShiftState shift, int x, int y);
  void PropertyBoxMouseMove(kcl::TObject* sender, kcl::TShiftState shift, int x, int y);
  void PropertyBoxMouseUp(kcl::TObject* sender, kcl::TMouseButton button, kcl::TShiftState shift, int x, int y);
  void EventBoxClick(kcl::TObject* sender);
  void EventBoxDrawItem(kcl::TWinControl* control, int index, kcl::TRect rect, kcl::TOwnerDrawState state);
  void EventBoxMouseDown(kcl::TObject* sender, kcl::TMouseButton button, kcl::TShiftState shift, int x, int y);
  void EventBoxMouseMove(kcl::TObject* sender, kcl::TShiftState shift, int x, int y);
  void EventBoxMouseUp(kcl::TObject* sender, kcl::TMouseButton button, kcl::TShiftState shift, int x, int y);
  void cbValueChange(kcl::TObject* sender);
  void cbValueDblClick(kcl::TObject* sender);
  void cbValueKeyDown(kcl::TObject* sender, kcl::Word& key, kcl::TShiftState shift);
  void edPropertyKeyDown(kcl::TObject* sender, kcl::Word& key, kcl::TShiftState shift);
  void edPropertyKeyPress(kcl::TObject* sender, char& key);
  void BrowseClick(kcl::TObject* sender);
  // Makes the selected event's handler in the unit, or goes to it, and binds it.
  void edEventDblClick(kcl::TObject* sender);
  // Binds the handler chosen from the event's list; its body is there already.
  void cbEventChange(kcl::TObject* sender);

  // The designer's selection reaches the inspector.
  // The inspected component freed leaves no row or editor behind.
  void Notification(kcl::TComponent* component, kcl::TOperation operation) override;
  // Components placed, deleted, renamed or pasted change the component list.
  void Edited(const designer::TDesignEdit& edit) override;
  void Restored(const std::string& memento) override;
  void ComponentInspected(kcl::TControl* wrapper, kcl::TComponent* component) override;
  // A component double-clicked on the design form: its first event's handler.
  void EventHandlerWanted(kcl::TComponent* component) override;
  // F11 on a design form brings the inspector up with the keyboard.
  void CommandWanted(designer::TDesignCommand command, designer::TProxyDesigner& designer) override;

private:
  void ClearRows();
  void RemoveEntry(const std::string& entry);
  // Selects the component list's entry of a component (none when absent).
  void SelectEntryOf(kcl::TComponent* component);
  // The list whose split line the mouse works on: the active page's.
  kcl::TListBox* ActiveList() const;
  void DrawRow(kcl::TListBox* list, int index, const kcl::TRect& rect, kcl::TOwnerDrawState state);
  void SplitMouseDown(kcl::TListBox* list, int x, int y);
  void SplitMouseMove(kcl::TListBox* list, int x, int y);
  // The value applied from the text field or the combo rebuilds the row.
  void ApplyToRow(const std::string& text);
  // Moves the focus to the property list and hands it a navigation key.
  void PassKeyToList(kcl::Word key);
  void ShowPropertyHelp();
  // The handlers that fit the selected event, when there are any.
  void ShowHandlerList();
  // The event row and its field show the handler bound now.
  void ShowBoundHandler(int row);

  std::vector<std::unique_ptr<kcl::TPropertyEditor>> FEditors;  // of both lists
  int FMouseDownX = 0;  // where the press before a double-click was
  std::map<const kcl::TObject*, int> FSubRowCounts;  // rows below each expanded row's editor
};

}  // namespace korvax::inspector
