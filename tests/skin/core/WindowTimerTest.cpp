#ifdef _WIN32
// The timer on real window timers, driven by the library's own message pump.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "skin/core/AppHooks.h"
#include "skin/core/MessageUtils.h"
#include "skin/core/ThreadedTimer.h"

namespace {

using skin::TacThreadedTimer;

class WindowTimerTest : public ::testing::Test {
 protected:
  void TearDown() override {
    skin::SetExceptionHook(nullptr);
    skin::SetTerminatingQuery(nullptr);
  }
  int ticks_ = 0;
};

TEST_F(WindowTimerTest, TicksWhileArmedAndStopsAtIntervalZero) {
  TacThreadedTimer timer(nullptr);
  ASSERT_NE(timer.InnerTimer(), nullptr);
  timer.SetInterval(10);
  timer.SetOnTimer([this](classlib::TObject*) { ++ticks_; });
  skin::DelayWithMessages(250);
  EXPECT_GE(ticks_, 3);

  timer.SetInterval(0);
  const int stoppedAt = ticks_;
  skin::DelayWithMessages(100);
  EXPECT_EQ(ticks_, stoppedAt);

  timer.SetInterval(10);
  skin::DelayWithMessages(150);
  EXPECT_GT(ticks_, stoppedAt);
}

TEST_F(WindowTimerTest, TicksDuringANestedMessageLoopAreDropped) {
  TacThreadedTimer timer(nullptr);
  timer.SetInterval(5);
  int nestedTicks = -1;
  timer.SetOnTimer([&](classlib::TObject*) {
    if (++ticks_ == 1) {
      skin::DelayWithMessages(100);  // many ticks come due meanwhile
      nestedTicks = ticks_ - 1;
    }
  });
  skin::DelayWithMessages(200);
  EXPECT_EQ(nestedTicks, 0);
  EXPECT_GT(ticks_, 1);  // and the timer goes on afterwards
}

TEST_F(WindowTimerTest, AnExceptionInTheHandlerGoesToTheApplicationAndTheTimerGoesOn) {
  int handled = 0;
  std::string message;
  skin::SetExceptionHook([&] {
    ++handled;
    try {
      throw;
    } catch (const std::exception& e) {
      message = e.what();
    }
  });
  TacThreadedTimer timer(nullptr);
  timer.SetInterval(5);
  timer.SetOnTimer([&](classlib::TObject*) {
    if (++ticks_ == 1) throw std::runtime_error("step failed");
  });
  skin::DelayWithMessages(150);
  EXPECT_EQ(handled, 1);
  EXPECT_EQ(message, "step failed");
  EXPECT_GT(ticks_, 1);
}

TEST_F(WindowTimerTest, TimersMadeWhileTerminatingStayWithoutWindowTimer) {
  skin::SetTerminatingQuery([] { return true; });
  TacThreadedTimer timer(nullptr);
  EXPECT_EQ(timer.InnerTimer(), nullptr);
  EXPECT_EQ(timer.Interval(), 0u);
  EXPECT_FALSE(timer.Enabled());
}

TEST_F(WindowTimerTest, AFreedTimerGetsNoMoreTicks) {
  auto* timer = new TacThreadedTimer(nullptr);
  timer->SetInterval(5);
  timer->SetOnTimer([this](classlib::TObject*) { ++ticks_; });
  Sleep(30);  // a tick is due and waiting when the timer goes
  delete timer;
  skin::DelayWithMessages(50);
  EXPECT_EQ(ticks_, 0);
}

}  // namespace
#endif
