#include "skin/forms/DwmEntries.h"

#include <string>

namespace skin {

namespace {

using TDwmSetWindowAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
struct TBlurBehind {
  DWORD dwFlags;
  BOOL fEnable;
  HRGN hRgnBlur;
  BOOL fTransitionOnMaximized;
};
using TDwmEnableBlurBehindWindow = HRESULT(WINAPI*)(HWND, const TBlurBehind*);
using TDwmInvalidateIconicBitmaps = HRESULT(WINAPI*)(HWND);

std::string moduleName = "DWMAPI.DLL";
HMODULE module = nullptr;
bool moduleTried = false;
TDwmSetWindowAttribute setWindowAttribute = nullptr;
TDwmEnableBlurBehindWindow enableBlurBehind = nullptr;
bool attributeResolved = false;
TDwmInvalidateIconicBitmaps invalidateIconicBitmaps = nullptr;
bool invalidateResolved = false;

bool Windows6OrLater() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  return GetVersionExW(&info) && info.dwMajorVersion >= 6;
#pragma GCC diagnostic pop
}

bool ModuleLoaded() {
  if (!moduleTried) {
    moduleTried = true;
    module = LoadLibraryA(moduleName.c_str());
  }
  return module != nullptr;
}

template <class T>
T Entry(const char* name) {
  return module ? reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// Frees the module when the process ends.
struct ModuleRelease {
  ~ModuleRelease() {
    if (module) FreeLibrary(module);
  }
} moduleRelease;

}  // namespace

void SetDwmModuleName(const char* name) {
  if (module) FreeLibrary(module);
  module = nullptr;
  moduleTried = false;
  moduleName = name;
  setWindowAttribute = nullptr;
  enableBlurBehind = nullptr;
  attributeResolved = false;
  invalidateIconicBitmaps = nullptr;
  invalidateResolved = false;
}

HRESULT acDwmSetWindowAttribute(HWND wnd, DWORD attribute, const void* value, DWORD size) {
  if (!ModuleLoaded()) return E_NOTIMPL;
  if (!attributeResolved) {
    attributeResolved = true;
    setWindowAttribute = Entry<TDwmSetWindowAttribute>("DwmSetWindowAttribute");
    enableBlurBehind = Entry<TDwmEnableBlurBehindWindow>("DwmEnableBlurBehindWindow");
  }
  return setWindowAttribute ? setWindowAttribute(wnd, attribute, value, size) : E_NOTIMPL;
}

void acDwmSetTransitions(HWND wnd, bool disable) {
  if (!acDwmCompositionEnabled()) return;
  const BOOL value = disable ? TRUE : FALSE;
  acDwmSetWindowAttribute(wnd, 3 /* DWMWA_TRANSITIONS_FORCEDISABLED */, &value, sizeof value);
}

void acDwmEnableBlurBehind(HWND wnd, bool enable, HRGN region) {
  if (!module || !enableBlurBehind) return;
  const TBlurBehind blur{region ? 3u : 1u, enable ? -1 : 0, region, FALSE};
  enableBlurBehind(wnd, &blur);
}

void acDwmInvalidateIconicBitmaps(HWND wnd) {
  if (!Windows6OrLater() || !ModuleLoaded()) return;
  if (!invalidateResolved) {
    invalidateResolved = true;
    invalidateIconicBitmaps = Entry<TDwmInvalidateIconicBitmaps>("DwmInvalidateIconicBitmaps");
  }
  if (invalidateIconicBitmaps) invalidateIconicBitmaps(wnd);
}

HWND FindTaskbarWindow() { return FindWindowA("Shell_TrayWnd", nullptr); }

}  // namespace skin
