#include "kcl/db/db.h"

#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/db/fields.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

KCL_CLASS_INFO(TDataSet) {}

TDataSet::TDataSet(TComponent* owner) : TComponent(owner) {}

void TDataSet::BeforeDestruction() {
  Destroying();
  while (!FFields.empty()) FFields.back()->Free();
  while (!FSources.empty()) FSources.back()->SetDataSet(nullptr);
  TComponent::BeforeDestruction();
}

void TDataSet::SetActive(bool v) {
  if (v == FActive) return;
  if (IsLoading() || IsDesigning()) {
    FActive = v;
    return StateChanged();
  }
  if (v) {
    BeforeOpen(this);
    FActive = true;
    StateChanged();
    AfterOpen(this);
  } else {
    BeforeClose(this);
    FActive = false;
    StateChanged();
    AfterClose(this);
  }
}

void TDataSet::StateChanged() {
  for (TDataSource* source : std::vector<TDataSource*>(FSources)) source->StateChanged();
}

TField* TDataSet::Fields(int index) const {
  if (index < 0 || index >= FieldCount()) throw EListError(Format(msg::ListIndexError, {index}));
  return FFields[static_cast<size_t>(index)];
}

TField* TDataSet::FindField(std::string_view fieldName) const {
  for (TField* field : FFields)
    if (SameText(field->FieldName(), fieldName)) return field;
  return nullptr;
}

int TDataSet::IndexOfField(const TField* field) const {
  auto it = std::find(FFields.begin(), FFields.end(), field);
  return it == FFields.end() ? -1 : static_cast<int>(it - FFields.begin());
}

void TDataSet::MoveField(TField* field, int index) {
  const int current = IndexOfField(field);
  if (current < 0) return;
  index = std::clamp(index, 0, FieldCount() - 1);
  FFields.erase(FFields.begin() + current);
  FFields.insert(FFields.begin() + index, field);
}

void TDataSet::AttachField(TField* field) { FFields.push_back(field); }

void TDataSet::DetachField(TField* field) { std::erase(FFields, field); }

void TDataSet::AttachSource(TDataSource* source) { FSources.push_back(source); }

void TDataSet::DetachSource(TDataSource* source) { std::erase(FSources, source); }

void TDataSet::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TField* field : std::vector<TField*>(FFields))
    if (field->Owner() == root) proc(field);
}

void TDataSet::SetChildOrder(TComponent* child, int order) {
  if (auto* field = dynamic_cast<TField*>(child); field && field->DataSet() == this) MoveField(field, order);
}

// --- TDataSource

KCL_CLASS_INFO(TDataSource) {
  cls.property("AutoEdit", &TDataSource::AutoEdit, &TDataSource::SetAutoEdit).Default(true);
  cls.property("DataSet", &TDataSource::DataSet, &TDataSource::SetDataSet);
  cls.property("Enabled", &TDataSource::Enabled, &TDataSource::SetEnabled).Default(true);
  cls.event("OnStateChange", &TDataSource::OnStateChange, TNotifyEventType());
  cls.event("OnDataChange", &TDataSource::OnDataChange, TDataChangeEventType());
  cls.event("OnUpdateData", &TDataSource::OnUpdateData, TNotifyEventType());
}

void TDataSource::BeforeDestruction() {
  SetDataSet(nullptr);
  TComponent::BeforeDestruction();
}

void TDataSource::SetDataSet(TDataSet* v) {
  if (v == FDataSet) return;
  if (FDataSet) FDataSet->DetachSource(this);
  FDataSet = v;
  if (FDataSet) {
    FDataSet->AttachSource(this);
    FDataSet->FreeNotification(this);
  }
  StateChanged();
}

void TDataSource::SetEnabled(bool v) {
  if (v == FEnabled) return;
  FEnabled = v;
  StateChanged();
}

void TDataSource::StateChanged() {
  const bool active = FEnabled && FDataSet && FDataSet->Active();
  if (active == FIsActive) return;
  FIsActive = active;
  for (const auto& [key, observer] : std::vector(FObservers)) observer();
  OnStateChange(this);
}

void TDataSource::AddStateObserver(const void* key, std::function<void()> observer) {
  RemoveStateObserver(key);
  FObservers.emplace_back(key, std::move(observer));
}

void TDataSource::RemoveStateObserver(const void* key) {
  std::erase_if(FObservers, [key](const auto& entry) { return entry.first == key; });
}

void TDataSource::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FDataSet) SetDataSet(nullptr);
}

}  // namespace kcl
