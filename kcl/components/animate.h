#pragma once
// TAnimate: plays a silent animation. The system's common animations (finding,
// copying, recycling, deleting) have no AVI resources here; the framework draws
// their frames itself and plays them on a timer while the control is Active. In
// design state the control shows a still frame: no timer runs.
#include <string>

#include "kcl/controls/customcontrol.h"

#include <QTimer>

namespace kcl {

// caNone is already a TCloseAction; the Delphi names live in the type table.
enum class TCommonAVI : int {
  aviNone, aviFindFolder, aviFindFile, aviFindComputer, aviCopyFiles, aviCopyFile, aviRecycleFile,
  aviEmptyRecycle, aviDeleteFile
};
KCL_ENUM_TYPE(TCommonAVI, "TCommonAVI", caNone, caFindFolder, caFindFile, caFindComputer, caCopyFiles,
              caCopyFile, caRecycleFile, caEmptyRecycle, caDeleteFile)

class TAnimate : public TCustomControl {
  KCL_CLASS(TAnimate, TCustomControl)
public:
  explicit TAnimate(TComponent* owner);
  ~TAnimate() override;

  bool Active() const { return FActive; }
  void SetActive(bool v);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v);
  bool Center() const { return FCenter; }
  void SetCenter(bool v);
  TCommonAVI CommonAVI() const { return FCommonAVI; }
  void SetCommonAVI(TCommonAVI v);
  // AVI files cannot be played here: a file name is kept and streamed, and opens
  // nothing.
  std::string FileName() const { return FFileName; }
  void SetFileName(const std::string& v);
  int FrameCount() const { return FFrameCount; }
  int FrameHeight() const { return FFrameHeight; }
  int FrameWidth() const { return FFrameWidth; }
  bool Open() const { return FOpen; }
  void SetOpen(bool v);
  int Repetitions() const { return FRepetitions; }
  void SetRepetitions(int v) { FRepetitions = v; }
  short StartFrame() const { return FStartFrame; }
  void SetStartFrame(short v);
  short StopFrame() const { return FStopFrame; }
  void SetStopFrame(short v);
  bool Timers() const { return FTimers; }
  void SetTimers(bool v) { FTimers = v; }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v);

  // Plays frames from..to (1-based) count times (0: until stopped).
  void Play(int fromFrame, int toFrame, int count);
  void Stop();
  void Reset();
  void Seek(int frame);
  // The frame shown now (1-based), and whether the timer runs.
  int CurrentFrame() const { return FCurrentFrame; }
  bool Playing() const { return FTimer.isActive(); }

  TNotifyEvent OnOpen;
  TNotifyEvent OnClose;
  TNotifyEvent OnStart;
  TNotifyEvent OnStop;

  void Loaded() override;
  void SetDesigning(bool value) override;

protected:
  void Paint() override;

private:
  void DoOpen(bool open);
  void StartTimer();
  void NextFrame();
  void Notify(TNotifyEvent& event);

  bool FActive = false;
  bool FAutoSize = true;
  bool FCenter = true;
  TCommonAVI FCommonAVI = TCommonAVI::aviNone;
  std::string FFileName;
  int FFrameCount = 0;
  int FFrameHeight = 0;
  int FFrameWidth = 0;
  bool FOpen = false;
  int FRepetitions = 0;
  short FStartFrame = 1;
  short FStopFrame = 0;
  bool FTimers = false;
  bool FTransparent = true;
  int FCurrentFrame = 1;
  int FPlayFrom = 1, FPlayTo = 0, FPlayCount = 0, FPlayed = 0;
  QTimer FTimer;
};

}  // namespace kcl
