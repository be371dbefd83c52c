#pragma once
// The process's live GDI objects. Wine answers GetGuiResources with 0; its
// handle table takes a bare index (high word 0) for an object of any
// generation, so the live objects are the indexes GetObjectType knows.
#include <windows.h>

#include <cstdint>

namespace skin_test_gdi {

inline DWORD GdiObjects() {
  if (const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return reported;
  DWORD live = 0;
  for (std::uintptr_t index = 1; index < 0x10000; ++index)
    live += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0;
  return live;
}

}  // namespace skin_test_gdi
