#pragma once
// The skinning library's timer component, on which its animation timers are
// built. Despite the name no thread is involved: it drives an inner window
// timer on the GUI thread and only adds its re-arm rules and a guard against
// re-entry.
#include <cstdint>
#include <functional>
#include <memory>

#include "classlib/core/Component.h"

namespace skin {

// The timer the component drives: a window timer on Windows, a fake in tests.
// Ticks call the handler given to the factory while it is enabled with a
// non-zero interval.
class TacInnerTimer {
 public:
  virtual ~TacInnerTimer() = default;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool value) = 0;
  virtual uint32_t Interval() const = 0;
  virtual void SetInterval(uint32_t value) = 0;
};

// Makes a disabled inner timer with the interval and the tick handler.
using TacInnerTimerFactory =
    std::function<std::unique_ptr<TacInnerTimer>(uint32_t interval, std::function<void()> onTick)>;
// Replaces the platform's inner timers (tests); an empty factory restores them.
void SetInnerTimerFactory(TacInnerTimerFactory factory);
// The platform's inner timer: a window timer on Windows, none (null) elsewhere.
std::unique_ptr<TacInnerTimer> CreatePlatformInnerTimer(uint32_t interval, std::function<void()> onTick);

// Kept for the published property; it only re-arms the timer.
enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class TacThreadedTimer : public classlib::TComponent {
 public:
  // Enabled, 1000 ms, with an inner timer; made while the application
  // terminates: disabled, interval 0 and no inner timer, for good.
  explicit TacThreadedTimer(classlib::TComponent* owner);
  // As above, but disabled; keeps `ownerControl`. With `useInternalHandler`
  // OnTimer is set to call TimeHandler.
  TacThreadedTimer(classlib::TComponent* owner, classlib::TObject* ownerControl, bool useInternalHandler);
  ~TacThreadedTimer() override;

  // Setters store a changed value and re-arm: the inner timer runs only
  // while Interval is not 0, Enabled is set and OnTimer is bound.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  uint32_t Interval() const { return interval_; }
  // Also gives the new interval to the inner timer.
  void SetInterval(uint32_t value);
  TThreadPriority ThreadPriority() const { return threadPriority_; }
  void SetThreadPriority(TThreadPriority value);
  const classlib::TNotifyEvent& OnTimer() const { return onTimer_; }
  // Stores and re-arms even when unchanged.
  void SetOnTimer(classlib::TNotifyEvent handler);

  classlib::TObject* OwnerControl() const { return ownerControl_; }
  // Null for a timer made while the application terminated.
  TacInnerTimer* InnerTimer() const { return inner_.get(); }
  // True while OnTimer runs; ticks arriving then are dropped.
  bool Busy() const { return busy_; }

 protected:
  // A descendant's animation step; called by the internal handler.
  virtual void TimeHandler() {}
  // Calls OnTimer with this component as sender.
  virtual void Timer();

 private:
  void UpdateTimer();
  void InternalTick();

  bool enabled_ = false;
  uint32_t interval_ = 0;
  classlib::TNotifyEvent onTimer_;
  std::unique_ptr<TacInnerTimer> inner_;
  TThreadPriority threadPriority_ = tpNormal;
  bool busy_ = false;
  classlib::TObject* ownerControl_ = nullptr;
  // Cleared on destruction, so a tick whose handler frees the timer does not
  // touch it afterwards.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace skin
