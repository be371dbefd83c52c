#pragma once
// Masks made by the tests: a strip of frames in a bitmap of the mask's own,
// owned by a skin manager with no skin loaded. The coordinate-coded strip
// holds in each colour pixel its frame, column and row inside the frame
// (0xFF000000 | frame << 16 | y << 8 | x), so every painted pixel tells
// where it came from.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>

#include "bitmap/Bmp32.h"
#include "classlib/core/FileUtilsPath.h"
#include "classlib/core/Object.h"
#include "classlib/core/Utf8.h"
#include "skin/core/SkinData.h"
#include "skin/manager/SkinManagerPlatform.h"
#include "skin/manager/sSkinManager.h"

namespace skin::paint::testing {

// What surrounds a painted rectangle, to see that it stays.
inline constexpr std::uint32_t kBand = 0x11223344u;

inline std::uint32_t Coded(std::int32_t frame, std::int32_t x, std::int32_t y) {
  return 0xFF000000u | static_cast<std::uint32_t>(frame) << 16 | static_cast<std::uint32_t>(y) << 8 |
         static_cast<std::uint32_t>(x);
}

struct TMaskShape {
  std::int32_t Frames = 1, FrameWidth = 16, FrameHeight = 16;
  std::int16_t MaskType = 0;  // 0: no mask rows; 1: one frame height of mask rows below
  std::int16_t WL = 4, WT = 4, WR = 4, WB = 4;
  std::int16_t DrawMode = 0;
  std::int16_t CornerType = 0;
};

// Colour pixel and mask pixel of frame f at (x, y) inside the frame.
using TPixelSource = std::function<std::uint32_t(std::int32_t f, std::int32_t x, std::int32_t y)>;

// Owns the manager of the masks it makes. While it lives the manager
// hooks no window, its error boxes fail the test, and the program folder is
// the temporary folder.
class TMaskFactory {
 public:
  TMaskFactory() : saved_(SkinManagerPlatform()) {
    auto& platform = SkinManagerPlatform();
    platform.ShowError = [](const std::wstring& text) { ADD_FAILURE() << classlib::WideToUtf8(text); };
    platform.HookMainWindow = [](TsMainWindowHook) { return 1; };
    platform.UnhookMainWindow = [](int) {};
    const std::wstring temp = classlib::FromFsPath(std::filesystem::temp_directory_path()) + L"\\";
    classlib::SetProgramFolderSource([temp] { return temp; });
    manager_.reset(classlib::New<TsSkinManager>(nullptr));
    manager_->SetSkinDirectory(temp);
  }
  ~TMaskFactory() {
    manager_.reset();
    classlib::SetProgramFolderSource(nullptr);
    SkinManagerPlatform() = saved_;
  }
  TMaskFactory(const TMaskFactory&) = delete;
  TMaskFactory& operator=(const TMaskFactory&) = delete;

  TsSkinManager* Manager() const { return manager_.get(); }

  TsMaskData Make(const TMaskShape& shape, const TPixelSource& colour = Coded,
                  const TPixelSource& maskValue = [](std::int32_t, std::int32_t, std::int32_t) { return 0u; }) const {
    auto bmp = std::make_shared<bmp32::TCustomBitmap32>();
    const std::int32_t rows = shape.FrameHeight * (shape.MaskType + 1);
    bmp->SetSize(shape.Frames * shape.FrameWidth, rows);
    for (std::int32_t f = 0; f < shape.Frames; ++f)
      for (std::int32_t y = 0; y < rows; ++y)
        for (std::int32_t x = 0; x < shape.FrameWidth; ++x) {
          const bool maskRow = y >= shape.FrameHeight;
          bmp->SetPixel(f * shape.FrameWidth + x, y,
                        maskRow ? maskValue(f, x, y - shape.FrameHeight) : colour(f, x, y));
        }
    TsMaskData mask;
    mask.Bmp = bmp;
    mask.R = TRect{0, 0, bmp->Width(), rows};
    mask.ImageCount = static_cast<std::int16_t>(shape.Frames);
    mask.MaskType = shape.MaskType;
    mask.DrawMode = shape.DrawMode;
    mask.CornerType = shape.CornerType;
    mask.WL = shape.WL, mask.WT = shape.WT, mask.WR = shape.WR, mask.WB = shape.WB;
    mask.Manager = manager_.get();
    return mask;
  }

 private:
  TsSkinManagerPlatform saved_;
  std::unique_ptr<TsSkinManager> manager_;
};

}  // namespace skin::paint::testing
