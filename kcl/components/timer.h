#pragma once
// TTimer: OnTimer every Interval milliseconds while Enabled, over a QTimer.
// A timer on a designed form never fires.
#include <memory>

#include "kcl/classes/component.h"
#include "kcl/classes/events.h"

class QTimer;

namespace kcl {

class TTimer : public TComponent {
  KCL_CLASS(TTimer, TComponent)
public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v);
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned v);
  // True while the timer counts towards its next OnTimer.
  bool Running() const;

  void SetDesigning(bool value) override;
  void Loaded() override;

  TNotifyEvent OnTimer;

protected:
  virtual void Timer() { OnTimer(this); }

private:
  void UpdateTimer();

  bool FEnabled = true;
  unsigned FInterval = 1000;
  std::unique_ptr<QTimer> FTimer;
};

}  // namespace kcl
