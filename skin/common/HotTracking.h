#pragma once
// The control under the mouse, as the default skin manager tracks it: a
// window (skinned or adapted) or a graphic control. The one leaving gets
// code 30, the one entering code 29, in that order, the manager as
// argument. A control or window that goes away leaves the tracking, so
// nothing is ever sent to a freed control.
#include <windows.h>

#include "classlib/controls/Control.h"

namespace skin {

// Nothing when Wnd is hot already; a hot graphic control is cleared first
// and, when it stays (the mouse is still above it), nothing else happens.
void SetActiveControl(HWND wnd);
// Nothing when Control is hot already; clearing keeps a control the mouse
// is still above (its skin state says so).
void SetActiveGraphControl(classlib::TControl* control);
HWND ActiveControl();
classlib::TControl* ActiveGraphControl();
// A window being destroyed leaves the tracking (adapters call it on
// WM_DESTROY; windows of the class library leave by themselves).
void ForgetActiveWindow(HWND wnd);

}  // namespace skin
