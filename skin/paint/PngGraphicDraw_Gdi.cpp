// Drawing of the skinning library's PNG graphic: 32-bit images are blended
// by their straight alpha into a copy of the canvas area, which then goes
// back whole.
#include "classlib/graphics/Colors.h"
#include "skin/paint/AlphaCopies.h"
#include "skin/paint/PixelView_Gdi.h"
#include "skin/paint/PngGraphic_Gdi.h"

namespace skin {

namespace {

using classlib::TBitmap;

// `src` blended onto the top-left of `dst` by its straight alpha, every pixel
// (the key colour too: no parent image to show through); with `reflected`,
// the fading mirror band below it.
void BlendOnto(TBitmap& dst, TBitmap& src, bool reflected) {
  GdiFlush();
  const classlib::TRect whole{0, 0, src.Width(), src.Height()};
  paint::CopyAlphaBitmap(whole, whole, paint::ViewOf(&dst), paint::ViewOf(&src), paint::TCacheView{}, false,
                         classlib::clNone, 0, reflected);
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
