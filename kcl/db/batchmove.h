#pragma once
// TBatchMove: copies, appends, updates or deletes the records of one data set in
// a table, with field mappings; the settings are what forms keep.
#include <memory>
#include <string>

#include "kcl/classes/component.h"
#include "kcl/classes/stringlist.h"
#include "kcl/db/dbtypes.h"

namespace kcl {

class TBDEDataSet;
class TTable;

class TBatchMove : public TComponent {
  KCL_CLASS(TBatchMove, TComponent)
public:
  explicit TBatchMove(TComponent* owner) : TComponent(owner) {}

  bool AbortOnKeyViol() const { return FAbortOnKeyViol; }
  void SetAbortOnKeyViol(bool v) { FAbortOnKeyViol = v; }
  bool AbortOnProblem() const { return FAbortOnProblem; }
  void SetAbortOnProblem(bool v) { FAbortOnProblem = v; }
  std::string ChangedTableName() const { return FChangedTableName; }
  void SetChangedTableName(const std::string& v) { FChangedTableName = v; }
  int32_t CommitCount() const { return FCommitCount; }
  void SetCommitCount(int32_t v) { FCommitCount = v; }
  TTable* Destination() const { return FDestination; }
  void SetDestination(TTable* v);
  std::string KeyViolTableName() const { return FKeyViolTableName; }
  void SetKeyViolTableName(const std::string& v) { FKeyViolTableName = v; }
  TStrings* Mappings() const { return FMappings.get(); }
  void SetMappings(TStrings* v) { FMappings->Assign(v); }
  TBatchMode Mode() const { return FMode; }
  void SetMode(TBatchMode v) { FMode = v; }
  std::string ProblemTableName() const { return FProblemTableName; }
  void SetProblemTableName(const std::string& v) { FProblemTableName = v; }
  int32_t RecordCount() const { return FRecordCount; }
  void SetRecordCount(int32_t v) { FRecordCount = v; }
  TBDEDataSet* Source() const { return FSource; }
  void SetSource(TBDEDataSet* v);
  bool Transliterate() const { return FTransliterate; }
  void SetTransliterate(bool v) { FTransliterate = v; }

  void Notification(TComponent* component, TOperation operation) override;

private:
  bool FAbortOnKeyViol = true;
  bool FAbortOnProblem = true;
  std::string FChangedTableName;
  int32_t FCommitCount = 0;
  TTable* FDestination = nullptr;
  std::string FKeyViolTableName;
  std::unique_ptr<TStringList> FMappings = std::make_unique<TStringList>();
  TBatchMode FMode = batAppend;
  std::string FProblemTableName;
  int32_t FRecordCount = 0;
  TBDEDataSet* FSource = nullptr;
  bool FTransliterate = true;
};

}  // namespace kcl
