#pragma once
// A width x height map of 32-bit integers, rows one after another.
#include <cstdint>
#include <vector>

namespace bmp32 {

class TIntegerMap {
 public:
  TIntegerMap() = default;
  TIntegerMap(std::int32_t width, std::int32_t height) { SetSize(width, height); }

  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  // Negative sizes count as 0. Returns false when the size stays as it was.
  bool SetSize(std::int32_t newWidth, std::int32_t newHeight);
  bool Empty() const { return bits_.empty(); }

  std::int32_t* Bits() { return bits_.data(); }
  const std::int32_t* Bits() const { return bits_.data(); }
  // Unchecked, like pixel addresses.
  std::int32_t* ValPtr(std::int32_t x, std::int32_t y) {
    return bits_.data() + (x + static_cast<std::int64_t>(y) * width_);
  }

 private:
  void ChangeSize(std::int32_t& width, std::int32_t& height, std::int32_t newWidth,
                  std::int32_t newHeight);

  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::vector<std::int32_t> bits_;
};

}  // namespace bmp32
