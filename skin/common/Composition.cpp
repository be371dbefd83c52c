#include "skin/common/Composition.h"

#include <windows.h>

namespace skin {

namespace {

std::function<bool()>& Query() {
  static std::function<bool()> query;
  return query;
}

bool SystemComposition() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(&version) || version.dwMajorVersion < 6) return false;
#pragma GCC diagnostic pop
  // Loaded on demand: systems before 6 have no such library.
  using TIsEnabled = HRESULT(WINAPI*)(BOOL*);
  static const TIsEnabled isEnabled = [] {
    HMODULE dwm = LoadLibraryW(L"dwmapi.dll");
    return dwm ? reinterpret_cast<TIsEnabled>(reinterpret_cast<void*>(GetProcAddress(dwm, "DwmIsCompositionEnabled")))
               : nullptr;
  }();
  BOOL enabled = FALSE;
  return isEnabled && SUCCEEDED(isEnabled(&enabled)) && enabled;
}

}  // namespace

bool acDwmCompositionEnabled() { return Query() ? Query()() : SystemComposition(); }

std::function<bool()> SetCompositionQuery(std::function<bool()> query) {
  std::function<bool()> old = std::move(Query());
  Query() = std::move(query);
  return old;
}

}  // namespace skin
