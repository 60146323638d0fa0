#pragma once
// TMediaPlayer: the row of the nine media buttons (play, pause, stop, next,
// previous, step, back, record, eject), drawn by the framework. There is no
// multimedia device behind it: a click reports OnClick and OnPostClick, and at
// run time AutoEnable greys every button, as it does while no device is open.
#include "kcl/components/stdtypes.h"
#include "kcl/controls/customcontrol.h"

namespace kcl {

KCL_ENUM(TMPBtnType, btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject)
KCL_SET(TButtonSet, TMPBtnType)
KCL_ENUM(TMPDeviceTypes, dtAutoSelect, dtAVIVideo, dtCDAudio, dtDAT, dtDigitalVideo, dtMMMovie, dtOther, dtOverlay,
         dtScanner, dtSequencer, dtVCR, dtVideodisc, dtWaveAudio)

using EMPNotify = TEvent<void(TObject* sender, TMPBtnType button, bool& doDefault)>;
using EMPPostNotify = TEvent<void(TObject* sender, TMPBtnType button)>;
const TTypeInfo* EMPNotifyType();
const TTypeInfo* EMPPostNotifyType();

class TMediaPlayer : public TCustomControl {
  KCL_CLASS(TMediaPlayer, TCustomControl)
public:
  static constexpr TButtonSet AllButtons{btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject};
  // The width of one button; a player is this times its buttons, plus one.
  static constexpr int ButtonWidth = 28;

  explicit TMediaPlayer(TComponent* owner);

  TButtonSet ColoredButtons() const { return FColoredButtons; }
  void SetColoredButtons(TButtonSet v);
  TButtonSet EnabledButtons() const { return FEnabledButtons; }
  void SetEnabledButtons(TButtonSet v);
  // Outside the loading of a form, the player takes the width of the buttons shown.
  TButtonSet VisibleButtons() const { return FVisibleButtons; }
  void SetVisibleButtons(TButtonSet v);
  bool AutoEnable() const { return FAutoEnable; }
  void SetAutoEnable(bool v);
  bool AutoOpen() const { return FAutoOpen; }
  void SetAutoOpen(bool v) { FAutoOpen = v; }
  bool AutoRewind() const { return FAutoRewind; }
  void SetAutoRewind(bool v) { FAutoRewind = v; }
  TMPDeviceTypes DeviceType() const { return FDeviceType; }
  void SetDeviceType(TMPDeviceTypes v) { FDeviceType = v; }
  TWinControl* Display() const { return FDisplay; }
  void SetDisplay(TWinControl* v);
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& v) { FFileName = v; }
  bool Shareable() const { return FShareable; }
  void SetShareable(bool v) { FShareable = v; }

  // The buttons as they are drawn now (AutoEnable at run time greys them all).
  bool ButtonEnabled(TMPBtnType button) const;
  // Where a visible button is drawn; an empty rectangle for a hidden one.
  TRect ButtonRect(TMPBtnType button) const;
  // The visible button at a client point, or -1.
  int ButtonAt(int x, int y) const;
  // What a click on the button does: OnClick, then OnPostClick.
  void ClickButton(TMPBtnType button);

  void Notification(TComponent* component, TOperation operation) override;

  EMPNotify OnClick;
  EMPPostNotify OnPostClick;
  TNotifyEvent OnNotify;

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  int VisibleCount() const;
  void PaintGlyph(TMPBtnType button, const TRect& rect, TColor color);

  TButtonSet FColoredButtons = AllButtons;
  TButtonSet FEnabledButtons = AllButtons;
  TButtonSet FVisibleButtons = AllButtons;
  bool FAutoEnable = true;
  bool FAutoOpen = false;
  bool FAutoRewind = true;
  TMPDeviceTypes FDeviceType = dtAutoSelect;
  TWinControl* FDisplay = nullptr;
  std::string FFileName;
  bool FShareable = false;
  int FPressed = -1;
};

}  // namespace kcl
