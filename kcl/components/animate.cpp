#include "kcl/components/animate.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/components/animateframes.h"
#include "kcl/graphics/brush.h"

namespace kcl {

namespace {
constexpr int FrameInterval = 60;  // milliseconds; the common animations' rate
}

KCL_CLASS_INFO(TAnimate) {
  using T = TAnimate;
  cls.property("Active", &T::Active, &T::SetActive).Default(false);
  cls.property("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(true);
  cls.publish({"Align"});
  cls.property("Center", &T::Center, &T::SetCenter).Default(true);
  cls.publish({"Color"});
  cls.property("CommonAVI", &T::CommonAVI, &T::SetCommonAVI).Default(TCommonAVI::aviNone);
  cls.property("FileName", &T::FileName, &T::SetFileName);
  cls.property("FrameCount", &T::FrameCount).Stored(false);
  cls.property("FrameHeight", &T::FrameHeight).Stored(false);
  cls.property("FrameWidth", &T::FrameWidth).Stored(false);
  cls.property("Open", &T::Open, &T::SetOpen).Stored(false);
  cls.publish({"ParentColor", "ParentShowHint", "PopupMenu"});
  cls.property("Repetitions", &T::Repetitions, &T::SetRepetitions).Default(0);
  cls.publish({"ShowHint"});
  cls.property("StartFrame", &T::StartFrame, &T::SetStartFrame).Default(1);
  cls.property("StopFrame", &T::StopFrame, &T::SetStopFrame).Default(0);
  cls.property("Timers", &T::Timers, &T::SetTimers).Default(false);
  cls.property("Transparent", &T::Transparent, &T::SetTransparent).Default(true);
  cls.publish({"Visible"});
  cls.event("OnOpen", &T::OnOpen, TNotifyEventType());
  cls.event("OnClose", &T::OnClose, TNotifyEventType());
  cls.event("OnStart", &T::OnStart, TNotifyEventType());
  cls.event("OnStop", &T::OnStop, TNotifyEventType());
}

TAnimate::TAnimate(TComponent* owner) : TCustomControl(owner) {
  SetBounds(Left(), Top(), 50, 50);
  FTimer.setInterval(FrameInterval);
  QObject::connect(&FTimer, &QTimer::timeout, [this] { NextFrame(); });
}

TAnimate::~TAnimate() { FTimer.stop(); }

void TAnimate::Notify(TNotifyEvent& event) {
  if (!IsDesigning()) event(this);
}

void TAnimate::SetCommonAVI(TCommonAVI v) {
  if (FCommonAVI == v) return;
  const bool wasActive = FActive;
  DoOpen(false);
  FCommonAVI = v;
  if (v != TCommonAVI::aviNone) FFileName.clear();
  if (IsLoading()) return;  // opened in Loaded
  DoOpen(v != TCommonAVI::aviNone);
  // A newly chosen animation plays all its frames.
  FStartFrame = 1;
  FStopFrame = static_cast<short>(FFrameCount);
  if (wasActive && FOpen) SetActive(true);
}

void TAnimate::SetFileName(const std::string& v) {
  if (FFileName == v) return;
  FFileName = v;
  if (!v.empty() && FCommonAVI != TCommonAVI::aviNone) {
    DoOpen(false);
    FCommonAVI = TCommonAVI::aviNone;
  }
}

void TAnimate::SetOpen(bool v) {
  if (IsLoading()) return;
  DoOpen(v);
}

void TAnimate::DoOpen(bool open) {
  if (open == FOpen) return;
  if (!open) {
    Stop();
    FActive = false;
    FOpen = false;
    FFrameCount = FFrameWidth = FFrameHeight = 0;
    Notify(OnClose);
    Invalidate();
    return;
  }
  const TAviFormat format = CommonAviFormat(FCommonAVI);
  if (format.FrameCount == 0) return;  // nothing that can be played
  FOpen = true;
  FFrameCount = format.FrameCount, FFrameWidth = format.Width, FFrameHeight = format.Height;
  FCurrentFrame = std::clamp<int>(FStartFrame, 1, FFrameCount);
  if (FAutoSize) SetBounds(Left(), Top(), FFrameWidth, FFrameHeight);
  Notify(OnOpen);
  Invalidate();
}

void TAnimate::SetActive(bool v) {
  if (IsLoading()) {
    FActive = v;  // started in Loaded
    return;
  }
  if (v) {
    DoOpen(true);
    if (!FOpen) return;
    Play(FStartFrame, FStopFrame, FRepetitions);
  } else {
    Stop();
  }
}

void TAnimate::SetAutoSize(bool v) {
  FAutoSize = v;
  if (v && FOpen && !IsLoading()) SetBounds(Left(), Top(), FFrameWidth, FFrameHeight);
}

void TAnimate::SetCenter(bool v) {
  FCenter = v;
  Invalidate();
}

void TAnimate::SetTransparent(bool v) {
  FTransparent = v;
  Invalidate();
}

void TAnimate::SetStartFrame(short v) {
  FStartFrame = std::max<short>(v, 1);
  if (FActive && !IsLoading()) Play(FStartFrame, FStopFrame, FRepetitions);
}

void TAnimate::SetStopFrame(short v) {
  FStopFrame = std::max<short>(v, 0);
  if (FActive && !IsLoading()) Play(FStartFrame, FStopFrame, FRepetitions);
}

void TAnimate::Play(int fromFrame, int toFrame, int count) {
  DoOpen(true);
  if (!FOpen) return;
  const int last = toFrame <= 0 ? FFrameCount : std::min(toFrame, FFrameCount);
  FPlayFrom = std::clamp(fromFrame, 1, last);
  FPlayTo = last;
  FPlayCount = std::max(count, 0);
  FPlayed = 0;
  FCurrentFrame = FPlayFrom;
  const bool starting = !FActive;
  FActive = true;
  StartTimer();
  if (starting) Notify(OnStart);
  Invalidate();
}

void TAnimate::StartTimer() {
  // A designed form shows the animation standing still.
  if (FActive && !IsDesigning() && !IsLoading())
    FTimer.start();
  else
    FTimer.stop();
}

void TAnimate::Stop() {
  FTimer.stop();
  if (!FActive) return;
  FActive = false;
  Notify(OnStop);
}

void TAnimate::Reset() {
  Stop();
  Seek(FStartFrame);
}

void TAnimate::Seek(int frame) {
  Stop();
  if (FOpen) FCurrentFrame = std::clamp(frame, 1, FFrameCount);
  Invalidate();
}

void TAnimate::NextFrame() {
  if (FCurrentFrame < FPlayTo) {
    ++FCurrentFrame;
  } else if (FPlayCount > 0 && ++FPlayed >= FPlayCount) {
    Stop();
  } else {
    FCurrentFrame = FPlayFrom;
  }
  Invalidate();
}

void TAnimate::Loaded() {
  TCustomControl::Loaded();
  if (FCommonAVI == TCommonAVI::aviNone) {
    FActive = false;
    return;
  }
  const bool active = FActive;
  FActive = false;
  DoOpen(true);
  if (active) Play(FStartFrame, FStopFrame, FRepetitions);
}

void TAnimate::SetDesigning(bool value) {
  TCustomControl::SetDesigning(value);
  StartTimer();
}

void TAnimate::Paint() {
  if (!FTransparent || !ParentColor()) {
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
  }
  if (!FOpen) return;
  TPoint origin{0, 0};
  if (FCenter) origin = {(Width() - FFrameWidth) / 2, (Height() - FFrameHeight) / 2};
  DrawCommonAviFrame(*Canvas(), FCommonAVI, FCurrentFrame, origin);
}

}  // namespace kcl
