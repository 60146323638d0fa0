#pragma once
// TIBEventAlerter: the InterBase events a program registers for with a database.
#include <memory>

#include "kcl/classes/component.h"
#include "kcl/classes/stringlist.h"
#include "kcl/db/dbtypes.h"

namespace kcl {

class TIBEventAlerter : public TComponent {
  KCL_CLASS(TIBEventAlerter, TComponent)
public:
  explicit TIBEventAlerter(TComponent* owner) : TComponent(owner) {}

  TDatabase* Database() const { return FDatabase; }
  void SetDatabase(TDatabase* v);
  TStrings* Events() const { return FEvents.get(); }
  void SetEvents(TStrings* v) { FEvents->Assign(v); }
  bool Registered() const { return FRegistered; }
  void SetRegistered(bool v) { FRegistered = v; }

  TEventAlert OnEventAlert;

  void Notification(TComponent* component, TOperation operation) override;

private:
  TDatabase* FDatabase = nullptr;
  std::unique_ptr<TStringList> FEvents = std::make_unique<TStringList>();
  bool FRegistered = false;
};

}  // namespace kcl
