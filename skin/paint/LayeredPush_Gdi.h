#pragma once
// The one way the library hands a per-pixel-alpha picture to a layered
// window. A test can take the place of the system call to see what is
// pushed (and pass it on).
#include <windows.h>

#include <functional>

namespace skin::paint {

struct TLayeredPush {
  HWND Wnd = nullptr;
  POINT Position{};      // the window's new screen position
  SIZE Size{};           // the window's new size = the part of the picture shown
  HDC Source = nullptr;  // a memory DC holding the 32-bit picture
  POINT SourceOrigin{};  // the shown part's top-left in the picture
  BLENDFUNCTION Blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
};

using TLayeredPushHandler = std::function<bool(const TLayeredPush&)>;

// Through the handler when one is set, else the system's UpdateLayeredWindow
// with the screen's DC, no colour key and ULW_ALPHA. False when it fails or
// the system has no layered windows.
bool PushLayeredWindow(const TLayeredPush& push);
// The system call itself.
bool SystemPushLayeredWindow(const TLayeredPush& push);
// Replaces the handler (empty: the system) and returns the one before.
TLayeredPushHandler SetLayeredPushHandler(TLayeredPushHandler handler);

}  // namespace skin::paint
