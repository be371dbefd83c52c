#pragma once
// Files dropped on a window from the system's file browser.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace classlib {

// Lets the window receive WM_DROPFILES (or stops it).
void AcceptDroppedFiles(HWND window, bool accept);

// The full paths of a WM_DROPFILES drop, in drop order, at any length. A
// handle that is not a drop block of this process (posted by another
// process, or freed) gives no files and is left alone; a valid one is
// released (DragFinish).
std::vector<std::wstring> TakeDroppedFiles(HDROP drop);

}  // namespace classlib
