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
  // The position and size stand in for the component's design information.
  const auto define = [&filer](const char* name, int& value) {
    filer.DefineProperty(
        name, [&value](TReader& r) { value = r.ReadInteger(); }, [&value](TWriter& w) { w.WriteInteger(value); },
        true);
  };
  define("Left", FDesignOffset.X);
  define("Top", FDesignOffset.Y);
  define("Height", FDesignSize.Y);
  define("Width", FDesignSize.X);
}

void RegisterDataModule() { RegisterClasses({&TDataModule::StaticClass()}); }

}  // namespace kcl
