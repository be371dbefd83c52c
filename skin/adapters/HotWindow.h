#pragma once
// Which window the mouse is over, as skinned windows report it on
// WM_MOUSEMOVE: the window that loses the mouse gets command 30, the new one
// command 29. The skin manager may take this over through the handler.
#include <windows.h>

#include <functional>

namespace skin {
class TsSkinManager;
}

namespace skin::adapters {

HWND HotWindow();
// Wnd is the window under the mouse, by the built-in rule or by the
// manager's tracking when it has taken the rule over.
bool IsHotWindow(HWND wnd);
// Reports Wnd as the window under the mouse (nothing when it already is).
void SetHotWindow(TsSkinManager& manager, HWND wnd);
// After a mouse move over Wnd: the cursor inside makes it the hot window
// (OnStillHot runs when it already is); outside, it stops being hot.
// Nothing without a default manager or for a disabled window.
void TrackHotByCursor(HWND wnd, POINT cursor, const std::function<void()>& onStillHot = nullptr);
// A window going away stops being the hot window (no command is sent).
void ForgetHotWindow(HWND wnd);

using THotWindowHandler = std::function<void(TsSkinManager& manager, HWND wnd)>;
// Replaces what SetHotWindow does; null puts the built-in rule back.
// Returns the previous handler.
THotWindowHandler SetHotWindowHandler(THotWindowHandler handler);

}  // namespace skin::adapters
