#pragma once
// The undo and redo of one design form: the form as it stood after each of its
// designer's operations, written by the framework's writer, with the form's own
// values, the selection, and what the designer's listeners keep in step with it
// (the unit's field lines). Going back reads that state onto the form again, so
// names, order, properties and event bindings are exactly what they were.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "ide/designer/propertyvalues.h"

namespace korvax::designer {

class TDesignListener;
class TProxyDesigner;

class TDesignHistory {
public:
  static constexpr size_t MaxSteps = 200;

  explicit TDesignHistory(TProxyDesigner& designer) : FDesigner(designer) {}

  // The form as it is now is where undo stops.
  void Reset();
  // Before an operation's listeners run: what they keep is taken again for the
  // state the form is in, so that typing since is not undone.
  void BeforeEdit();
  // After an operation: the form as it is now is the next step; a step that
  // changed nothing of the form is none.
  void Record();
  bool CanUndo() const { return FAt > 0; }
  bool CanRedo() const { return FAt + 1 < FStates.size(); }
  void Undo();
  void Redo();

private:
  struct TState {
    std::string Stream;
    TPropertyValues FormValues;
    std::vector<std::string> ComponentNames;
    std::vector<std::string> Selected;
    std::string Current;
    bool DesignedVisible = false;
    std::vector<std::pair<TDesignListener*, std::string>> Mementos;
  };
  TState Take() const;
  void TakeSelection(TState& state) const;
  std::vector<std::pair<TDesignListener*, std::string>> TakeMementos() const;
  void Restore(const TState& state);
  void Select(const TState& state);

  TProxyDesigner& FDesigner;
  std::vector<TState> FStates;
  size_t FAt = 0;
  bool FRestoring = false;
  // Between an operation's first notification and its record.
  bool FEditing = false;
};

}  // namespace korvax::designer
