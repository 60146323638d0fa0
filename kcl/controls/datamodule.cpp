#include "kcl/controls/datamodule.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/writer.h"

namespace kcl {

KCL_CLASS_INFO(TDataModule) {
  cls.event("OnCreate", &TDataModule::OnCreate, TNotifyEventType());
  cls.event("OnDestroy", &TDataModule::OnDestroy, TNotifyEventType());
}

TDataModule::TDataModule(TComponent* owner) : TComponent(owner) {}

void TDataModule::BeforeDestruction() {
  OnDestroy(this);
  TComponent::BeforeDestruction();
}

void TDataModule::GetChildren(const TGetChildProc& proc, TComponent*) {
  for (int i = 0; i < ComponentCount(); ++i)
    if (!Components(i)->HasParent()) proc(Components(i));
}

void TDataModule::DefineProperties(TFiler& filer) {
  // The position and size stand in for the component's design information; an
  // inherited data module writes those that differ from its ancestor's.
  const auto* ancestor = dynamic_cast<const TDataModule*>(filer.Ancestor());
  const auto define = [&filer](const char* name, int& value, const int* ancestorValue) {
    filer.DefineProperty(
        name, [&value](TReader& r) { value = r.ReadInteger(); }, [&value](TWriter& w) { w.WriteInteger(value); },
        !ancestorValue || value != *ancestorValue);
  };
  define("Left", FDesignOffset.X, ancestor ? &ancestor->FDesignOffset.X : nullptr);
  define("Top", FDesignOffset.Y, ancestor ? &ancestor->FDesignOffset.Y : nullptr);
  define("Height", FDesignSize.Y, ancestor ? &ancestor->FDesignSize.Y : nullptr);
  define("Width", FDesignSize.X, ancestor ? &ancestor->FDesignSize.X : nullptr);
}

void RegisterDataModule() { RegisterClasses({&TDataModule::StaticClass()}); }

}  // namespace kcl
