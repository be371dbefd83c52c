#pragma once
// A test bitmap: Width x Height pixels inside a guard band of sentinel
// pixels, so a test can see any write outside the bitmap.
#include <cstdint>
#include <vector>

#include "skin/paint/PixelView.h"

namespace skin::paint::testing {

class TPixelGrid {
 public:
  static constexpr std::uint32_t Sentinel = 0xDEADBEEFu;
  static constexpr std::int32_t Guard = 4;

  TPixelGrid(std::int32_t width, std::int32_t height, std::uint32_t fill = 0)
      : width_(width), height_(height), pitch_(width + 2 * Guard),
        pixels_(static_cast<std::size_t>(pitch_) * (height + 2 * Guard), Sentinel) {
    for (std::int32_t y = 0; y < height; ++y)
      for (std::int32_t x = 0; x < width; ++x) At(x, y) = fill;
  }

  TPixelView View() {
    return MakeView(&pixels_[static_cast<std::size_t>(Guard) * pitch_ + Guard], width_, height_,
                    static_cast<std::ptrdiff_t>(pitch_) * 4);
  }
  std::uint32_t& At(std::int32_t x, std::int32_t y) {
    return pixels_[static_cast<std::size_t>(y + Guard) * pitch_ + x + Guard];
  }
  // Every sentinel outside the bitmap is still there.
  bool GuardsIntact() const {
    for (std::int32_t y = 0; y < height_ + 2 * Guard; ++y)
      for (std::int32_t x = 0; x < pitch_; ++x) {
        const bool inside = x >= Guard && x < Guard + width_ && y >= Guard && y < Guard + height_;
        if (!inside && pixels_[static_cast<std::size_t>(y) * pitch_ + x] != Sentinel) return false;
      }
    return true;
  }
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }

 private:
  std::int32_t width_;
  std::int32_t height_;
  std::int32_t pitch_;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace skin::paint::testing
