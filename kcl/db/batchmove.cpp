#include "kcl/db/batchmove.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/db/bdedatasets.h"

namespace kcl {

KCL_CLASS_INFO(TBatchMove) {
  using T = TBatchMove;
  cls.property("AbortOnKeyViol", &T::AbortOnKeyViol, &T::SetAbortOnKeyViol).Default(true);
  cls.property("AbortOnProblem", &T::AbortOnProblem, &T::SetAbortOnProblem).Default(true);
  cls.property("ChangedTableName", &T::ChangedTableName, &T::SetChangedTableName, TFileNameType());
  cls.property("CommitCount", &T::CommitCount, &T::SetCommitCount).Default(0);
  cls.property("Destination", &T::Destination, &T::SetDestination);
  cls.property("KeyViolTableName", &T::KeyViolTableName, &T::SetKeyViolTableName, TFileNameType());
  cls.property("Mappings", &T::Mappings, &T::SetMappings);
  cls.property("Mode", &T::Mode, &T::SetMode).Default(batAppend);
  cls.property("ProblemTableName", &T::ProblemTableName, &T::SetProblemTableName, TFileNameType());
  cls.property("RecordCount", &T::RecordCount, &T::SetRecordCount, LongintType()).Default(0);
  cls.property("Source", &T::Source, &T::SetSource);
  cls.property("Transliterate", &T::Transliterate, &T::SetTransliterate).Default(true);
}

void TBatchMove::SetDestination(TTable* v) {
  FDestination = v;
  if (v) v->FreeNotification(this);
}

void TBatchMove::SetSource(TBDEDataSet* v) {
  FSource = v;
  if (v) v->FreeNotification(this);
}

void TBatchMove::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FDestination) FDestination = nullptr;
  if (component == FSource) FSource = nullptr;
}

}  // namespace kcl
