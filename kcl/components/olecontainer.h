#pragma once
// TOleContainer: a control that holds an OLE object. No OLE server runs here: a
// container keeps the object's stored data (Data) byte for byte, so that the
// form file comes back unchanged, and shows itself as an empty framed box.
#include <string>

#include "kcl/components/stdtypes.h"
#include "kcl/controls/customcontrol.h"

namespace kcl {

KCL_ENUM(TAutoActivate, aaManual, aaGetFocus, aaDoubleClick)
KCL_ENUM(TSizeMode, smClip, smCenter, smScale, smStretch, smAutoSize)

class TOleContainer;
using TObjectMoveEvent = TEvent<void(TOleContainer* oleContainer, const TRect& bounds)>;

class TOleContainer : public TCustomControl {
  KCL_CLASS(TOleContainer, TCustomControl)
public:
  explicit TOleContainer(TComponent* owner);

  bool AllowInPlace() const { return FAllowInPlace; }
  void SetAllowInPlace(bool v) { FAllowInPlace = v; }
  TAutoActivate AutoActivate() const { return FAutoActivate; }
  void SetAutoActivate(TAutoActivate v) { FAutoActivate = v; }
  bool AutoVerbMenu() const { return FAutoVerbMenu; }
  void SetAutoVerbMenu(bool v) { FAutoVerbMenu = v; }
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle v);
  bool CopyOnSave() const { return FCopyOnSave; }
  void SetCopyOnSave(bool v) { FCopyOnSave = v; }
  // Whether the object shows as its icon; there is no object to show here.
  bool Iconic() const { return false; }
  void SetIconic(bool) {}
  bool OldStreamFormat() const { return FOldStreamFormat; }
  void SetOldStreamFormat(bool v) { FOldStreamFormat = v; }
  TSizeMode SizeMode() const { return FSizeMode; }
  void SetSizeMode(TSizeMode v) { FSizeMode = v; }

  // The object's data as read; empty for a container without an object, which
  // writes none.
  const std::string& Data() const { return FData; }
  void SetData(std::string data);
  // Nothing can be activated without an OLE server: false.
  bool Activate() { return false; }

  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TObjectMoveEvent OnObjectMove;
  TNotifyEvent OnResize;

protected:
  void DefineProperties(TFiler& filer) override;
  void Paint() override;

private:
  bool FAllowInPlace = true;
  TAutoActivate FAutoActivate = aaDoubleClick;
  bool FAutoVerbMenu = true;
  TBorderStyle FBorderStyle = bsSingle;
  bool FCopyOnSave = true;
  bool FOldStreamFormat = false;
  TSizeMode FSizeMode = smClip;
  std::string FData;
};

}  // namespace kcl
