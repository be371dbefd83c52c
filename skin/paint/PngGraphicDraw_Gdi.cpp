// Drawing of the skinning library's PNG graphic: 32-bit images are blended
// by their straight alpha into a copy of the canvas area, which then goes
// back whole.
#include <algorithm>
#include <cstring>

#include "skin/paint/PngGraphic_Gdi.h"

namespace skin {

namespace {

using classlib::TBitmap;

constexpr uint32_t kKeyPixel = 0x00FF00FF;

uint32_t* Row(TBitmap& bitmap, int y) { return reinterpret_cast<uint32_t*>(bitmap.ScanLine(y)); }

// d := ((s - d) x a + d x 256) shr 8 for blue, green and red; alpha kept.
uint32_t Over(uint32_t d, uint32_t s, uint32_t a) {
  uint32_t out = d & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const int dc = (d >> shift) & 0xFF, sc = (s >> shift) & 0xFF;
    out |= static_cast<uint32_t>((((sc - dc) * static_cast<int>(a) + dc * 256) >> 8) & 0xFF) << shift;
  }
  return out;
}

// `src` blended onto the top-left of `dst`, both 32-bit, every pixel by its
// alpha (the key colour too: no parent image to show through). With
// `reflected`, the band below the copy gets the fading mirror image: row
// h + y takes source row h - 1 - y at a third of its alpha, the level
// falling by 255 div (h div 2) a row.
void BlendOnto(TBitmap& dst, TBitmap& src, bool reflected) {
  GdiFlush();
  const int rows = std::min(dst.Height(), src.Height());
  const int columns = std::min(dst.Width(), src.Width());
  if (rows < 1 || columns < 1) return;
  for (int y = 0; y < rows; ++y) {
    uint32_t* d = Row(dst, y);
    const uint32_t* s = Row(src, y);
    for (int x = 0; x < columns; ++x) d[x] = Over(d[x], s[x], s[x] >> 24);
  }
  if (!reflected) return;
  const int half = src.Height() / 2;
  const int bottom = rows;  // the copy's bottom as passed
  const int n = std::min({half - 1, dst.Height() - bottom - 1, bottom - 2});
  if (half == 0 || n < 1) return;
  const int step = 255 / half;
  int level = 255;
  for (int y = 1; y <= n; ++y, level -= step) {
    uint32_t* d = Row(dst, bottom + y);
    const uint32_t* s = Row(src, bottom - 1 - y);
    for (int x = 0; x < columns; ++x) {
      if (s[x] == kKeyPixel) continue;
      const int a = std::max(0, static_cast<int>(s[x] >> 24) / 3 * level / 255);
      d[x] = Over(d[x], s[x], static_cast<uint32_t>(a));
    }
  }
}

}  // namespace

void TPNGGraphic::Draw(classlib::TCanvas& canvas, const classlib::TRect& rect) {
  if (PixelFormat() != classlib::pf32bit) {
    TBitmap::Draw(canvas, rect);
    return;
  }
  const int w = rect.Width(), h = rect.Height();
  if (w <= 0 || h <= 0 || Empty()) return;
  const int band = Reflected ? h / 2 : 0;
  TBitmap area;
  area.SetPixelFormat(classlib::pf32bit);
  area.SetSize(w, h + band);
  HDC target = canvas.Handle();
  BitBlt(area.Canvas()->Handle(), 0, 0, w, h + band, target, rect.Left, rect.Top, SRCCOPY);
  if (w == Width() && h == Height()) {
    BlendOnto(area, *this, Reflected);
  } else {
    // Stretched: colour and alpha together (32-bit DIB to DIB keeps the
    // fourth byte), and no mirror band.
    TBitmap stretched;
    stretched.SetPixelFormat(classlib::pf32bit);
    stretched.SetSize(w, h);
    HDC dc = stretched.Canvas()->Handle();
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, w, h, Canvas()->Handle(), 0, 0, Width(), Height(), SRCCOPY);
    SetStretchBltMode(dc, oldMode);
    BlendOnto(area, stretched, false);
  }
  GdiFlush();
  BitBlt(target, rect.Left, rect.Top, w, h + band, area.Canvas()->Handle(), 0, 0, SRCCOPY);
}

}  // namespace skin
