#include "skin/paint/Gradient_Gdi.h"

#include <windows.h>

#include <algorithm>

#include "classlib/graphics/Bitmap.h"
#include "skin/core/IntRectUtils.h"
#include "skin/paint/Gradient.h"
#include "skin/paint/PixelView.h"
#include "skin/paint/PixelView_Gdi.h"

namespace skin::paint {

namespace {

using TGradientFill = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

// The system library is loaded once, by name, and freed when the program ends.
struct TGradientFillEntry {
  HMODULE module = LoadLibraryW(L"msimg32.dll");
  TGradientFill fill =
      module ? reinterpret_cast<TGradientFill>(reinterpret_cast<void*>(GetProcAddress(module, "GradientFill")))
             : nullptr;
  ~TGradientFillEntry() {
    if (module) FreeLibrary(module);
  }
};

const TGradientFillEntry& GradientFillEntry() {
  static const TGradientFillEntry entry;
  return entry;
}

TRIVERTEX Vertex(std::int32_t x, std::int32_t y, TColor color) {
  const auto channel = [color](int shift) { return static_cast<COLOR16>(((color >> shift) & 0xFF) << 8); };
  return TRIVERTEX{x, y, channel(0), channel(8), channel(16), 0xFF00};
}

void PaintTriangles(classlib::TBitmap* bmp, const TRect& r, const TsGradientArray& steps) {
  const TGradientFill fill = GradientFillEntry().fill;
  if (fill == nullptr) return;
  const TRect c = RectIntersection(r, TRect{0, 0, bmp->Width(), bmp->Height()});
  if (c.IsEmpty()) return;
  TColor colors[5];
  for (std::size_t i = 0; i < 5; ++i) colors[i] = i < steps.size() ? steps[i].Color1 : colors[i - 1];
  TRIVERTEX vertices[5] = {
      Vertex(c.Left, c.Top, colors[0]),
      Vertex(c.Left + c.Width() / 2, c.Top + c.Height() / 2, colors[1]),
      Vertex(c.Right, c.Top, colors[2]),
      Vertex(c.Right, c.Bottom, colors[3]),
      Vertex(c.Left, c.Bottom, colors[4]),
  };
  GRADIENT_TRIANGLE triangles[4] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
  fill(bmp->Canvas()->Handle(), vertices, 5, triangles, 4, GRADIENT_FILL_TRIANGLE);
  GdiFlush();
}

// Runs Paint over the bitmap's pixels: those of a pf32bit bitmap, or of a
// 32-bit copy of any other bitmap whose part R then goes back to it.
template <class Paint>
void PaintAs32(classlib::TBitmap* bmp, const TRect& r, Paint paint) {
  GdiFlush();  // the pixels are written directly after any drawing still queued
  if (bmp->PixelFormat() == classlib::pf32bit) {
    paint(ViewOf(bmp));
    return;
  }
  const TRect c = RectIntersection(r, TRect{0, 0, bmp->Width(), bmp->Height()});
  if (c.IsEmpty()) return;
  classlib::TBitmap copy;
  copy.Assign(bmp);
  copy.SetPixelFormat(classlib::pf32bit);
  GdiFlush();
  paint(ViewOf(&copy));
  BitBlt(bmp->Canvas()->Handle(), c.Left, c.Top, c.Width(), c.Height(), copy.Canvas()->Handle(), c.Left, c.Top,
         SRCCOPY);
  GdiFlush();
}

}  // namespace

bool GradientFillAvailable() { return GradientFillEntry().fill != nullptr; }

void PaintGradient(classlib::TBitmap* bmp, const TRect& r, const TsGradientArray& steps, std::int32_t offset) {
  if (bmp == nullptr || bmp->Empty() || steps.empty() || r.IsEmpty()) return;
  if (GradientMode(steps) == gmTriangles) {
    PaintTriangles(bmp, r, steps);
    return;
  }
  PaintAs32(bmp, r, [&](const TPixelView& view) { PaintGradient(view, r, steps, offset); });
}

void PaintGradientBlended(classlib::TBitmap* bmp, const TRect& r, const TsGradientArray& steps, std::uint8_t alpha,
                          std::int32_t amount, const TRect& srcRect, const bmp32::TCustomBitmap32* src) {
  if (bmp == nullptr || bmp->Empty()) return;
  PaintAs32(bmp, r, [&](const TPixelView& view) {
    PaintGradientBlended(view, r, steps, alpha, amount, srcRect, ViewOf(src));
  });
}

}  // namespace skin::paint
