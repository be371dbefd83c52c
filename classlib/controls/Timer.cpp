#include "classlib/controls/Timer.h"

#include "classlib/controls/Application.h"
#include "classlib/controls/UtilWindow.h"

namespace classlib {

namespace {

TTimerArmHook& ArmHook() {
  static TTimerArmHook hook;
  return hook;
}

}  // namespace

TTimerArmHook SetTimerArmHook(TTimerArmHook hook) {
  TTimerArmHook old = std::move(ArmHook());
  ArmHook() = std::move(hook);
  return old;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  window_ = AllocateHWnd([this](TMessage& m) {
    if (m.Msg == WM_TIMER) {
      try {
        Timer();
      } catch (...) {
        Application->HandleException(this);
      }
      return;
    }
    m.Result = DefWindowProcW(window_, m.Msg, m.WParam, m.LParam);
  });
}

TTimer::~TTimer() {
  enabled_ = false;
  UpdateTimer();
  DeallocateHWnd(window_);
}

void TTimer::UpdateTimer() {
  const bool armed = enabled_ && interval_ > 0 && onTimer_ && !ComponentState().Contains(csLoading);
  if (const TTimerArmHook& hook = ArmHook()) {
    hook(*this, armed);
    return;
  }
  KillTimer(window_, 1);
  if (armed) SetTimer(window_, 1, interval_, nullptr);
}

void TTimer::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned value) {
  if (interval_ == value) return;
  interval_ = value;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  onTimer_ = std::move(handler);
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::Timer() {
  if (enabled_ && onTimer_) onTimer_(this);
}

}  // namespace classlib
