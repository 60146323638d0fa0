#pragma once
// Who follows a design form's edits: the object inspector, the editor (a placed
// component's field in the unit), and undo. Every edit reaches the
// listeners once, as one operation, from the form's designer.
#include <string>
#include <vector>

#include "kcl/classes/component.h"

namespace kcl {
class TControl;
}

namespace korvax::designer {

class TProxyDesigner;

// MenuOrder: a menu item moved among its siblings.
enum class TDesignEditKind {
  Place, Move, Resize, Delete, Rename, PropertyChange, Paste, Align, Size, Scale, ZOrder, TabOrder, MenuOrder
};

// What a design form's keys and context menu ask of the windows above the
// designer: the main window's layout dialogs, its form/unit toggle and the form's
// text in the editor; the inspector's focus.
enum class TDesignCommand { Align, Size, Scale, ViewAsText, ToggleFormUnit, FocusInspector };

struct TDesignEdit {
  TDesignEditKind Kind;
  // What the edit placed, moved, resized...: components, not their wrappers.
  std::vector<kcl::TComponent*> Components;
  // A rename's names before and after.
  std::string OldName;
  std::string NewName;
};

class TDesignListener {
public:
  virtual ~TDesignListener() = default;
  virtual void Edited(const TDesignEdit& /*edit*/) {}
  // The inspector is to show component; wrapper is the control that stands for
  // a non-visual component, when there is one.
  virtual void ComponentInspected(kcl::TControl* /*wrapper*/, kcl::TComponent* /*component*/) {}
  // A double click on a control: its first event's handler is wanted.
  virtual void EventHandlerWanted(kcl::TComponent* /*component*/) {}
  // Undo keeps, with each state of the form, what the listener keeps in step
  // with it (the unit's field lines), and gives it back once the form is that
  // state again.
  virtual std::string UndoMemento() { return {}; }
  virtual void Restored(const std::string& /*memento*/) {}
  // The user asked for a command on the designer's form.
  virtual void CommandWanted(TDesignCommand /*command*/, TProxyDesigner& /*designer*/) {}
};

}  // namespace korvax::designer
