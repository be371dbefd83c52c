#pragma once
// Window class names as adapters compare them. Common controls of version
// 6 report versioned names ("6.0.2600.2982!SysHeader32"): only the part
// after the last "!" counts, and case is ignored.
#include <windows.h>

#include <string>
#include <string_view>

namespace skin::adapters {

// The window's class name, whatever its length; empty for no window.
std::wstring WindowClassName(HWND wnd);
// The class name without its version prefix.
std::wstring_view UnversionedClassName(std::wstring_view name);
bool WindowClassIs(HWND wnd, std::wstring_view name);
// A direct child of Parent of that class.
bool IsChildOfClass(HWND child, HWND parent, std::wstring_view name);

}  // namespace skin::adapters

namespace skin::adapters {

// The first direct child of Parent of that class; null for none.
HWND FindChildOfClass(HWND parent, std::wstring_view name);

}  // namespace skin::adapters
