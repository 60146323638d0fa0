#include "ide/designer/designhistory.h"

#include "ide/designer/formfiles.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "ide/designer/wrappercontrol.h"
#include "kcl/classes/stringlist.h"
#include "kcl/rtl/scopeguard.h"

namespace korvax::designer {

using namespace kcl;

namespace {

TControl* DesignControlNamed(TProxyForm& form, const std::string& name) {
  if (name == form.Name()) return &form;
  return dynamic_cast<TControl*>(form.FindComponent(name));
}

}  // namespace

void TDesignHistory::Reset() {
  FStates.clear();
  FStates.push_back(Take());
  FAt = 0;
}

void TDesignHistory::BeforeEdit() {
  // An operation told in two parts (a rename, then its property change) is taken once.
  if (FRestoring || FEditing || FAt >= FStates.size()) return;
  // Going back to this state shows what the operation was about to change.
  FStates[FAt].Mementos = TakeMementos();
  TakeSelection(FStates[FAt]);
  FEditing = true;
}

void TDesignHistory::Record() {
  if (FRestoring) return;
  FEditing = false;
  if (FStates.empty()) return Reset();
  TState state = Take();
  if (state.Stream == FStates[FAt].Stream) return;
  FStates.resize(FAt + 1);
  FStates.push_back(std::move(state));
  if (FStates.size() > MaxSteps) FStates.erase(FStates.begin());
  FAt = FStates.size() - 1;
}

void TDesignHistory::Undo() {
  if (!CanUndo()) return;
  Restore(FStates[--FAt]);
}

void TDesignHistory::Redo() {
  if (!CanRedo()) return;
  Restore(FStates[++FAt]);
}

TDesignHistory::TState TDesignHistory::Take() const {
  TProxyForm& form = *FDesigner.Form;
  TState state{ComponentStream(form), TPropertyValues::Take(form), {}, {}, {}, form.DesignedVisible, TakeMementos()};
  for (int i = 0; i < form.ComponentNames->Count(); ++i) state.ComponentNames.push_back(form.ComponentNames->Strings(i));
  TakeSelection(state);
  return state;
}

void TDesignHistory::TakeSelection(TState& state) const {
  state.Selected.clear();
  for (const TControl* control : FDesigner.Selection) state.Selected.push_back(control->Name());
  const TControl* current = FDesigner.Form->CurrentControl;
  state.Current = current ? current->Name() : std::string();
}

std::vector<std::pair<TDesignListener*, std::string>> TDesignHistory::TakeMementos() const {
  std::vector<std::pair<TDesignListener*, std::string>> mementos;
  for (TDesignListener* listener : FDesigner.Listeners()) mementos.emplace_back(listener, listener->UndoMemento());
  return mementos;
}

void TDesignHistory::Restore(const TState& state) {
  TProxyForm& form = *FDesigner.Form;
  FRestoring = true;
  FEditing = false;
  OnScopeExit restored([this] { FRestoring = false; });
  FDesigner.ClearSelection();
  form.CurrentControl = nullptr;
  // Everything the form owns goes, wrappers included: reading makes it again.
  while (form.ComponentCount() > 0) form.Components(form.ComponentCount() - 1)->Free();
  form.ComponentNames->Clear();
  for (const std::string& entry : state.ComponentNames) form.ComponentNames->Add(entry);
  ReadComponentStream(form, state.Stream);
  PrepareReadForm(form);
  form.DesignedVisible = state.DesignedVisible;
  state.FormValues.GiveBack(form, form);
  Select(state);
  for (TDesignListener* listener : FDesigner.Listeners())
    for (const auto& [owner, memento] : state.Mementos)
      if (owner == listener) listener->Restored(memento);
}

void TDesignHistory::Select(const TState& state) {
  TProxyForm& form = *FDesigner.Form;
  form.CurrentControl = DesignControlNamed(form, state.Current);
  TControl* shown = &form;
  const bool multiSelect = FDesigner.MultiSelect;
  FDesigner.MultiSelect = state.Selected.size() > 1;
  for (const std::string& name : state.Selected)
    if (TControl* control = DesignControlNamed(form, name)) {
      FDesigner.SelectComponent(control);
      shown = control;
    }
  auto* wrapper = dynamic_cast<TWrapperControl*>(shown);
  FDesigner.InspectComponent(wrapper, wrapper ? wrapper->Component : shown);
  FDesigner.MultiSelect = multiSelect;
}

}  // namespace korvax::designer
