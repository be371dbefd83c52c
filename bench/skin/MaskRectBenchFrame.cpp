#include "MaskRectBenchFrame.h"

#include <memory>
#include <random>

#include "classlib/core/Object.h"
#include "skin/manager/sSkinManager.h"

namespace mask_bench {

const TFrame& Frame() {
  static const TFrame frame = [] {
    TFrame f;
    static std::unique_ptr<skin::TsSkinManager> manager(classlib::New<skin::TsSkinManager>(nullptr));
    auto bmp = std::make_shared<bmp32::TCustomBitmap32>();
    bmp->SetSize(kFrame, 2 * kFrame);
    std::mt19937 rng(7);
    for (int y = 0; y < kFrame; ++y)
      for (int x = 0; x < kFrame; ++x) {
        // Rounded corners: key pixels where a corner is cut.
        const bool cut = (x + y < 2) || (kFrame - 1 - x + y < 2) || (x + kFrame - 1 - y < 2) ||
                         (2 * kFrame - 2 - x - y < 2);
        bmp->SetPixel(x, y, cut ? 0x00FF00FFu : 0xFF000000u | (rng() & 0xFFFFFFu));
        const bool border = x < kBorder || y < kBorder || x >= kFrame - kBorder || y >= kFrame - kBorder;
        bmp->SetPixel(x, y + kFrame, border ? 0x000000u : 0x404040u * static_cast<std::uint32_t>(x % 4));
      }
    f.Mask.Bmp = bmp;
    f.Mask.R = skin::TRect{0, 0, kFrame, 2 * kFrame};
    f.Mask.ImageCount = 1;
    f.Mask.MaskType = 1;
    f.Mask.DrawMode = 4;
    f.Mask.WL = f.Mask.WT = f.Mask.WR = f.Mask.WB = kBorder;
    f.Mask.CornerType = 1;
    f.Mask.Manager = manager.get();
    f.Background.resize(static_cast<std::size_t>(kWidth) * kHeight);
    for (std::uint32_t& p : f.Background) p = 0xFF000000u | (rng() & 0xFFFFFFu);
    return f;
  }();
  return frame;
}

}  // namespace mask_bench
