#pragma once
// Value types shared by every unit of the 32-bit bitmap library.
#include <cstdint>
#include <functional>

namespace bmp32 {

// A pixel: alpha in bits 24-31, red 16-23, green 8-15, blue 0-7, so in memory
// the bytes lie as blue, green, red, alpha. Alpha is straight, not premultiplied.
using TColor32 = std::uint32_t;

// A 16.16 fixed-point value.
using TFixed = std::int32_t;

// Inclusive at left and top, exclusive at right and bottom.
struct TRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;

  friend bool operator==(const TRect&, const TRect&) = default;
};

enum TWrapMode { wmClamp, wmRepeat, wmMirror };

enum TCombineMode { cmBlend, cmMerge };

enum TDrawMode { dmOpaque, dmBlend, dmCustom, dmTransparent };

// A per-pixel draw of dmCustom: F over B with the master alpha M.
using TPixelCombineEvent = std::function<void(TColor32 f, TColor32& b, TColor32 m)>;

}  // namespace bmp32
