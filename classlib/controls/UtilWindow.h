#pragma once
// Hidden message-only helper windows whose procedure is a closure: timers,
// the application window and anything else that needs a window of its own.
#include <windows.h>

#include "classlib/controls/Messages.h"

namespace classlib {

// Creates a hidden top-level window; messages the closure leaves with a zero
// Result are not passed on, so the closure calls DefWindowProcW itself when
// it wants the default.
HWND AllocateHWnd(TWndMethod method);
void DeallocateHWnd(HWND window);

}  // namespace classlib
