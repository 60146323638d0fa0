#pragma once
// What every data-aware control has: a data source and the name of the field it
// shows. The control forwards its Notification so that a data source that goes
// is forgotten.
#include <string>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/component.h"
#include "kcl/db/db.h"
#include "kcl/db/fields.h"

namespace kcl {

class TDataAware {
public:
  explicit TDataAware(TComponent* control) : FControl(control) {}
  virtual ~TDataAware();
  TDataAware(const TDataAware&) = delete;
  TDataAware& operator=(const TDataAware&) = delete;

  TDataSource* DataSource() const { return FDataSource; }
  void SetDataSource(TDataSource* v);
  std::string DataField() const { return FDataField; }
  void SetDataField(const std::string& v);
  // Linked to an open data set through an enabled source.
  bool DataActive() const { return FDataSource && FDataSource->IsActive(); }
  // Published as ReadOnly by the controls whose bases have none.
  bool DataReadOnly() const { return FReadOnly; }
  void SetDataReadOnly(bool v) { FReadOnly = v; }
  // The persistent field of that name in the source's data set; nullptr when none.
  TField* Field() const;

protected:
  void DataNotification(TComponent* component, TOperation operation);
  // The link changed, or its data set opened or closed: what the control shows may change.
  virtual void DataLinkChanged() {}

private:
  TComponent* FControl;
  TDataSource* FDataSource = nullptr;
  std::string FDataField;
  bool FReadOnly = false;
};

// A data-aware control's Notification: its base's, then the link's.
#define KCL_DATA_AWARE_NOTIFICATION(Base)                                       \
  void Notification(TComponent* component, TOperation operation) override { \
    Base::Notification(component, operation);                                 \
    DataNotification(component, operation);                                   \
  }

// Publishes DataField and DataSource, in that order.
template <class T>
void PublishDataLink(TClassBuilder<T>& cls) {
  cls.property("DataField", &T::DataField, &T::SetDataField);
  cls.property("DataSource", &T::DataSource, &T::SetDataSource);
}

template <class T>
void PublishDataReadOnly(TClassBuilder<T>& cls) {
  cls.property("ReadOnly", &T::DataReadOnly, &T::SetDataReadOnly).Default(false);
}

}  // namespace kcl
