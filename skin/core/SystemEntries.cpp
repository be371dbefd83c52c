#include "skin/core/SystemEntries.h"

#include <windows.h>

namespace skin {

namespace {

using TIsWow64Process = BOOL(WINAPI*)(HANDLE, PBOOL);
using TIsDebuggerPresent = BOOL(WINAPI*)();
using TDwmIsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);

// GetProcAddress gives a generic function pointer; the entry's own type is
// known by its name.
template <class F>
F Entry(HMODULE module, const char* name) {
  return module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

struct TKernelEntries {
  HMODULE module = LoadLibraryW(L"kernel32.dll");
  TIsWow64Process isWow64Process = Entry<TIsWow64Process>(module, "IsWow64Process");
  TIsDebuggerPresent isDebuggerPresent = Entry<TIsDebuggerPresent>(module, "IsDebuggerPresent");
  ~TKernelEntries() {
    if (module) FreeLibrary(module);
  }
};

const TKernelEntries& Kernel() {
  static const TKernelEntries entries;
  return entries;
}

bool CompositionEnabled() {
  const HMODULE dwm = LoadLibraryW(L"dwmapi.dll");
  if (!dwm) return false;
  BOOL enabled = FALSE;
  const auto query = Entry<TDwmIsCompositionEnabled>(dwm, "DwmIsCompositionEnabled");
  const bool result = query && SUCCEEDED(query(&enabled)) && enabled;
  FreeLibrary(dwm);
  return result;
}

}  // namespace

bool IsWow64() {
  BOOL wow64 = FALSE;
  return Kernel().isWow64Process && Kernel().isWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

bool acIsDebuggerPresent() { return !Kernel().isDebuggerPresent || Kernel().isDebuggerPresent(); }

bool NoGlowing() {
  static const bool noGlowing = IsWow64() && !CompositionEnabled();
  return noGlowing;
}

}  // namespace skin
