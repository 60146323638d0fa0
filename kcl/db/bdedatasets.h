#pragma once
// The Borland Database Engine's data sets as forms keep them: TBDEDataSet and
// TDBDataSet (the published properties and events they share), TTable, TQuery
// and TStoredProc.
#include <memory>
#include <string>

#include "kcl/classes/stringlist.h"
#include "kcl/classes/boundstrings.h"
#include "kcl/db/db.h"
#include "kcl/db/params.h"
#include "kcl/db/updatesql.h"

namespace kcl {

class TBDEDataSet : public TDataSet {
  KCL_CLASS(TBDEDataSet, TDataSet)
public:
  using TDataSet::TDataSet;
  bool CachedUpdates() const { return FCachedUpdates; }
  void SetCachedUpdates(bool v) { FCachedUpdates = v; }
  TDataSetUpdateObject* UpdateObject() const { return FUpdateObject; }
  void SetUpdateObject(TDataSetUpdateObject* v);

  TOnServerYieldEvent OnServerYield;
  TUpdateErrorEvent OnUpdateError;
  TUpdateRecordEvent OnUpdateRecord;

  void Notification(TComponent* component, TOperation operation) override;

private:
  bool FCachedUpdates = false;
  TDataSetUpdateObject* FUpdateObject = nullptr;
};

class TDBDataSet : public TBDEDataSet {
  KCL_CLASS(TDBDataSet, TBDEDataSet)
public:
  using TBDEDataSet::TBDEDataSet;
  std::string DatabaseName() const { return FDatabaseName; }
  void SetDatabaseName(const std::string& v) { FDatabaseName = v; }
  std::string SessionName() const { return FSessionName; }
  void SetSessionName(const std::string& v) { FSessionName = v; }
  TUpdateMode UpdateMode() const { return FUpdateMode; }
  void SetUpdateMode(TUpdateMode v) { FUpdateMode = v; }

private:
  std::string FDatabaseName, FSessionName;
  TUpdateMode FUpdateMode = upWhereAll;
};

class TTable : public TDBDataSet {
  KCL_CLASS(TTable, TDBDataSet)
public:
  using TDBDataSet::TDBDataSet;
  bool Exclusive() const { return FExclusive; }
  void SetExclusive(bool v) { FExclusive = v; }
  // The index is named either by its fields or by its name: setting one clears the other.
  std::string IndexFieldNames() const { return FFieldsIndex ? FIndex : std::string(); }
  void SetIndexFieldNames(const std::string& v);
  TStrings* IndexFiles() const { return FIndexFiles.get(); }
  void SetIndexFiles(TStrings* v) { FIndexFiles->Assign(v); }
  std::string IndexName() const { return FFieldsIndex ? std::string() : FIndex; }
  void SetIndexName(const std::string& v);
  std::string MasterFields() const { return FMasterFields; }
  void SetMasterFields(const std::string& v) { FMasterFields = v; }
  TDataSource* MasterSource() const { return FMasterSource; }
  // Raises EDatabaseError for a source that leads back to this table.
  void SetMasterSource(TDataSource* v);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v) { FReadOnly = v; }
  std::string TableName() const { return FTableName; }
  void SetTableName(const std::string& v) { FTableName = v; }
  TTableType TableType() const { return FTableType; }
  void SetTableType(TTableType v) { FTableType = v; }

  void Notification(TComponent* component, TOperation operation) override;

private:
  bool FExclusive = false;
  std::unique_ptr<TStringList> FIndexFiles = std::make_unique<TStringList>();
  std::string FIndex;
  bool FFieldsIndex = false;
  std::string FMasterFields;
  TDataSource* FMasterSource = nullptr;
  bool FReadOnly = false;
  std::string FTableName;
  TTableType FTableType = ttDefault;
};

class TQuery : public TDBDataSet {
  KCL_CLASS(TQuery, TDBDataSet)
public:
  explicit TQuery(TComponent* owner);
  ~TQuery() override;

  bool Constrained() const { return FConstrained; }
  void SetConstrained(bool v) { FConstrained = v; }
  // The data set whose fields give the values of parameters of the same name.
  TDataSource* DataSource() const { return FDataSource; }
  void SetDataSource(TDataSource* v);
  // Changing SQL remakes Params from it unless ParamCheck is off.
  bool ParamCheck() const { return FParamCheck; }
  void SetParamCheck(bool v) { FParamCheck = v; }
  bool RequestLive() const { return FRequestLive; }
  void SetRequestLive(bool v) { FRequestLive = v; }
  TStrings* SQL() const { return FSQL.get(); }
  void SetSQL(TStrings* v) { FSQL->Assign(v); }
  bool UniDirectional() const { return FUniDirectional; }
  void SetUniDirectional(bool v) { FUniDirectional = v; }
  // What the visual query builder keeps of the query ("Data").
  const std::string& SQLBinary() const { return FSQLBinary; }
  void SetSQLBinary(std::string v) { FSQLBinary = std::move(v); }
  TParams* Params() const { return FParams.get(); }
  void SetParams(TParams* v) { FParams->Assign(v); }

  void Notification(TComponent* component, TOperation operation) override;

protected:
  void DefineProperties(TFiler& filer) override;

private:
  void SQLChanged();

  bool FConstrained = false;
  TDataSource* FDataSource = nullptr;
  bool FParamCheck = true;
  bool FRequestLive = false;
  std::unique_ptr<TBoundStrings> FSQL;
  bool FUniDirectional = false;
  std::string FSQLBinary;
  std::unique_ptr<TParams> FParams = std::make_unique<TParams>();
};

class TStoredProc : public TDBDataSet {
  KCL_CLASS(TStoredProc, TDBDataSet)
public:
  using TDBDataSet::TDBDataSet;
  std::string StoredProcName() const { return FStoredProcName; }
  void SetStoredProcName(const std::string& v) { FStoredProcName = v; }
  uint16_t Overload() const { return FOverload; }
  void SetOverload(uint16_t v) { FOverload = v; }
  TParamBindMode ParamBindMode() const { return FParamBindMode; }
  void SetParamBindMode(TParamBindMode v) { FParamBindMode = v; }
  TParams* Params() const { return FParams.get(); }
  void SetParams(TParams* v) { FParams->Assign(v); }

protected:
  void DefineProperties(TFiler& filer) override;

private:
  std::string FStoredProcName;
  uint16_t FOverload = 0;
  TParamBindMode FParamBindMode = pbByName;
  std::unique_ptr<TParams> FParams = std::make_unique<TParams>();
};

}  // namespace kcl
