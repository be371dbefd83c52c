#pragma once
// Timer: a window-message timer on the GUI thread. OnTimer runs every
// Interval milliseconds while Enabled, Interval > 0 and a handler is set.
#include <windows.h>

#include <functional>

#include "classlib/core/Component.h"

namespace classlib {

class TTimer;
// A fake in place of the window timers (tests): while a hook is set no
// window timer is armed; the hook hears of every arming (true) and
// disarming (false) instead, and the test ticks with TTimer::Tick.
using TTimerArmHook = std::function<void(TTimer& timer, bool armed)>;
// Replaces the hook (empty: window timers again); returns the one before.
TTimerArmHook SetTimerArmHook(TTimerArmHook hook);

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned value);
  const TNotifyEvent& OnTimer() const { return onTimer_; }
  void SetOnTimer(TNotifyEvent handler);
  // One tick as the window timer delivers it.
  void Tick() { Timer(); }

 protected:
  virtual void Timer();
  void Loaded() override;

 private:
  void UpdateTimer();

  HWND window_ = nullptr;
  bool enabled_ = true;
  unsigned interval_ = 1000;
  TNotifyEvent onTimer_;
};

}  // namespace classlib
