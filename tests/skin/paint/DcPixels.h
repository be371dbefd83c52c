#pragma once
// Reading back what was drawn into a memory DC.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace skin::paint::testing {

// 32-bit pixels of Part (origin, size) of the bitmap selected into DC, rows top down.
inline std::vector<std::uint32_t> PixelsOf(HDC dc, POINT origin, SIZE size) {
  const auto bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  std::vector<std::uint32_t> all(static_cast<std::size_t>(info.bmWidth) * info.bmHeight);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = info.bmWidth;
  bi.bmiHeader.biHeight = -info.bmHeight;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  GdiFlush();
  GetDIBits(dc, bitmap, 0, static_cast<UINT>(info.bmHeight), all.data(), &bi, DIB_RGB_COLORS);
  std::vector<std::uint32_t> part;
  for (LONG y = origin.y; y < origin.y + size.cy; ++y)
    for (LONG x = origin.x; x < origin.x + size.cx; ++x)
      part.push_back(all[static_cast<std::size_t>(y) * info.bmWidth + x]);
  return part;
}

}  // namespace skin::paint::testing
