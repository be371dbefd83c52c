#pragma once
// Records every picture pushed into a layered window (window, screen
// rectangle, constant alpha and the pixels), since layered pixels cannot be
// read back and Xvfb does not blend them; can lay a frame over a
// checkerboard for a picture to look at.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "classlib/graphics/Bitmap.h"
#include "skin/paint/LayeredPush_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "tests/skin/paint/DcPixels.h"
#include "tests/skin/paint/PictureFiles.h"

namespace skin_test {

struct TPushedFrame {
  HWND Wnd = nullptr;
  RECT Rect{};
  int Alpha = 0;
  int Width = 0, Height = 0;
  std::vector<std::uint32_t> Pixels;  // top-down ARGB
  std::uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y * Width + x)]; }
};

class TLayeredPushRecorder {
 public:
  TLayeredPushRecorder() {
    old_ = skin::paint::SetLayeredPushHandler([this](const skin::paint::TLayeredPush& push) {
      Record(push);
      return skin::paint::SystemPushLayeredWindow(push);
    });
  }
  ~TLayeredPushRecorder() { skin::paint::SetLayeredPushHandler(old_); }

  std::vector<TPushedFrame> Frames;
  std::vector<int> AlphasOf(HWND wnd) const {
    std::vector<int> alphas;
    for (const auto& f : Frames)
      if (f.Wnd == wnd) alphas.push_back(f.Alpha);
    return alphas;
  }

 private:
  void Record(const skin::paint::TLayeredPush& push) {
    TPushedFrame f;
    f.Wnd = push.Wnd;
    f.Rect = RECT{push.Position.x, push.Position.y, push.Position.x + push.Size.cx, push.Position.y + push.Size.cy};
    f.Alpha = push.Blend.SourceConstantAlpha;
    f.Width = push.Size.cx;
    f.Height = push.Size.cy;
    f.Pixels = skin::paint::testing::PixelsOf(push.Source, push.SourceOrigin, push.Size);
    Frames.push_back(std::move(f));
  }
  skin::paint::TLayeredPushHandler old_;
};

// Frames side by side, each over a checkerboard, blended as the screen
// would (per-pixel alpha premultiplied, times the frame's alpha).
inline void SaveFramesOverCheckerboard(const std::vector<const TPushedFrame*>& frames, const std::wstring& file) {
  int width = 0, height = 0;
  for (const auto* f : frames) {
    width += f->Width + 4;
    height = std::max(height, f->Height);
  }
  if (width == 0 || height == 0) return;
  std::unique_ptr<classlib::TBitmap> strip(skin::paint::NewBitmap32(width, height));
  GdiFlush();
  int left = 0;
  for (const auto* f : frames) {
    for (int y = 0; y < height; ++y) {
      auto* row = reinterpret_cast<std::uint32_t*>(strip->ScanLine(y));
      for (int x = 0; x < f->Width + 4 && left + x < width; ++x) {
        const std::uint32_t checker = ((x / 8 + y / 8) % 2) ? 0xFFC8C8C8u : 0xFFFFFFFFu;
        std::uint32_t out = checker;
        if (x < f->Width && y < f->Height) {
          const std::uint32_t p = f->At(x, y);
          const int k = f->Alpha, a = static_cast<int>(p >> 24) * k / 255;
          out = 0xFF000000u;
          for (int shift = 0; shift < 24; shift += 8) {
            const int s = static_cast<int>((p >> shift) & 0xFF) * k / 255;
            const int b = static_cast<int>((checker >> shift) & 0xFF);
            out |= static_cast<std::uint32_t>(std::min(255, s + b * (255 - a) / 255)) << shift;
          }
        }
        row[left + x] = out;
      }
    }
    left += f->Width + 4;
  }
  skin::paint::testing::SavePng(strip.get(), file);
}

}  // namespace skin_test
