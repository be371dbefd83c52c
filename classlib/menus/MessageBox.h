#pragma once
// The program's message boxes. Every box has the program's title as caption
// and the thread's active window as owner; while it is shown, every other
// window of the thread is disabled, so nothing else of the program can be
// used. A test installs a handler that reads and answers the box instead.
#include <windows.h>

#include <functional>
#include <string>

namespace classlib {

// The caption of the boxes (the application's title).
const std::wstring& MessageBoxTitle();
void SetMessageBoxTitle(const std::wstring& title);

// Shows a box with the MB_* flags and returns the button chosen (IDOK, ...).
int ShowMessageBox(const std::wstring& text, UINT flags);
// As above with another caption (the title when `caption` is empty).
int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags);
// Owned by `owner` instead of the active window: a box about a window's
// content stays that window's even while the window is not active.
int ShowMessageBox(HWND owner, const std::wstring& text, UINT flags);

// What a box is shown with; a handler answers instead of the system's box.
struct TMessageBoxRequest {
  HWND Owner = nullptr;
  std::wstring Text;
  std::wstring Caption;
  UINT Flags = 0;
};
using TMessageBoxHandler = std::function<int(const TMessageBoxRequest& request)>;
// Installs the handler (empty: the system's box again); returns the old one.
TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler);

}  // namespace classlib
