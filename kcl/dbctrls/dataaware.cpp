#include "kcl/dbctrls/dataaware.h"

namespace kcl {

TDataAware::~TDataAware() {
  if (FDataSource) FDataSource->RemoveStateObserver(this);
}

void TDataAware::SetDataSource(TDataSource* v) {
  if (v == FDataSource) return;
  if (FDataSource) FDataSource->RemoveStateObserver(this);
  FDataSource = v;
  if (v) {
    v->FreeNotification(FControl);
    v->AddStateObserver(this, [this] { DataLinkChanged(); });
  }
  DataLinkChanged();
}

void TDataAware::SetDataField(const std::string& v) {
  if (v == FDataField) return;
  FDataField = v;
  DataLinkChanged();
}

TField* TDataAware::Field() const {
  if (!FDataSource || !FDataSource->DataSet() || FDataField.empty()) return nullptr;
  return FDataSource->DataSet()->FindField(FDataField);
}

void TDataAware::DataNotification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component == FDataSource) SetDataSource(nullptr);
}

}  // namespace kcl
