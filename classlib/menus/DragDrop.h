#pragma once
// Files dropped on a window from the system's file browser.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace classlib {

// Lets the window receive WM_DROPFILES (or stops it).
void AcceptDroppedFiles(HWND window, bool accept);

// The full paths of a WM_DROPFILES drop, in drop order, at any length. The
// drop handle is always released (DragFinish), also when reading fails.
std::vector<std::wstring> TakeDroppedFiles(HDROP drop);

}  // namespace classlib
