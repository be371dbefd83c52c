#pragma once
// The common controls' flat scroll bars of a window: a skinned window turns
// them off (the skinned bars are drawn over the standard ones) and an
// unskinned one turns them back on. The entries are optional: a system
// without them leaves the window as it is.
#include <windows.h>

#include <functional>

namespace skin::adapters {

struct TFlatScrollBarEntries {
  // Null when the system does not offer the entry.
  std::function<void(HWND)> Initialize;
  std::function<void(HWND)> Uninitialize;
};
// The system's entries, looked up once; tests may replace them.
TFlatScrollBarEntries& FlatScrollBarEntries();

void UninitializeFlatScrollBars(HWND wnd);
void InitializeFlatScrollBars(HWND wnd);

}  // namespace skin::adapters
