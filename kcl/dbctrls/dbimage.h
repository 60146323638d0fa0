#pragma once
// TDBImage: the picture of a graphic field. Without data it is an empty framed
// area; while it is designed it shows its name in brackets.
#include "kcl/components/stdtypes.h"
#include "kcl/controls/customcontrol.h"
#include "kcl/dbctrls/dataaware.h"

namespace kcl {

class TDBImage : public TCustomControl, public TDataAware {
  KCL_CLASS(TDBImage, TCustomControl)
public:
  explicit TDBImage(TComponent* owner);

  bool AutoDisplay() const { return FAutoDisplay; }
  void SetAutoDisplay(bool v) { FAutoDisplay = v; }
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle v);
  bool Center() const { return FCenter; }
  void SetCenter(bool v);
  bool QuickDraw() const { return FQuickDraw; }
  void SetQuickDraw(bool v) { FQuickDraw = v; }
  bool Stretch() const { return FStretch; }
  void SetStretch(bool v);

  KCL_DATA_AWARE_NOTIFICATION(TCustomControl)

protected:
  void Paint() override;
  void ChangeName(const std::string& newName) override;

private:
  bool FAutoDisplay = true;
  TBorderStyle FBorderStyle = bsSingle;
  bool FCenter = true;
  bool FQuickDraw = true;
  bool FStretch = false;
};

}  // namespace kcl
