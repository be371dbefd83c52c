#include "skin/core/ThreadedTimer.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "skin/core/AppHooks.h"

namespace {

using skin::TacThreadedTimer;

// Stands in for the window timer: records how it is driven and delivers
// ticks on request.
class TFakeInnerTimer : public skin::TacInnerTimer {
 public:
  TFakeInnerTimer(uint32_t interval, std::function<void()> onTick) : interval_(interval), onTick_(std::move(onTick)) {}
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool value) override {
    enabled_ = value;
    ++setEnabledCalls;
  }
  uint32_t Interval() const override { return interval_; }
  void SetInterval(uint32_t value) override { interval_ = value; }

  // A tick as the system sends it: only while armed.
  void Fire() {
    if (enabled_ && interval_ != 0) onTick_();
  }
  // A tick message already queued when the timer was stopped.
  void FireQueued() { onTick_(); }

  int setEnabledCalls = 0;

 private:
  bool enabled_ = false;
  uint32_t interval_;
  std::function<void()> onTick_;
};

class ThreadedTimerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin::SetInnerTimerFactory([this](uint32_t interval, std::function<void()> onTick) {
      auto fake = std::make_unique<TFakeInnerTimer>(interval, std::move(onTick));
      last_ = fake.get();
      return fake;
    });
  }
  void TearDown() override {
    skin::SetInnerTimerFactory(nullptr);
    skin::SetTerminatingQuery(nullptr);
  }

  static TFakeInnerTimer& Inner(const TacThreadedTimer& timer) {
    return *static_cast<TFakeInnerTimer*>(timer.InnerTimer());
  }

  TFakeInnerTimer* last_ = nullptr;
  int ticks_ = 0;
  classlib::TNotifyEvent counter_ = [this](classlib::TObject*) { ++ticks_; };
};

TEST_F(ThreadedTimerTest, ANewTimerIsEnabledAtOneSecondAndRunsOnceBound) {
  TacThreadedTimer timer(nullptr);
  ASSERT_NE(timer.InnerTimer(), nullptr);
  EXPECT_EQ(timer.InnerTimer(), last_);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000u);
  EXPECT_EQ(timer.ThreadPriority(), skin::tpNormal);
  EXPECT_EQ(Inner(timer).Interval(), 1000u);
  EXPECT_FALSE(Inner(timer).Enabled());  // nothing to call yet

  classlib::TObject* sender = nullptr;
  timer.SetOnTimer([&](classlib::TObject* s) {
    sender = s;
    ++ticks_;
  });
  EXPECT_TRUE(Inner(timer).Enabled());
  Inner(timer).Fire();
  EXPECT_EQ(ticks_, 1);
  EXPECT_EQ(sender, &timer);
}

TEST_F(ThreadedTimerTest, TicksRunOnlyWithIntervalEnabledAndHandler) {
  TacThreadedTimer timer(nullptr);
  timer.SetOnTimer(counter_);
  TFakeInnerTimer& inner = Inner(timer);

  timer.SetInterval(0);
  EXPECT_FALSE(inner.Enabled());
  inner.Fire();
  timer.SetInterval(15);
  EXPECT_EQ(inner.Interval(), 15u);
  EXPECT_TRUE(inner.Enabled());
  inner.Fire();
  EXPECT_EQ(ticks_, 1);

  timer.SetOnTimer(nullptr);  // cleared while enabled
  EXPECT_TRUE(timer.Enabled());
  EXPECT_FALSE(inner.Enabled());
  timer.SetOnTimer(counter_);
  timer.SetEnabled(false);
  EXPECT_FALSE(inner.Enabled());
  inner.FireQueued();  // a tick already on its way is dropped
  EXPECT_EQ(ticks_, 1);
  timer.SetEnabled(true);
  EXPECT_TRUE(inner.Enabled());
}

TEST_F(ThreadedTimerTest, OnlyChangedValuesReArmExceptTheHandler) {
  TacThreadedTimer timer(nullptr);
  timer.SetOnTimer(counter_);
  TFakeInnerTimer& inner = Inner(timer);
  const int before = inner.setEnabledCalls;
  timer.SetEnabled(true);
  timer.SetInterval(1000);
  timer.SetThreadPriority(skin::tpNormal);
  EXPECT_EQ(inner.setEnabledCalls, before);
  timer.SetThreadPriority(skin::tpHigher);
  EXPECT_EQ(inner.setEnabledCalls, before + 2);  // off, then on again
  timer.SetOnTimer(counter_);
  EXPECT_EQ(inner.setEnabledCalls, before + 4);
  EXPECT_TRUE(inner.Enabled());
}

TEST_F(ThreadedTimerTest, ATickDuringTheHandlerIsDropped) {
  TacThreadedTimer timer(nullptr);
  bool busyInside = false;
  timer.SetOnTimer([&](classlib::TObject*) {
    ++ticks_;
    busyInside = timer.Busy();
    Inner(timer).Fire();  // a nested message loop delivers the next tick
  });
  Inner(timer).Fire();
  EXPECT_EQ(ticks_, 1);
  EXPECT_TRUE(busyInside);
  EXPECT_FALSE(timer.Busy());
  Inner(timer).Fire();
  EXPECT_EQ(ticks_, 2);
}

TEST_F(ThreadedTimerTest, AFailingHandlerLeavesTheTimerUsable) {
  TacThreadedTimer timer(nullptr);
  timer.SetOnTimer([&](classlib::TObject*) {
    if (++ticks_ == 1) throw std::runtime_error("step failed");
  });
  EXPECT_THROW(Inner(timer).Fire(), std::runtime_error);
  EXPECT_FALSE(timer.Busy());
  Inner(timer).Fire();
  EXPECT_EQ(ticks_, 2);
}

TEST_F(ThreadedTimerTest, AHandlerMayFreeItsTimer) {
  auto* timer = new TacThreadedTimer(nullptr);
  TFakeInnerTimer* inner = &Inner(*timer);
  timer->SetOnTimer([&](classlib::TObject*) {
    ++ticks_;
    delete timer;
  });
  // The fake dies with the timer: keep its tick handler alive past the call.
  std::function<void()> fire = [inner] { inner->Fire(); };
  fire();
  EXPECT_EQ(ticks_, 1);
}

TEST_F(ThreadedTimerTest, ATimerMadeWhileTerminatingNeverGetsAnInnerTimer) {
  skin::SetTerminatingQuery([] { return true; });
  TacThreadedTimer timer(nullptr);
  EXPECT_EQ(timer.InnerTimer(), nullptr);
  EXPECT_EQ(last_, nullptr);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 0u);
  timer.SetInterval(50);
  timer.SetOnTimer(counter_);
  timer.SetEnabled(true);
  EXPECT_EQ(timer.Interval(), 50u);
  EXPECT_EQ(timer.InnerTimer(), nullptr);
}

class TStepTimer : public TacThreadedTimer {
 public:
  using TacThreadedTimer::TacThreadedTimer;
  int steps = 0;

 protected:
  void TimeHandler() override { ++steps; }
};

TEST_F(ThreadedTimerTest, AnOwnedTimerStartsDisabledAndStepsThroughItsHandler) {
  classlib::TComponent owner(nullptr);
  classlib::TObject control;
  auto* timer = new TStepTimer(&owner, &control, true);
  EXPECT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(timer->OwnerControl(), &control);
  EXPECT_FALSE(timer->Enabled());
  EXPECT_TRUE(timer->OnTimer());
  EXPECT_FALSE(Inner(*timer).Enabled());
  timer->SetInterval(12);
  timer->SetEnabled(true);
  Inner(*timer).Fire();
  Inner(*timer).Fire();
  EXPECT_EQ(timer->steps, 2);

  TStepTimer plain(nullptr, &control, false);
  EXPECT_FALSE(plain.OnTimer());
}

}  // namespace
