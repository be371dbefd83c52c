#pragma once
// The desktop window manager's entries, loaded from "DWMAPI.DLL" on first
// use and kept. Every wrapper is a quiet no-op where the module or the
// entry is missing. Whether the desktop composes is the one question of
// skin/common/Composition.h, which tests can answer.
#include <windows.h>

#include "skin/common/Composition.h"

namespace skin {

// The HRESULT of DwmSetWindowAttribute; E_NOTIMPL without the entry.
HRESULT acDwmSetWindowAttribute(HWND wnd, DWORD attribute, const void* value, DWORD size);
// Turns the window's DWM transitions off (Disable) or on, under composition only.
void acDwmSetTransitions(HWND wnd, bool disable);
void acDwmEnableBlurBehind(HWND wnd, bool enable, HRGN region);
void acDwmInvalidateIconicBitmaps(HWND wnd);
HWND FindTaskbarWindow();

// The module name the wrappers load; tests point it at a missing file.
void SetDwmModuleName(const char* name);

}  // namespace skin
