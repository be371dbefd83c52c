// Every painting helper gives back the brushes, pens, fonts, bitmaps and
// screen contexts it makes: the process's count of GDI objects is the same
// before and after many calls.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <memory>

#include "classlib/graphics/Bitmap.h"
#include "skin/paint/DcHelpers_Gdi.h"
#include "skin/paint/DisabledKind_Gdi.h"
#include "skin/paint/MaskRegions_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/Text32_Gdi.h"
#include "skin/paint/TextGlow_Gdi.h"
#include "skin/paint/TextHelpers_Gdi.h"
#include "tests/skin/paint/GdiObjectCount.h"

namespace skin::paint {
namespace {

using classlib::Rect;

using skin_test_gdi::GdiObjects;

TEST(GdiObjectsReleased, TheCountSeesObjectsComeAndGo) {
  const DWORD before = GdiObjects();
  HBRUSH brushes[5];
  for (HBRUSH& b : brushes) b = CreateSolidBrush(0x123456);
  EXPECT_EQ(GdiObjects(), before + 5);
  for (HBRUSH b : brushes) DeleteObject(b);
  EXPECT_EQ(GdiObjects(), before);
}

TEST(GdiObjectsReleased, HelpersLeaveTheCountAsTheyFoundIt) {
  std::unique_ptr<TBitmap> bmp(NewBitmap32(64, 32));
  classlib::TCanvas* canvas = bmp->Canvas();
  const HDC dc = canvas->Handle();
  const HFONT font = canvas->Font()->Handle();
  TGlowMask glowMask;
  TacCacheInfo fill{};
  fill.FillColor = 0x808080;
  const HRGN region = CreateRectRgn(0, 0, 64, 32);
  const auto everything = [&](int round) {
    FillRectColor(dc, Rect(0, 0, 10, 10), 0x0000FF);
    FillFrameColor(dc, Rect(0, 0, 20, 20), TFrameWidths{1, 2, 3, 4}, 0xFF0000);
    TRect r = Rect(0, 0, 20, 20);
    std::int32_t width = 3;
    DrawFrame3D(dc, r, 0xFFFFFF, width, 0);
    DrawDottedRect(canvas, Rect(0, 0, 30, 20), 0, 0xFFFFFF);
    DrawSmallArrow(canvas, 0, Rect(0, 0, 10, 10), sadDown);
    (void)GetTextSize(font, L"Koperta");
    (void)CutTextToWidth(canvas, L"Zegarek kieszonkowy", 40);
    PaintSkinText(canvas, TSkinTextParams{L"Serwis", Rect(0, 0, 64, 32), DT_SINGLELINE});
    PaintText32(bmp.get(), TText32Params{L"Karta", Rect(0, 0, 64, 32), DT_SINGLELINE});
    // A new text size each round: the glow mask is made again.
    PaintTextGlow(bmp.get(), glowMask,
                  TTextGlowParams{L"Glow", Rect(4, 4, 40 + round % 2, 28), DT_SINGLELINE, 0x00FFFF, 2, 15});
    PaintWhiteHighlight(bmp.get(), Rect(0, 0, 64, 32), 60, 0xFF0000, 3, 2);
    ApplyDisabledKind(bmp.get(), 3, kSkinKeyColor, fill, classlib::Point(0, 0));
    CutRectsFromRegion(region, {Rect(0, 0, 1, 1), Rect(round % 60, 5, round % 60 + 2, 6)});
  };
  everything(0);  // canvases select their objects once, on first use
  const DWORD before = GdiObjects();
  for (int round = 1; round <= 40; ++round) everything(round);
  EXPECT_EQ(GdiObjects(), before);
  DeleteObject(region);
}

}  // namespace
}  // namespace skin::paint
#endif
