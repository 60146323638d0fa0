#include "kcl/components/timer.h"

#include <QTimer>

#include "kcl/classes/classbuilder.h"

namespace kcl {

KCL_CLASS_INFO(TTimer) {
  cls.property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true);
  cls.property("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000u);
  cls.event("OnTimer", &TTimer::OnTimer, TNotifyEventType());
}

TTimer::TTimer(TComponent* owner) : TComponent(owner), FTimer(std::make_unique<QTimer>()) {
  QObject::connect(FTimer.get(), &QTimer::timeout, FTimer.get(), [this] {
    if (!IsDesigning()) Timer();
  });
}

TTimer::~TTimer() = default;

void TTimer::SetEnabled(bool v) {
  FEnabled = v;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned v) {
  FInterval = v;
  UpdateTimer();
}

bool TTimer::Running() const { return FTimer->isActive(); }

void TTimer::SetDesigning(bool value) {
  TComponent::SetDesigning(value);
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  FTimer->stop();
  if (!FEnabled || FInterval == 0 || IsDesigning() || IsLoading()) return;
  FTimer->start(static_cast<int>(std::min(FInterval, 0x7FFFFFFFu)));
}

}  // namespace kcl
