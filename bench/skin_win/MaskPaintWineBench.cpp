// Under Wine, in one program: the full-HD PANEL-like face painted by the
// nine-piece mask painter against AlphaBlend of a per-pixel-alpha picture of
// the same size (the platform's way to put a face with alpha down), and the
// main window's face (the internal skin's FORM section with real alpha, as a
// layered frame paints it) at the main window's client size. Prints the
// median of each in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "bench/skin/MaskRectBenchFrame.h"
#include "bench/skin_win/InternalSkinManager.h"
#include "bench/skin_win/WineBenchTiming.h"
#include "classlib/core/FileUtilsPath.h"
#include "classlib/core/Object.h"
#include "skin/core/SkinLookups.h"
#include "skin/manager/SkinManagerPlatform.h"
#include "skin/manager/sSkinManager.h"
#include "skin/manager/sStoredSkins.h"
#include "skin/paint/MaskRect.h"
#include "skin/paint/PixelRows.h"
#include "skin/paint/PixelRowsSse2.h"
#include "skin/paint/SectionPaint32.h"

namespace {

using mask_bench::kHeight;
using mask_bench::kWidth;

using wine_bench::MedianMs;
using wine_bench::NowMs;

// A top-down 32-bit DIB section and its memory DC.
struct TDib {
  HDC Dc = nullptr;
  HBITMAP Bmp = nullptr;
  HGDIOBJ Old = nullptr;
  std::uint32_t* Bits = nullptr;
  TDib(int w, int h) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    Dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    Bmp = CreateDIBSection(Dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    Bits = static_cast<std::uint32_t*>(bits);
    Old = SelectObject(Dc, Bmp);
  }
  ~TDib() {
    SelectObject(Dc, Old);
    DeleteObject(Bmp);
    DeleteDC(Dc);
  }
};

using wine_bench::InternalSkin;

}  // namespace

int wmain() {
  skin::paint::BlendRowByMask = skin::paint::sse2::BlendRowByMask;
  skin::paint::FillDWords = skin::paint::sse2::FillDWords;
  const int runs = 15;
  TDib target(kWidth, kHeight), picture(kWidth, kHeight);
  for (int i = 0; i < kWidth * kHeight; ++i) picture.Bits[i] = 0x80402010u | static_cast<std::uint32_t>(i & 0x7F);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  const double alphaBlend = MedianMs(runs, [&] {
    AlphaBlend(target.Dc, 0, 0, kWidth, kHeight, picture.Dc, 0, 0, kWidth, kHeight, blend);
    GdiFlush();
  });
  const mask_bench::TFrame& frame = mask_bench::Frame();
  const skin::paint::TPixelView view = skin::paint::MakeView(target.Bits, kWidth, kHeight, kWidth * 4);
  const double maskRect = MedianMs(runs, [&] {
    skin::paint::PaintMaskRect(view, skin::TRect{0, 0, kWidth, kHeight}, skin::paint::TCacheView{}, frame.Mask, 0,
                               false);
  });
  std::printf("full HD %dx%d: AlphaBlend %.2f ms, PaintMaskRect %.2f ms, ratio %.3f (goal <= 0.2)\n", kWidth, kHeight,
              alphaBlend, maskRect, maskRect / alphaBlend);

  const auto manager = InternalSkin();
  const int form = manager->GetSkinIndex(L"FORM");
  const int faceWidth = 1000, faceHeight = 645;  // the main window's client size
  TDib face(faceWidth, faceHeight);
  const skin::paint::TPixelView faceView = skin::paint::MakeView(face.Bits, faceWidth, faceHeight, faceWidth * 4);
  const double formFace = MedianMs(runs, [&] {
    std::fill(face.Bits, face.Bits + faceWidth * faceHeight, 0u);
    skin::paint::PaintSectionItem32(form, 0, skin::TRect{0, 0, faceWidth, faceHeight}, faceView, manager->Skin());
  });
  std::printf("main window face %dx%d (FORM section %d, alpha-keeping): %.2f ms\n", faceWidth, faceHeight, form,
              formFace);
  return 0;
}
