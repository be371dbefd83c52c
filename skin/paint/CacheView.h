#pragma once
// The parent-background record as the pixel routines see it: the parent's
// image as a view (24- or 32-bit, since it is read like a canvas), the
// control's origin inside it, and the fill colour for when it is not ready.
#include <cstdint>

#include "skin/core/SkinTypes.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

struct TCacheView {
  TPixelView Bmp;               // the parent's image; may be empty
  std::int32_t X = 0;           // the control's origin inside Bmp
  std::int32_t Y = 0;
  TColor FillColor = 0xFF00FF;  // 0xFF00FF is no colour
  bool Ready = false;

  // Ready with an image to read from.
  bool HasImage() const { return Ready && Bmp.Valid(); }
};

// The parent's pixel behind destination pixel (x, y), as blue, green, red
// and alpha (255 for a 24-bit image); unchecked.
inline std::uint32_t ParentPixel(const TCacheView& ci, std::int32_t x, std::int32_t y) {
  const std::uint8_t* p = ci.Bmp.Row(ci.Y + y) + static_cast<std::ptrdiff_t>(ci.X + x) * ci.Bmp.BytesPerPixel;
  if (ci.Bmp.BytesPerPixel == 4) return *reinterpret_cast<const std::uint32_t*>(p);
  return 0xFF000000u | std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
}

// Destination pixel (x, y) has a parent pixel inside the image.
inline bool HasParentPixel(const TCacheView& ci, std::int32_t x, std::int32_t y) {
  return ci.Bmp.Contains(ci.X + x, ci.Y + y);
}

}  // namespace skin::paint
