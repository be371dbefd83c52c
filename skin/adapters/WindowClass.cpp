#include "skin/adapters/WindowClass.h"

#include <cwctype>

namespace skin::adapters {

std::wstring WindowClassName(HWND wnd) {
  if (!wnd) return {};
  // Class names are at most 256 characters; a longer buffer is never cut.
  std::wstring name(257, L'\0');
  const int length = GetClassNameW(wnd, name.data(), static_cast<int>(name.size()));
  name.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  return name;
}

std::wstring_view UnversionedClassName(std::wstring_view name) {
  const std::size_t bang = name.rfind(L'!');
  return bang == std::wstring_view::npos ? name : name.substr(bang + 1);
}

bool WindowClassIs(HWND wnd, std::wstring_view name) {
  const std::wstring full = WindowClassName(wnd);
  const std::wstring_view bare = UnversionedClassName(full);
  if (bare.size() != name.size()) return false;
  for (std::size_t i = 0; i < bare.size(); ++i)
    if (std::towlower(bare[i]) != std::towlower(name[i])) return false;
  return !bare.empty();
}

bool IsChildOfClass(HWND child, HWND parent, std::wstring_view name) {
  return child && IsWindow(child) && GetParent(child) == parent && (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) &&
         WindowClassIs(child, name);
}

}  // namespace skin::adapters

namespace skin::adapters {

HWND FindChildOfClass(HWND parent, std::wstring_view name) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (WindowClassIs(child, name)) return child;
  return nullptr;
}

}  // namespace skin::adapters
