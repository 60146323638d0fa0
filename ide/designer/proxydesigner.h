#pragma once
// TProxyDesigner: the designer of one design form. It owns that form's editing:
// the selection with its grab handles, the handler methods the user made, and the
// notification of edits (designlistener.h). Every edit of the form goes through
// it as one operation.
#include <memory>
#include <string>
#include <vector>

#include "ide/designer/designlistener.h"
#include "kcl/controls/shortcuts.h"
#include "kcl/design/formdesigner.h"
#include "kcl/rtl/types.h"

namespace kcl {
class TCanvas;
class TControl;
class TMenuItem;
class TPopupMenu;
class TWinControl;
}

namespace korvax::designer {

class TProxyForm;
class TGrabHandles;
class TDesignHistory;

// How the layout commands move the selected controls along one axis: to the first
// one's left or top side (Start), centre, right or bottom side (End).
enum class TAlignMode { NoChange, Start, Centers, End, SpaceEqually, CenterInWindow };
enum class TSizeMode { NoChange, Shrink, Grow, Absolute };

class TProxyDesigner : public kcl::TFormDesigner {
public:
  explicit TProxyDesigner(TProxyForm* form);
  ~TProxyDesigner() override;

  TProxyForm* Form;
  // The handlers the user made, in order, each with its event's type data; a
  // method's Code is its entry, so renaming the entry renames it for every event.
  struct TDesignMethod {
    std::unique_ptr<kcl::TMethodEntry> Entry;
    const kcl::TTypeData* TypeData = nullptr;
  };
  std::vector<TDesignMethod> Methods;
  // The grab handles of the control selected last, of every selected control,
  // and the selected controls in the order of selection.
  TGrabHandles* Handles = nullptr;
  std::vector<std::unique_ptr<TGrabHandles>> HandleSets;
  std::vector<kcl::TControl*> Selection;
  // Shift is held (presses add to the selection) / Ctrl is held.
  bool MultiSelect = false;
  bool CtrlDown = false;

  // The designer hook.
  bool IsDesignMsg(kcl::TControl* sender, kcl::TMessage& message) override;
  // Gives a component a new name as one operation (the form checks it and the
  // listeners hear of it before it takes effect).
  void RenameComponent(kcl::TComponent* component, const std::string& name);
  // A component about to take a new name: its wrapper and its entry follow.
  void ComponentRenamed(kcl::TComponent* component, const std::string& oldName, const std::string& newName);
  // The user asked for the code of a component's first event; for a menu, the
  // menu designer opens instead.
  void EventHandlerWanted(kcl::TComponent* component);
  // A property editor changed the selection's components.
  void Modified() override;
  void Notification(kcl::TComponent*, kcl::TOperation) override {}
  void PaintGrid() override;
  void ValidateRename(kcl::TComponent*, const std::string&, const std::string&) override {}

  // The form designer interface.
  kcl::TMethod CreateMethod(const std::string& name, const kcl::TTypeData* typeData) override;
  std::string GetMethodName(const kcl::TMethod& method) override;
  void GetMethods(const kcl::TTypeData* typeData, const kcl::TGetStrProc& proc) override;
  std::string GetPrivateDirectory() override { return {}; }
  bool MethodExists(const std::string& name) override;
  void RenameMethod(const std::string& curName, const std::string& newName) override;
  void ShowMethod(const std::string&) override {}
  bool MethodFromAncestor(const kcl::TMethod&) override { return false; }
  void SelectComponent(kcl::TPersistent* instance) override;
  void GetSelections(std::vector<kcl::TPersistent*>&) override {}
  void SetSelections(const std::vector<kcl::TPersistent*>&) override {}
  std::string UniqueName(const std::string& baseName) override;
  void GetComponentNames(const kcl::TTypeData*, const kcl::TGetStrProc&) override {}
  kcl::TComponent* GetComponent(const std::string&) override { return nullptr; }
  std::string GetComponentName(kcl::TComponent* component) override;
  kcl::TPersistent* GetObject(const std::string&) override { return nullptr; }
  std::string GetObjectName(kcl::TPersistent*) override { return {}; }
  void GetObjectNames(const kcl::TTypeData*, const kcl::TGetStrProc&) override {}
  kcl::TComponent* CreateComponent(kcl::TClass componentClass, kcl::TComponent* parent, int left, int top,
                                   int width, int height) override;
  kcl::TComponent* GetRoot() override { return nullptr; }
  void Revert(kcl::TPersistent*, kcl::PPropInfo) override {}
  bool GetIsDormant() override { return false; }
  bool HasInterface() override { return false; }
  bool HasInterfaceMember(const std::string&) override { return false; }
  void AddInterfaceMember(const std::string&) override {}

  // Places the palette's class for a press at `at` in pressed's client
  // coordinates (the form's when pressed is nil): into a pressed container, beside
  // another pressed control, non-visual components on the form.
  kcl::TComponent* PlaceComponent(kcl::TClass componentClass, kcl::TControl* pressed, kcl::TPoint at);

  // Selection.
  void ClearSelection();
  // Every component the form owns, in the order it owns them: a non-visual one
  // through its wrapper.
  void SelectAll();
  bool IsSelected(const kcl::TControl* control) const;
  // Forgets a component that is being freed: out of the selection with its
  // handles; a wrapper that stood for it stands for nothing.
  void ComponentRemoved(kcl::TComponent* component);
  // Repositions and recolours the handles of every visible set.
  void RefreshHandles();
  // The outlines of a move start from the selected controls' bounds as they are.
  void ResetDragRects();
  // Selects what the inspector is to show and tells the listeners: the wrapper
  // of a non-visual component, else the component (the form itself included).
  void InspectComponent(kcl::TControl* wrapper, kcl::TComponent* component);

  // The name entries: "Button1:TButton", the form's "Form1:TForm".
  static std::string NameEntry(const kcl::TComponent* component);
  // The entry of the component under another name (before a rename takes effect).
  static std::string NameEntry(const kcl::TComponent* component, const std::string& name);
  void AddComponentName(kcl::TComponent* component);
  // The entries the inspector's component list shows: the form's, then every
  // component the form owns, grab handles and wrappers left out.
  std::vector<std::string> ComponentListEntries() const;

  // Components read onto the form (a paste), owned by it from index `first` on: put
  // into design state, the top-level ones moved by offset (a non-visual one gets
  // its wrapper) and selected. One edit.
  void AddPasted(int first, const std::vector<kcl::TComponent*>& topLevel, kcl::TPoint offset);
  // The selected components go, with the controls inside them (the form itself
  // stays), as one edit; then ReselectLast.
  void DeleteSelection();
  // A component goes with its design control: a non-visual one with its wrapper,
  // a container with the controls inside it; its name entry goes from
  // ComponentNames. One edit. Nothing for nil or the form.
  void DeleteComponent(kcl::TComponent* component, bool reselect);
  // Selects the component added last that is still there, else the form.
  void ReselectLast();
  // Ctrl with an arrow key: every selected control one pixel that way, one edit.
  void NudgeSelection(uint16_t key);

  // The layout commands, one operation each. The first selected control is the
  // reference that the others are aligned to and that stays in place; space
  // equally and centre in window move the selection as a whole.
  void AlignSelection(TAlignMode horizontal, TAlignMode vertical);
  // Each size is a value for Absolute.
  void SizeSelection(TSizeMode width, int widthValue, TSizeMode height, int heightValue);
  // The form's components by percent: a wrapper's place scales, its size stays.
  void ScaleComponents(int percent);
  // The current control to the front or the back of its siblings.
  void MoveCurrentInZOrder(bool toFront);
  // The windowed children of one parent take the tab order of their place in
  // order (the first 0). One edit.
  void SetTabOrders(const std::vector<kcl::TWinControl*>& order);

  // The context menu of the last right press on a design control
  // ("ProxyPopupMenu1", owned by the form and built anew for each press).
  kcl::TPopupMenu* ContextMenu() const { return FContextMenu; }
  // Asks the listeners for a command of the windows above the designer.
  void WantCommand(TDesignCommand command);

  // The menu items of the form's menus (menuedits.cpp), one operation each. An
  // item belongs to the form, hangs from its parent item (a menu's Items for a
  // top-level one) and is named after its caption: "&Open..." gives Open1, "-" N1.
  kcl::TMenuItem* AddMenuItem(kcl::TMenuItem* parent, int index, const std::string& caption);
  // The item goes with its sub-items; the edit names them all while they live.
  void DeleteMenuItem(kcl::TMenuItem* item);
  // To index among its siblings; nothing happens when it is there already.
  void MoveMenuItem(kcl::TMenuItem* item, int index);
  void SetMenuItemCaption(kcl::TMenuItem* item, const std::string& caption);
  void SetMenuItemShortCut(kcl::TMenuItem* item, kcl::TShortCut shortCut);
  // The item and every item under it, each before its sub-items.
  static std::vector<kcl::TComponent*> MenuItemTree(kcl::TMenuItem* item);

  // Edits made elsewhere that go through the designer as one operation each.
  void SelectionMoved();
  void ControlResized(kcl::TControl* control, const kcl::TRect& bounds);

  // The component a design control stands for (a wrapper's component, else itself).
  static kcl::TComponent* ComponentOf(kcl::TControl* control);

  void AddListener(TDesignListener* listener);
  void RemoveListener(TDesignListener* listener);
  const std::vector<TDesignListener*>& Listeners() const { return FListeners; }

  // Undo and redo of the operations above, each one step.
  void ResetHistory();
  void Undo();
  void Redo();
  bool CanUndo() const;
  bool CanRedo() const;

private:
  // stem with the first number that no component of the form, nor alsoTaken, has after it.
  std::string NumberedName(const std::string& stem, const std::string& alsoTaken = {}) const;
  // A key pressed or released on the form or one of its design controls.
  void DesignKey(const kcl::TMessage& message);
  // Builds the context menu and shows it at a screen point.
  void ShowContextMenu(kcl::TPoint at);
  // The menu items' handler, which acts on the clicked item's name.
  void ContextMenuClick(kcl::TObject* sender);
  void PressRouting(kcl::TControl* sender, kcl::TMessage& message);
  void DispatchToForm(kcl::TControl* sender, kcl::TMessage& message);
  // Takes the design controls away with what is inside them, as one edit.
  void DeleteControls(const std::vector<kcl::TControl*>& controls);
  void Notify(const TDesignEdit& edit);
  // Wrappers are the designer's, not the form's: they come after the form's own
  // windowed controls in its tab order, so that those are written without gaps.
  void KeepWrappersLast();
  // An operation that tells its listeners before it is done records its step after.
  void RecordStep();

  std::vector<TDesignListener*> FListeners;
  std::unique_ptr<TDesignHistory> FHistory;
  kcl::TPopupMenu* FContextMenu = nullptr;
};

// The design grid's dots within clip on canvas, one pixel at every multiple of
// the grid sizes (taken as 1 when smaller).
void PaintGridDots(kcl::TCanvas& canvas, const kcl::TRect& clip, int sizeX, int sizeY);

// Selects on the current designer what the inspector is to show.
void InspectComponent(kcl::TControl* wrapper, kcl::TComponent* component);

}  // namespace korvax::designer
