#pragma once
// The library's start-up values: the layered-window entry points of user32
// (missing on systems without layered windows) and the size of the
// system's check box, taken from the system's check-box bitmap.
#include <windows.h>

#include <cstdint>

namespace skin::paint {

using TUpdateLayeredWindow = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
using TSetLayeredWindowAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// Loaded once, on first use; null when the system lacks them.
TUpdateLayeredWindow UpdateLayeredWindowEntry();
TSetLayeredWindowAttributes SetLayeredWindowAttributesEntry();
// True when UpdateLayeredWindow was found.
bool LayeredWindowsAvailable();

// One cell of the system's check-box bitmap (OBM_CHECKBOXES: 4 columns by
// 3 rows of cells), measured once; 0 when the system has no such bitmap.
std::int32_t CheckBoxWidth();
std::int32_t CheckBoxHeight();

}  // namespace skin::paint
