#pragma once
// TDataModule: a container of non-visual components. Its file records where the
// designer showed it (Left, Top) and how big (Height, Width).
#include "kcl/classes/component.h"
#include "kcl/classes/events.h"
#include "kcl/rtl/types.h"

namespace kcl {

class TDataModule : public TComponent {
  KCL_CLASS(TDataModule, TComponent)
public:
  explicit TDataModule(TComponent* owner);
  void BeforeDestruction() override;

  TPoint DesignOffset() const { return FDesignOffset; }
  void SetDesignOffset(TPoint p) { FDesignOffset = p; }
  // X is the width and Y the height.
  TPoint DesignSize() const { return FDesignSize; }
  void SetDesignSize(TPoint p) { FDesignSize = p; }

  // The components it owns that belong to no other (fields go with their data set).
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;

protected:
  void DefineProperties(TFiler& filer) override;

private:
  TPoint FDesignOffset;
  TPoint FDesignSize{200, 150};
};

void RegisterDataModule();

}  // namespace kcl
