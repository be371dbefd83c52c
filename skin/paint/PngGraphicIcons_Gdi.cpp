// Icons for the system image list from the skinning library's bitmaps.
#include <algorithm>
#include <cstring>

#include "skin/paint/PngGraphic_Gdi.h"

namespace skin {

namespace {

using classlib::TBitmap;

constexpr uint32_t kKeyPixel = 0x00FF00FF;

uint32_t* Row(TBitmap& bitmap, int y) { return reinterpret_cast<uint32_t*>(bitmap.ScanLine(y)); }

// A 1-bit mask, white (1, transparent) where `see` says so.
template <class F>
void MakeMask(TBitmap& mask, int w, int h, F see) {
  mask.SetPixelFormat(classlib::pf1bit);
  mask.SetSize(w, h);
  GdiFlush();
  for (int y = 0; y < h; ++y) {
    uint8_t* bits = mask.ScanLine(y);
    std::fill(bits, bits + (w + 7) / 8, uint8_t{0});
    for (int x = 0; x < w; ++x)
      if (see(x, y)) bits[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
  }
}

HICON IconOf(TBitmap& mask, TBitmap& color) {
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmMask = mask.Handle();
  info.hbmColor = color.Handle();
  return CreateIconIndirect(&info);
}

}  // namespace

HICON MakeIcon32(TBitmap& bmp, classlib::TColor /*backColor: every pixel is replaced*/) {
  if (bmp.Empty()) return nullptr;
  const int w = bmp.Width(), h = bmp.Height();
  if (bmp.PixelFormat() != classlib::pf32bit) {
    bmp.SetPixelFormat(classlib::pf32bit);
    GdiFlush();
    for (int y = 0; y < h; ++y) {
      uint32_t* row = Row(bmp, y);
      for (int x = 0; x < w; ++x) row[x] = (row[x] & 0xFFFFFF) | (row[x] == kKeyPixel ? 0 : 0xFF000000u);
    }
  }
  TBitmap color;
  color.SetPixelFormat(classlib::pf32bit);
  color.SetSize(w, h);
  GdiFlush();
  for (int y = 0; y < h; ++y) std::memcpy(Row(color, y), Row(bmp, y), static_cast<size_t>(w) * 4);
  TBitmap mask;
  MakeMask(mask, w, h, [&](int x, int y) { return (Row(bmp, y)[x] >> 24) == 0; });
  return IconOf(mask, color);
}

HICON MakeIconNoAlpha(TBitmap& bmp, bool useKey) {
  if (bmp.Empty()) return nullptr;
  const int w = bmp.Width(), h = bmp.Height();
  TBitmap mask;
  if (useKey || bmp.PixelFormat() != classlib::pf32bit) {
    bmp.SetPixelFormat(classlib::pf32bit);
    GdiFlush();
    const uint32_t key = Row(bmp, 0)[0];
    MakeMask(mask, w, h, [&](int x, int y) { return Row(bmp, y)[x] == key; });
  } else {
    MakeMask(mask, w, h, [](int, int) { return false; });
  }
  return IconOf(mask, bmp);
}

void ClearTransparentWhite(TBitmap& bmp) {
  if (bmp.PixelFormat() != classlib::pf32bit || bmp.Empty()) return;
  GdiFlush();
  for (int y = 0; y < bmp.Height(); ++y) {
    uint32_t* row = Row(bmp, y);
    for (int x = 0; x < bmp.Width(); ++x)
      if (row[x] == 0x00FFFFFFu) row[x] = 0;
  }
}

}  // namespace skin
