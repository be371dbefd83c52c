#pragma once
// A view over the pixels of a bitmap, whatever owns them: the painting
// routines of the skinning library read and write every bitmap through one.
// Row 0 is the top row; Stride is the byte distance from a row to the next
// one below it (negative for bottom-up device-independent bitmaps).
#include <cstddef>
#include <cstdint>

namespace bmp32 {
class TCustomBitmap32;
}

namespace skin::paint {

struct TPixelView {
  std::uint8_t* Bits = nullptr;   // the first byte of row 0 (the top row)
  std::ptrdiff_t Stride = 0;      // bytes from row y to row y + 1
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::int32_t BytesPerPixel = 4; // 4: blue, green, red, alpha; 3: blue, green, red

  // A view with pixels to touch.
  bool Valid() const { return Bits != nullptr && Width > 0 && Height > 0; }
  bool Is32() const { return Valid() && BytesPerPixel == 4; }
  bool Contains(std::int32_t x, std::int32_t y) const {
    return x >= 0 && y >= 0 && x < Width && y < Height;
  }

  std::uint8_t* Row(std::int32_t y) const { return Bits + static_cast<std::ptrdiff_t>(y) * Stride; }
  // 32-bit views only; unchecked.
  std::uint32_t* Row32(std::int32_t y) const { return reinterpret_cast<std::uint32_t*>(Row(y)); }
  std::uint32_t& Pixel32(std::int32_t x, std::int32_t y) const { return Row32(y)[x]; }

  friend bool operator==(const TPixelView&, const TPixelView&) = default;
};

// The bitmap library's 32-bit bitmap (rows top to bottom, no padding); an
// empty view for null or an empty bitmap.
TPixelView ViewOf(const bmp32::TCustomBitmap32* bmp);

// A view over memory laid out top-down with the given stride.
inline TPixelView MakeView(void* bits, std::int32_t width, std::int32_t height,
                           std::ptrdiff_t stride, std::int32_t bytesPerPixel = 4) {
  return TPixelView{static_cast<std::uint8_t*>(bits), stride, width, height, bytesPerPixel};
}

}  // namespace skin::paint
