#include "kcl/db/bdedatasets.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/filer.h"

namespace kcl {

namespace {

// The data-set events every engine data set publishes, in their order.
template <class T>
void PublishDataSetEvents(TClassBuilder<T>& cls) {
  const auto notify = TDataSetNotifyEventType();
  cls.event("BeforeOpen", &T::BeforeOpen, notify);
  cls.event("AfterOpen", &T::AfterOpen, notify);
  cls.event("BeforeClose", &T::BeforeClose, notify);
  cls.event("AfterClose", &T::AfterClose, notify);
  cls.event("BeforeInsert", &T::BeforeInsert, notify);
  cls.event("AfterInsert", &T::AfterInsert, notify);
  cls.event("BeforeEdit", &T::BeforeEdit, notify);
  cls.event("AfterEdit", &T::AfterEdit, notify);
  cls.event("BeforePost", &T::BeforePost, notify);
  cls.event("AfterPost", &T::AfterPost, notify);
  cls.event("BeforeCancel", &T::BeforeCancel, notify);
  cls.event("AfterCancel", &T::AfterCancel, notify);
  cls.event("BeforeDelete", &T::BeforeDelete, notify);
  cls.event("AfterDelete", &T::AfterDelete, notify);
  cls.event("BeforeScroll", &T::BeforeScroll, notify);
  cls.event("AfterScroll", &T::AfterScroll, notify);
  cls.event("OnCalcFields", &T::OnCalcFields, notify);
  cls.event("OnDeleteError", &T::OnDeleteError, TDataSetErrorEventType());
  cls.event("OnEditError", &T::OnEditError, TDataSetErrorEventType());
  cls.event("OnFilterRecord", &T::OnFilterRecord, TFilterRecordEventType());
  cls.event("OnNewRecord", &T::OnNewRecord, notify);
  cls.event("OnPostError", &T::OnPostError, TDataSetErrorEventType());
}

template <class T>
void PublishUpdateProperties(TClassBuilder<T>& cls) {
  cls.property("UpdateMode", &T::UpdateMode, &T::SetUpdateMode).Default(upWhereAll);
  cls.property("UpdateObject", &T::UpdateObject, &T::SetUpdateObject);
}

}  // namespace

KCL_CLASS_INFO(TBDEDataSet) {
  cls.property("Active", &TBDEDataSet::Active, &TBDEDataSet::SetActive).Default(false);
  cls.property("AutoCalcFields", &TBDEDataSet::AutoCalcFields, &TBDEDataSet::SetAutoCalcFields).Default(true);
  cls.property("CachedUpdates", &TBDEDataSet::CachedUpdates, &TBDEDataSet::SetCachedUpdates).Default(false);
  cls.property("Filter", &TBDEDataSet::Filter, &TBDEDataSet::SetFilter);
  cls.property("Filtered", &TBDEDataSet::Filtered, &TBDEDataSet::SetFiltered).Default(false);
  cls.property("FilterOptions", &TBDEDataSet::FilterOptions, &TBDEDataSet::SetFilterOptions).Default(TFilterOptions());
  PublishDataSetEvents(cls);
  cls.event("OnServerYield", &TBDEDataSet::OnServerYield, TOnServerYieldEventType());
  cls.event("OnUpdateError", &TBDEDataSet::OnUpdateError, TUpdateErrorEventType());
  cls.event("OnUpdateRecord", &TBDEDataSet::OnUpdateRecord, TUpdateRecordEventType());
}

void TBDEDataSet::SetUpdateObject(TDataSetUpdateObject* v) {
  FUpdateObject = v;
  if (v) v->FreeNotification(this);
}

void TBDEDataSet::Notification(TComponent* component, TOperation operation) {
  TDataSet::Notification(component, operation);
  if (operation == opRemove && component == FUpdateObject) FUpdateObject = nullptr;
}

KCL_CLASS_INFO(TDBDataSet) {
  cls.property("DatabaseName", &TDBDataSet::DatabaseName, &TDBDataSet::SetDatabaseName);
  cls.property("SessionName", &TDBDataSet::SessionName, &TDBDataSet::SetSessionName);
}

// --- TTable

KCL_CLASS_INFO(TTable) {
  cls.property("Exclusive", &TTable::Exclusive, &TTable::SetExclusive).Default(false);
  cls.property("IndexFieldNames", &TTable::IndexFieldNames, &TTable::SetIndexFieldNames);
  cls.property("IndexFiles", &TTable::IndexFiles, &TTable::SetIndexFiles);
  cls.property("IndexName", &TTable::IndexName, &TTable::SetIndexName);
  cls.property("MasterFields", &TTable::MasterFields, &TTable::SetMasterFields);
  cls.property("MasterSource", &TTable::MasterSource, &TTable::SetMasterSource);
  cls.property("ReadOnly", &TTable::ReadOnly, &TTable::SetReadOnly).Default(false);
  cls.property("TableName", &TTable::TableName, &TTable::SetTableName, TFileNameType());
  cls.property("TableType", &TTable::TableType, &TTable::SetTableType).Default(ttDefault);
  PublishUpdateProperties(cls);
}

void TTable::SetIndexFieldNames(const std::string& v) {
  if (v.empty() && !FFieldsIndex) return;
  FIndex = v;
  FFieldsIndex = !v.empty();
}

void TTable::SetIndexName(const std::string& v) {
  if (v.empty() && FFieldsIndex) return;
  FIndex = v;
  FFieldsIndex = false;
}

void TTable::SetMasterSource(TDataSource* v) {
  if (v && v->DataSet() == this) throw EDatabaseError("Circular datalinks are not allowed");
  FMasterSource = v;
  if (v) v->FreeNotification(this);
}

void TTable::Notification(TComponent* component, TOperation operation) {
  TDBDataSet::Notification(component, operation);
  if (operation == opRemove && component == FMasterSource) FMasterSource = nullptr;
}

// --- TQuery

KCL_CLASS_INFO(TQuery) {
  cls.property("Constrained", &TQuery::Constrained, &TQuery::SetConstrained).Default(false);
  cls.property("DataSource", &TQuery::DataSource, &TQuery::SetDataSource);
  cls.property("ParamCheck", &TQuery::ParamCheck, &TQuery::SetParamCheck).Default(true);
  cls.property("RequestLive", &TQuery::RequestLive, &TQuery::SetRequestLive).Default(false);
  cls.property("SQL", &TQuery::SQL, &TQuery::SetSQL);
  cls.property("Params", &TQuery::Params, &TQuery::SetParams).Stored(false);
  cls.property("UniDirectional", &TQuery::UniDirectional, &TQuery::SetUniDirectional).Default(false);
  PublishUpdateProperties(cls);
}

TQuery::TQuery(TComponent* owner) : TDBDataSet(owner), FSQL(std::make_unique<TBoundStrings>([this] { SQLChanged(); })) {}

TQuery::~TQuery() { FSQL->SetChangedHandler(nullptr); }

void TQuery::SQLChanged() {
  // A form's own ParamData follows its SQL.
  if (ComponentState().Contains(csReading)) return;
  if (FParamCheck || IsDesigning()) FParams->ParseSQL(FSQL->Text());
}

void TQuery::SetDataSource(TDataSource* v) {
  if (v && v->DataSet() == this) throw EDatabaseError("Circular datalinks are not allowed");
  FDataSource = v;
  if (v) v->FreeNotification(this);
}

void TQuery::Notification(TComponent* component, TOperation operation) {
  TDBDataSet::Notification(component, operation);
  if (operation == opRemove && component == FDataSource) FDataSource = nullptr;
}

void TQuery::DefineProperties(TFiler& filer) {
  TDBDataSet::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "Data", [this](TStream& stream) { FSQLBinary = stream.ReadRest(); },
      [this](TStream& stream) { stream.WriteString(FSQLBinary); }, !FSQLBinary.empty());
  const auto* ancestor = dynamic_cast<const TQuery*>(filer.Ancestor());
  DefineParamData(filer, *FParams, ancestor ? ancestor->Params() : nullptr);
}

// --- TStoredProc

KCL_CLASS_INFO(TStoredProc) {
  cls.property("StoredProcName", &TStoredProc::StoredProcName, &TStoredProc::SetStoredProcName);
  cls.property("Overload", &TStoredProc::Overload, &TStoredProc::SetOverload).Default(0);
  cls.property("Params", &TStoredProc::Params, &TStoredProc::SetParams).Stored(false);
  cls.property("ParamBindMode", &TStoredProc::ParamBindMode, &TStoredProc::SetParamBindMode).Default(pbByName);
  cls.property("UpdateObject", &TStoredProc::UpdateObject, &TStoredProc::SetUpdateObject);
}

void TStoredProc::DefineProperties(TFiler& filer) {
  TDBDataSet::DefineProperties(filer);
  const auto* ancestor = dynamic_cast<const TStoredProc*>(filer.Ancestor());
  DefineParamData(filer, *FParams, ancestor ? ancestor->Params() : nullptr);
}

}  // namespace kcl
