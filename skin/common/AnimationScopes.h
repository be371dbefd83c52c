#pragma once
// Scope guards of the animations: what an animation switches off or on is
// put back on every way out, exceptions included.
#include <windows.h>

#include "skin/common/ControlUtils.h"

namespace skin {

// The library-wide animation flag, set for the scope.
class AnimationFlagScope {
 public:
  AnimationFlagScope() { SetAnimationRunning(true); }
  ~AnimationFlagScope() { SetAnimationRunning(false); }
  AnimationFlagScope(const AnimationFlagScope&) = delete;
  AnimationFlagScope& operator=(const AnimationFlagScope&) = delete;
};

// Drawing of a window switched back on when the scope ends (unless
// switched on already by hand).
class RedrawOnExit {
 public:
  explicit RedrawOnExit(HWND wnd) : wnd_(wnd) {}
  ~RedrawOnExit() { Release(); }
  void Release() {
    if (wnd_ && IsWindow(wnd_)) SendMessageW(wnd_, WM_SETREDRAW, 1, 0);
    wnd_ = nullptr;
  }
  RedrawOnExit(const RedrawOnExit&) = delete;
  RedrawOnExit& operator=(const RedrawOnExit&) = delete;

 private:
  HWND wnd_;
};

}  // namespace skin
