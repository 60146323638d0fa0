#pragma once
// TDataSet and TDataSource: a data set is the parent of its persistent fields in
// the form file (the form owns them); a data source links controls to a data set.
// There is no database engine behind them: Active is a state the components keep.
#include <functional>
#include <string>
#include <vector>

#include "kcl/classes/component.h"
#include "kcl/db/dbtypes.h"

namespace kcl {

class TDataSource;

class TDataSet : public TComponent {
  KCL_CLASS(TDataSet, TComponent)
public:
  explicit TDataSet(TComponent* owner);
  // The data set's persistent fields go with it.
  void BeforeDestruction() override;

  // Opening and closing: the events run and the state changes; no engine is asked.
  bool Active() const { return FActive; }
  void SetActive(bool v);
  void Open() { SetActive(true); }
  void Close() { SetActive(false); }
  bool AutoCalcFields() const { return FAutoCalcFields; }
  void SetAutoCalcFields(bool v) { FAutoCalcFields = v; }
  std::string Filter() const { return FFilter; }
  void SetFilter(const std::string& v) { FFilter = v; }
  bool Filtered() const { return FFiltered; }
  void SetFiltered(bool v) { FFiltered = v; }
  TFilterOptions FilterOptions() const { return FFilterOptions; }
  void SetFilterOptions(TFilterOptions v) { FFilterOptions = v; }

  int FieldCount() const { return static_cast<int>(FFields.size()); }
  TField* Fields(int index) const;
  // By field name without regard to case; nullptr when none.
  TField* FindField(std::string_view fieldName) const;
  int IndexOfField(const TField* field) const;
  void MoveField(TField* field, int index);

  TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose, BeforeInsert, AfterInsert, BeforeEdit,
      AfterEdit, BeforePost, AfterPost, BeforeCancel, AfterCancel, BeforeDelete, AfterDelete, BeforeScroll,
      AfterScroll, OnCalcFields, OnNewRecord;
  TDataSetErrorEvent OnDeleteError, OnEditError, OnPostError;
  TFilterRecordEvent OnFilterRecord;

  // The fields the root owns stream as this data set's children.
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void SetChildOrder(TComponent* child, int order) override;

private:
  friend class TField;
  friend class TDataSource;
  void AttachField(TField* field);
  void DetachField(TField* field);
  void AttachSource(TDataSource* source);
  void DetachSource(TDataSource* source);
  void StateChanged();

  bool FActive = false;
  bool FAutoCalcFields = true;
  std::string FFilter;
  bool FFiltered = false;
  TFilterOptions FFilterOptions;
  std::vector<TField*> FFields;
  std::vector<TDataSource*> FSources;
};

class TDataSource : public TComponent {
  KCL_CLASS(TDataSource, TComponent)
public:
  explicit TDataSource(TComponent* owner) : TComponent(owner) {}
  void BeforeDestruction() override;

  bool AutoEdit() const { return FAutoEdit; }
  void SetAutoEdit(bool v) { FAutoEdit = v; }
  TDataSet* DataSet() const { return FDataSet; }
  void SetDataSet(TDataSet* v);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v);
  // Enabled and linked to an open data set.
  bool IsActive() const { return FIsActive; }
  // The controls linked to the source hear when IsActive changes (key: the observer).
  void AddStateObserver(const void* key, std::function<void()> observer);
  void RemoveStateObserver(const void* key);

  TNotifyEvent OnStateChange;
  TDataChangeEvent OnDataChange;
  TNotifyEvent OnUpdateData;

  void Notification(TComponent* component, TOperation operation) override;

private:
  friend class TDataSet;
  // Tells OnStateChange when IsActive changes.
  void StateChanged();

  bool FAutoEdit = true;
  TDataSet* FDataSet = nullptr;
  bool FEnabled = true;
  bool FIsActive = false;
  std::vector<std::pair<const void*, std::function<void()>>> FObservers;
};

}  // namespace kcl
