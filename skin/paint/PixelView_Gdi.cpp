#include "skin/paint/PixelView_Gdi.h"

#include "classlib/graphics/Bitmap.h"

namespace skin::paint {

namespace {

// The class library's DIBs lie bottom-up: the top row is at the highest
// address and each row below it one (padded) row lower.
TPixelView ViewOfDib(classlib::TBitmap* bmp, std::int32_t bytesPerPixel) {
  if (bmp->Empty()) return {};
  std::uint8_t* top = bmp->ScanLine(0);
  return MakeView(top, bmp->Width(), bmp->Height(), -static_cast<std::ptrdiff_t>(bmp->RowBytes()),
                  bytesPerPixel);
}

}  // namespace

TPixelView ViewOf(classlib::TBitmap* bmp) {
  if (bmp == nullptr || bmp->PixelFormat() != classlib::pf32bit) return {};
  return ViewOfDib(bmp, 4);
}

TPixelView ViewOf24or32(classlib::TBitmap* bmp) {
  if (bmp == nullptr) return {};
  if (bmp->PixelFormat() == classlib::pf32bit) return ViewOfDib(bmp, 4);
  if (bmp->PixelFormat() == classlib::pf24bit) return ViewOfDib(bmp, 3);
  return {};
}

}  // namespace skin::paint
