#pragma once
// Fakes in place of the two kinds of timer the form animations run on: the
// library's threaded timer gets fake inner timers, the class library's
// timer an arm hook. Tests tick them by hand and count frames.
#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "classlib/controls/Timer.h"
#include "skin/core/ThreadedTimer.h"

namespace skin_test {

class TFakeInner : public skin::TacInnerTimer {
 public:
  TFakeInner(uint32_t interval, std::function<void()> onTick) : interval_(interval), onTick_(std::move(onTick)) {}
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool value) override { enabled_ = value; }
  uint32_t Interval() const override { return interval_; }
  void SetInterval(uint32_t value) override { interval_ = value; }
  void Fire() {
    if (enabled_ && interval_) onTick_();
  }

 private:
  bool enabled_ = false;
  uint32_t interval_;
  std::function<void()> onTick_;
};

class TFakeAnimationTimers {
 public:
  TFakeAnimationTimers() {
    skin::SetInnerTimerFactory([](uint32_t interval, std::function<void()> onTick) {
      return std::make_unique<TFakeInner>(interval, std::move(onTick));
    });
    classlib::SetTimerArmHook([this](classlib::TTimer& timer, bool armed) {
      if (armed) armed_.insert(&timer);
      else armed_.erase(&timer);
    });
  }
  ~TFakeAnimationTimers() {
    skin::SetInnerTimerFactory(nullptr);
    classlib::SetTimerArmHook(nullptr);
  }
  TFakeAnimationTimers(const TFakeAnimationTimers&) = delete;
  TFakeAnimationTimers& operator=(const TFakeAnimationTimers&) = delete;

  bool Armed(classlib::TTimer* timer) const { return armed_.count(timer) != 0; }
  static TFakeInner& Inner(skin::TacThreadedTimer& timer) { return *static_cast<TFakeInner*>(timer.InnerTimer()); }
  // Ticks until the timer stops; the number of ticks.
  static int RunToEnd(skin::TacThreadedTimer& timer, int limit = 100) {
    int ticks = 0;
    while (timer.Enabled() && ticks < limit) {
      Inner(timer).Fire();
      ++ticks;
    }
    return ticks;
  }

 private:
  std::set<classlib::TTimer*> armed_;
};

}  // namespace skin_test
