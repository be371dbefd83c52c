#pragma once
// The PANEL-like frame the mask benchmarks paint, made once.
#include <cstdint>
#include <vector>

#include "skin/core/SkinData.h"

namespace mask_bench {

inline constexpr int kWidth = 1920;
inline constexpr int kHeight = 1080;
inline constexpr int kFrame = 16;
inline constexpr int kBorder = 6;

struct TFrame {
  skin::TsMaskData Mask;                // 16 x 32: colours above, mask values below
  std::vector<std::uint32_t> Background;  // the full-HD picture painted over
};

const TFrame& Frame();

}  // namespace mask_bench
