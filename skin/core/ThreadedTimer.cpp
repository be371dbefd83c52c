#include "skin/core/ThreadedTimer.h"

#include "skin/core/AppHooks.h"

namespace skin {

namespace {

TacInnerTimerFactory& Factory() {
  static TacInnerTimerFactory factory;
  return factory;
}

}  // namespace

void SetInnerTimerFactory(TacInnerTimerFactory factory) { Factory() = std::move(factory); }

TacThreadedTimer::TacThreadedTimer(classlib::TComponent* owner) : TComponent(owner) {
  // A timer made while the application shuts down would outlive its window.
  if (ApplicationTerminating()) return;
  enabled_ = true;
  interval_ = 1000;
  auto tick = [this] { InternalTick(); };
  inner_ = Factory() ? Factory()(interval_, tick) : CreatePlatformInnerTimer(interval_, tick);
  UpdateTimer();
}

TacThreadedTimer::TacThreadedTimer(classlib::TComponent* owner, classlib::TObject* ownerControl,
                                   bool useInternalHandler)
    : TacThreadedTimer(owner) {
  SetEnabled(false);
  ownerControl_ = ownerControl;
  if (useInternalHandler) SetOnTimer([this](classlib::TObject*) { TimeHandler(); });
}

TacThreadedTimer::~TacThreadedTimer() {
  *alive_ = false;
  if (inner_) inner_->SetEnabled(false);
  inner_.reset();
}

void TacThreadedTimer::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  UpdateTimer();
}

void TacThreadedTimer::SetInterval(uint32_t value) {
  if (value == interval_) return;
  interval_ = value;
  if (inner_) inner_->SetInterval(value);
  UpdateTimer();
}

void TacThreadedTimer::SetThreadPriority(TThreadPriority value) {
  if (value == threadPriority_) return;
  threadPriority_ = value;
  UpdateTimer();
}

void TacThreadedTimer::SetOnTimer(classlib::TNotifyEvent handler) {
  onTimer_ = std::move(handler);
  UpdateTimer();
}

void TacThreadedTimer::UpdateTimer() {
  if (!inner_) return;
  inner_->SetEnabled(false);
  if (interval_ != 0 && enabled_ && onTimer_) inner_->SetEnabled(true);
}

void TacThreadedTimer::Timer() {
  if (onTimer_) onTimer_(this);
}

void TacThreadedTimer::InternalTick() {
  // A tick that arrives while OnTimer runs (a nested message loop) is dropped.
  if (!inner_ || !inner_->Enabled() || busy_) return;
  const std::shared_ptr<bool> alive = alive_;
  struct TBusyGuard {
    TacThreadedTimer& timer;
    const std::shared_ptr<bool>& alive;
    ~TBusyGuard() {
      if (*alive) timer.busy_ = false;
    }
  } guard{*this, alive};
  busy_ = true;
  Timer();
}

}  // namespace skin
