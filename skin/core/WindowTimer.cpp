// Inner timers of TacThreadedTimer on Windows: window timers of one hidden
// message-only window that the library keeps on the GUI thread.
#include <windows.h>

#include <map>

#include "classlib/core/Exception.h"
#include "skin/core/MessageUtils.h"
#include "skin/core/ThreadedTimer.h"

namespace skin {

namespace {

class TWindowTimer;

std::map<UINT_PTR, TWindowTimer*>& LiveTimers() {
  static std::map<UINT_PTR, TWindowTimer*> timers;
  return timers;
}

LRESULT CALLBACK TimerWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

HWND TimerWindow() {
  static HWND wnd = [] {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = TimerWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"TacTimerWindow";
    RegisterClassExW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  }();
  if (!wnd) throw classlib::Exception(L"Cannot create the timer window");
  return wnd;
}

class TWindowTimer final : public TacInnerTimer {
 public:
  TWindowTimer(uint32_t interval, std::function<void()> onTick)
      : interval_(interval), onTick_(std::move(onTick)), wnd_(TimerWindow()), id_(NextId()) {
    LiveTimers()[id_] = this;
  }
  ~TWindowTimer() override {
    Disarm();
    LiveTimers().erase(id_);
  }

  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool value) override {
    enabled_ = value;
    Arm();
  }
  uint32_t Interval() const override { return interval_; }
  void SetInterval(uint32_t value) override {
    interval_ = value;
    Arm();
  }

  void Tick() {
    if (!enabled_) return;  // a WM_TIMER still queued when the timer stopped
    onTick_();
  }

 private:
  static UINT_PTR NextId() {
    static UINT_PTR last = 0;
    return ++last;
  }
  void Arm() {
    Disarm();
    // SetTimer would turn 0 into its shortest interval; 0 means no ticks.
    if (!enabled_ || interval_ == 0) return;
    if (!SetTimer(wnd_, id_, interval_, nullptr)) throw classlib::Exception(L"Not enough timers available");
    armed_ = true;
  }
  void Disarm() {
    if (armed_) KillTimer(wnd_, id_);
    armed_ = false;
  }

  uint32_t interval_;
  std::function<void()> onTick_;
  HWND wnd_;
  UINT_PTR id_;
  bool enabled_ = false;
  bool armed_ = false;
};

LRESULT CALLBACK TimerWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_TIMER) return DefWindowProcW(wnd, msg, wParam, lParam);
  try {
    const auto it = LiveTimers().find(wParam);
    if (it != LiveTimers().end()) it->second->Tick();
  } catch (...) {
    HandleCallbackException();
  }
  return 0;
}

}  // namespace

std::unique_ptr<TacInnerTimer> CreatePlatformInnerTimer(uint32_t interval, std::function<void()> onTick) {
  return std::make_unique<TWindowTimer>(interval, std::move(onTick));
}

}  // namespace skin
