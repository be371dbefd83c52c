// Native builds have no message loop: timers there get no inner timer unless
// a test installs one (SetInnerTimerFactory).
#include "skin/core/ThreadedTimer.h"

namespace skin {

std::unique_ptr<TacInnerTimer> CreatePlatformInnerTimer(uint32_t, std::function<void()>) { return nullptr; }

}  // namespace skin
