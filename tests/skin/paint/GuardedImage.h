#pragma once
// A 32-bit test image inside a one-pixel ring of guard pixels, so a test can
// see a routine write outside the view it was given.
#include <cstdint>
#include <vector>

#include "skin/paint/PixelView.h"

namespace skin::paint {

class TGuardedImage {
 public:
  static constexpr std::uint32_t Guard = 0x5A5A5A5Au;

  TGuardedImage(std::int32_t width, std::int32_t height, std::uint32_t fill = 0)
      : width_(width), height_(height), cells_(static_cast<size_t>(width + 2) * (height + 2), Guard) {
    for (std::int32_t y = 0; y < height; ++y)
      for (std::int32_t x = 0; x < width; ++x) At(x, y) = fill;
  }

  TPixelView View() { return MakeView(&cells_[Index(0, 0)], width_, height_, (width_ + 2) * 4); }
  std::uint32_t& At(std::int32_t x, std::int32_t y) { return cells_[Index(x, y)]; }

  bool GuardsIntact() const {
    for (std::int32_t y = -1; y <= height_; ++y)
      for (std::int32_t x = -1; x <= width_; ++x) {
        const bool inside = x >= 0 && y >= 0 && x < width_ && y < height_;
        if (!inside && cells_[Index(x, y)] != Guard) return false;
      }
    return true;
  }

 private:
  size_t Index(std::int32_t x, std::int32_t y) const {
    return static_cast<size_t>(y + 1) * (width_ + 2) + static_cast<size_t>(x + 1);
  }

  std::int32_t width_;
  std::int32_t height_;
  std::vector<std::uint32_t> cells_;
};

}  // namespace skin::paint
