#pragma once
#include <windows.h>

namespace app {

// The program's title: the main window's caption and every message box's.
inline constexpr wchar_t kApplicationTitle[] = L"Tessarilo zegarków";

// Creates and shows the main window: client area 1000 x 645, single border,
// system menu and minimise box, centred on the screen. Null on failure.
HWND CreateMainWindow(HINSTANCE instance, int show);

}  // namespace app
