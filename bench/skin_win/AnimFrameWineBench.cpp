// Under Wine: what one frame of the window animations costs at the main
// window's size, against the 12 ms frame they are given: a zoom frame
// (cleared, stretched) pushed into a real layered window, a fade frame
// (the picture pushed with a new alpha) and a cross-fade frame (old and new
// blended, copied to a window). Prints the median of each in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "bench/skin_win/WineBenchTiming.h"
#include "classlib/controls/Application.h"
#include "classlib/core/Object.h"
#include "skin/common/LayeredImages.h"
#include "skin/core/AnimFrames.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelFills_Gdi.h"

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 700;

using wine_bench::MedianMs;
using wine_bench::NowMs;

}  // namespace

int wmain() {
  classlib::Application->Initialize();
  std::unique_ptr<classlib::TBitmap> image(skin::paint::NewBitmap32(kWidth, kHeight));
  std::unique_ptr<classlib::TBitmap> old(skin::paint::NewBitmap32(kWidth, kHeight));
  std::unique_ptr<classlib::TBitmap> frame(skin::paint::NewBitmap32(kWidth, kHeight));
  skin::paint::FillRect32(image.get(), skin::TRect{0, 0, kWidth, kHeight}, 0x4080C0, 255);
  skin::paint::FillRect32(old.get(), skin::TRect{0, 0, kWidth, kHeight}, 0xC08040, 255);
  std::unique_ptr<skin::TacLayeredWindow> layered(classlib::New<skin::TacLayeredWindow>(nullptr));
  layered->SetBounds(0, 0, kWidth, kHeight);
  const HWND wnd = layered->Handle();
  ShowWindow(wnd, SW_SHOWNOACTIVATE);
  const int steps = skin::AnimSteps(120);

  const double zoom = MedianMs(60, [&](int i) {
    const skin::TacZoomRect z = skin::ZoomInRect(i % (steps + 1), steps, kWidth, kHeight);
    skin::paint::FillRect32(frame.get(), skin::TRect{0, 0, kWidth, kHeight}, 0, 0);
    HDC dc = frame->Canvas()->Handle();
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, static_cast<int>(z.X0), static_cast<int>(z.Y0), static_cast<int>(z.X1 - z.X0),
               static_cast<int>(z.Y1 - z.Y0), image->Canvas()->Handle(), 0, 0, kWidth, kHeight, SRCCOPY);
    skin::PushToLayeredWindow(wnd, *frame, skin::ShowFrameAlpha(i % (steps + 1), steps, 255, false), POINT{0, 0});
  });
  const double fade = MedianMs(60, [&](int i) {
    skin::PushToLayeredWindow(wnd, *image, skin::ShowFrameAlpha(i % (steps + 1), steps, 255, false), POINT{0, 0});
  });
  classlib::TBitmap* mix = nullptr;
  HDC windowDc = GetWindowDC(wnd);
  const double crossFade = MedianMs(60, [&](int i) {
    skin::paint::BlendBitmaps(mix, old.get(), image.get(),
                              static_cast<std::uint16_t>(skin::CrossFadeWeight(i % (steps + 1), steps)), nullptr);
    BitBlt(windowDc, 0, 0, kWidth, kHeight, mix->Canvas()->Handle(), 0, 0, SRCCOPY);
  });
  ReleaseDC(wnd, windowDc);
  delete mix;
  std::printf("animation frames at %d x %d (budget %d ms a frame)\n", kWidth, kHeight, skin::AnimFrameMs);
  std::printf("  zoom frame, pushed:   %.2f ms\n", zoom);
  std::printf("  fade frame, pushed:   %.2f ms\n", fade);
  std::printf("  cross-fade frame:     %.2f ms\n", crossFade);
  return 0;
}
