#include "skin/adapters/FlatScrollBars.h"

namespace skin::adapters {

namespace {

using TInitializeFlatSB = BOOL(WINAPI*)(HWND);
using TUninitializeFlatSB = HRESULT(WINAPI*)(HWND);

// GetProcAddress gives a generic function pointer; the entry's own type is
// known by its name.
template <class F>
std::function<void(HWND)> Entry(const char* name) {
  static const HMODULE module = LoadLibraryW(L"comctl32.dll");
  const auto entry = module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
  if (!entry) return nullptr;
  return [entry](HWND wnd) { entry(wnd); };
}

}  // namespace

TFlatScrollBarEntries& FlatScrollBarEntries() {
  static TFlatScrollBarEntries entries{Entry<TInitializeFlatSB>("InitializeFlatSB"),
                                               Entry<TUninitializeFlatSB>("UninitializeFlatSB")};
  return entries;
}

void UninitializeFlatScrollBars(HWND wnd) {
  if (const auto& entry = FlatScrollBarEntries().Uninitialize) entry(wnd);
}

void InitializeFlatScrollBars(HWND wnd) {
  if (const auto& entry = FlatScrollBarEntries().Initialize) entry(wnd);
}

}  // namespace skin::adapters
