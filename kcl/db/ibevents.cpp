#include "kcl/db/ibevents.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/db/database.h"

namespace kcl {

KCL_CLASS_INFO(TIBEventAlerter) {
  cls.property("Database", &TIBEventAlerter::Database, &TIBEventAlerter::SetDatabase);
  cls.property("Events", &TIBEventAlerter::Events, &TIBEventAlerter::SetEvents);
  cls.property("Registered", &TIBEventAlerter::Registered, &TIBEventAlerter::SetRegistered).Default(false);
  cls.event("OnEventAlert", &TIBEventAlerter::OnEventAlert, TEventAlertType());
}

void TIBEventAlerter::SetDatabase(TDatabase* v) {
  FDatabase = v;
  if (v) v->FreeNotification(this);
}

void TIBEventAlerter::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FDatabase) FDatabase = nullptr;
}

}  // namespace kcl
