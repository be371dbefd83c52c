// Text on canvases and 32-bit images, glow, white highlight and the
// disabled look, with a skin section whose colours the test sets.
#ifdef _WIN32
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "InternalSkinFixture.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/paint/BitmapGlyph.h"
#include "skin/paint/DisabledKind_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelView_Gdi.h"
#include "skin/paint/Text32_Gdi.h"
#include "skin/paint/TextGlow_Gdi.h"
#include "skin/paint/TextHelpers_Gdi.h"

namespace skin::paint {
namespace {

using classlib::Point;
using classlib::Rect;

constexpr TColor kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00, kWhite = 0xFFFFFF;

std::unique_ptr<TBitmap> Filled(int w, int h, std::uint32_t pixel) {
  std::unique_ptr<TBitmap> bmp(NewBitmap32(w, h));
  const TPixelView v = ViewOf(bmp.get());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) v.Pixel32(x, y) = pixel;
  bmp->Canvas()->Font()->SetName(L"Tahoma");
  bmp->Canvas()->Font()->SetHeight(-14);
  return bmp;
}

std::uint32_t At(TBitmap* bmp, int x, int y) {
  GdiFlush();
  return ViewOf(bmp).Pixel32(x, y);
}

int CountPixels(TBitmap* bmp, std::uint32_t pixel) {
  GdiFlush();
  int n = 0;
  const TPixelView v = ViewOf(bmp);
  for (int y = 0; y < v.Height; ++y)
    for (int x = 0; x < v.Width; ++x) n += v.Pixel32(x, y) == pixel;
  return n;
}

// Section Index coloured: blue text, hot green with a red left contour,
// a white section colour for the disabled mix.
class SkinText : public testing::InternalSkinFixture {
 protected:
  void SetUp() override {
    InternalSkinFixture::SetUp();
    if (HasFatalFailure()) return;
    TsGeneralData& s = Section();
    s.States = 2;
    s.Color = kWhite;
    s.Props[0].FontColor = kBlue;
    s.Props[0].TextColors = {-1, -1, -1, -1};
    s.Props[1].FontColor = kGreen;
    s.Props[1].TextColors = {kRed, -1, -1, -1};
  }
};

TEST(TextHelpers, CutTextToWidthInTheCanvasFont) {
  auto bmp = Filled(10, 10, 0);
  classlib::TCanvas* c = bmp->Canvas();
  const std::wstring text = L"Zegarek kieszonkowy";
  const int full = c->TextWidth(text);
  EXPECT_EQ(CutTextToWidth(c, text, 0), L"");
  EXPECT_EQ(CutTextToWidth(c, text, full), text);
  const std::wstring cut = CutTextToWidth(c, text, full / 2);
  ASSERT_GE(cut.size(), 4u);
  EXPECT_EQ(cut.substr(cut.size() - 3), L"...");
  EXPECT_LE(c->TextWidth(cut), full / 2);
  EXPECT_GT(c->TextWidth(cut.substr(0, cut.size() - 3) + text[cut.size() - 3] + L"..."), full / 2);
  EXPECT_EQ(CutTextToWidth(c, L"W", c->TextWidth(L"W") - 1), L"");  // a lone letter without room for dots
  EXPECT_EQ(CutTextToWidth(nullptr, text, 100), L"");
}

TEST(TextHelpers, GetTextSizeMeasuresWithTheFontOnTheScreen) {
  auto bmp = Filled(10, 10, 0);
  classlib::TFont* font = bmp->Canvas()->Font();
  font->SetHeight(-30);
  const classlib::TSize size = GetTextSize(font->Handle(), L"Koperta");
  EXPECT_EQ(size, bmp->Canvas()->TextExtent(L"Koperta"));
  EXPECT_GT(size.cy, 25);
}

TEST(TextHelpers, acDrawTextCalculatesTheRectangleOfTheWholeText) {
  auto bmp = Filled(10, 10, 0);
  TRect r = Rect(5, 5, 5, 5);
  const int h = acDrawText(bmp->Canvas()->Handle(), L"Mechanizm", r, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(r.Width(), bmp->Canvas()->TextWidth(L"Mechanizm"));
  EXPECT_EQ(h, r.Height());
}

TEST_F(SkinText, PaintSkinTextUsesStateContourAndDisabledColours) {
  const auto colourCounts = [this](bool enabled, std::uint8_t state, TsSkinManager* m, int index) {
    auto bmp = Filled(80, 24, 0);
    bmp->Canvas()->Font()->SetColor(kWhite);
    PaintSkinText(bmp->Canvas(), TSkinTextParams{L"Serwis", Rect(4, 2, 80, 24), DT_SINGLELINE, enabled, state,
                                                 index, m});
    EXPECT_EQ(bmp->Canvas()->Font()->Color(), kWhite);  // the canvas's colour comes back
    struct {
      int red, green, blue, white, other;
    } n{};
    GdiFlush();
    const TPixelView v = ViewOf(bmp.get());
    for (int y = 0; y < v.Height; ++y)
      for (int x = 0; x < v.Width; ++x) {
        const std::uint32_t p = v.Pixel32(x, y) & 0xFFFFFF;
        if (p == 0) continue;
        n.red += p == 0xFF0000;
        n.green += p == 0x00FF00;
        n.blue += p == 0x0000FF;
        n.white += p == 0xFFFFFF;
        n.other += p != 0xFF0000 && p != 0x00FF00 && p != 0x0000FF && p != 0xFFFFFF;
      }
    return n;
  };
  const auto normal = colourCounts(true, 0, manager_.get(), Index);
  EXPECT_GT(normal.blue, 10);
  EXPECT_EQ(normal.red + normal.green + normal.white, 0);
  for (std::uint8_t state : {1, 7}) {  // a state past the two blocks is taken as hot
    const auto hot = colourCounts(true, state, manager_.get(), Index);
    EXPECT_GT(hot.green, 10) << int{state};
    EXPECT_GT(hot.red, 0) << int{state};  // the left contour shows beside the strokes
    EXPECT_EQ(hot.blue, 0) << int{state};
  }
  // Disabled: the normal font colour mixed 40 % with the section's white.
  const auto disabled = colourCounts(false, 1, manager_.get(), Index);
  EXPECT_EQ(disabled.red + disabled.green + disabled.blue, 0);
  EXPECT_GT(disabled.other, 10);
  // No valid section: the canvas's own colour.
  const auto plain = colourCounts(true, 0, manager_.get(), -1);
  EXPECT_GT(plain.white, 10);
  EXPECT_EQ(plain.blue, 0);
  EXPECT_EQ(colourCounts(true, 0, manager_.get(), 100000).blue, 0);
}

TEST_F(SkinText, PaintText32GivesTextAlpha255InTheSectionColours) {
  auto bmp = Filled(90, 30, 0x00000000);
  PaintText32(bmp.get(), TText32Params{L"Koperta", Rect(5, 5, 85, 25), DT_SINGLELINE, false, false, Index,
                                       manager_.get()});
  EXPECT_GT(CountPixels(bmp.get(), 0xFF0000FF), 10);  // opaque blue strokes
  EXPECT_EQ(CountPixels(bmp.get(), 0xFFFF0000), 0);
  for (int x = 0; x < 90; ++x) ASSERT_EQ(At(bmp.get(), x, 2), 0u) << x;  // above R untouched

  auto contoured = Filled(90, 30, 0x00000000);
  PaintText32(contoured.get(), TText32Params{L"Koperta", Rect(5, 5, 85, 25), DT_SINGLELINE, true, true, Index,
                                             manager_.get()});
  EXPECT_GT(CountPixels(contoured.get(), 0xFF00FF00), 10);  // hot font colour
  EXPECT_GT(CountPixels(contoured.get(), 0xFFFF0000), 0);   // left contour
  // Hot but contour off: no red.
  auto plain = Filled(90, 30, 0x00000000);
  PaintText32(plain.get(), TText32Params{L"Koperta", Rect(5, 5, 85, 25), DT_SINGLELINE, false, true, Index,
                                         manager_.get()});
  EXPECT_EQ(CountPixels(plain.get(), 0xFFFF0000), 0);
}

TEST_F(SkinText, PaintText32WithoutSectionStampsTheFontColourAndClipsAtTheEdges) {
  auto bmp = Filled(40, 20, 0x00000000);
  bmp->Canvas()->Font()->SetColor(kRed);
  PaintText32(bmp.get(), TText32Params{L"Karta", Rect(-10, -5, 30, 25), DT_SINGLELINE | DT_VCENTER, true, false,
                                       -1, manager_.get()});
  EXPECT_GT(CountPixels(bmp.get(), 0xFFFF0000), 5);
  PaintText32(bmp.get(), TText32Params{L"", Rect(0, 0, 40, 20)});  // nothing to write
  PaintText32(nullptr, TText32Params{L"x", Rect(0, 0, 40, 20)});
}

TEST(TextGlow, SizeBelowOneDrawsNoGlow) {
  for (int size : {0, -3}) {
    auto bmp = Filled(60, 30, 0x00101010);
    TGlowMask mask;
    PaintTextGlow(bmp.get(), mask, TTextGlowParams{L"Glow", Rect(10, 5, 50, 25), DT_SINGLELINE, kRed, size, 15});
    EXPECT_EQ(CountPixels(bmp.get(), 0x00101010), 60 * 30) << size;
    EXPECT_EQ(mask.Bmp, nullptr);
  }
}

TEST(TextGlow, GlowSpreadsAroundTheTextAndTheMaskIsKept) {
  auto bmp = Filled(80, 40, 0x00000000);
  TGlowMask mask;
  const TTextGlowParams p{L"Glow", Rect(20, 10, 60, 30), DT_SINGLELINE, kRed, 3, 15};
  PaintTextGlow(bmp.get(), mask, p);
  ASSERT_NE(mask.Bmp, nullptr);
  EXPECT_EQ(mask.Bmp->PixelFormat(), classlib::pf8bit);
  EXPECT_EQ(mask.Bmp->Width(), 40 + 2 * (3 + 4));
  EXPECT_EQ(mask.Bmp->Height(), 20 + 2 * (3 + 4));
  int reddish = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 80; ++x) {
      const std::uint32_t px = At(bmp.get(), x, y);
      if (px == 0) continue;
      reddish += (px >> 16 & 0xFF) > 0 && (px & 0xFFFF) == 0 && (px >> 24) > 0;
      ASSERT_EQ(px & 0xFFFF, 0u) << x << "," << y;  // only red moves in, with alpha
    }
  EXPECT_GT(reddish, 50);
  EXPECT_EQ(At(bmp.get(), 0, 0), 0u);  // far from the text

  TBitmap* const kept = mask.Bmp.get();
  const std::uint32_t before = At(bmp.get(), 40, 20);
  PaintTextGlow(bmp.get(), mask, p);
  EXPECT_EQ(mask.Bmp.get(), kept);  // same size: reused
  EXPECT_GE(At(bmp.get(), 40, 20) >> 16 & 0xFF, before >> 16 & 0xFF);
}

TEST(TextGlow, ANewCaptionOfTheSameSizeGetsItsOwnGlow) {
  const auto glow = [](TGlowMask& mask, const wchar_t* text) {
    auto bmp = Filled(80, 40, 0x00000000);
    PaintTextGlow(bmp.get(), mask, TTextGlowParams{text, Rect(20, 10, 60, 30), DT_SINGLELINE, kRed, 3, 15});
    GdiFlush();
    const TPixelView v = ViewOf(bmp.get());
    std::vector<std::uint32_t> all;
    for (int y = 0; y < v.Height; ++y) all.insert(all.end(), v.Row32(y), v.Row32(y) + v.Width);
    return all;
  };
  TGlowMask reused, fresh;
  glow(reused, L"WWWW");
  EXPECT_EQ(glow(reused, L"iiii"), glow(fresh, L"iiii"));
}

TEST(WhiteHighlight, DepthZeroMixesEveryPixelWithTheCentreGrey) {
  struct Case {
    int percent, depth, radius;
    std::uint32_t m;  // the mask's grey over the whole rectangle
  };
  for (const Case& c : {Case{60, 0, 0, 153}, Case{100, 0, 0, 255}, Case{60, -7, -2, 153}}) {
    auto bmp = Filled(12, 10, 0xFF806040);
    PaintWhiteHighlight(bmp.get(), Rect(2, 1, 10, 9), c.percent, kBlue, c.depth, c.radius);
    // ((d - c) x m + c x 256) shr 8 = (d x m + c x (256 - m)) shr 8, Color blue.
    const std::uint32_t b = (0x40 * c.m + 0xFF * (256 - c.m)) >> 8, g = (0x60 * c.m) >> 8, r = (0x80 * c.m) >> 8;
    for (int y = 1; y < 9; ++y)
      for (int x = 2; x < 10; ++x)
        ASSERT_EQ(At(bmp.get(), x, y) & 0xFFFFFF, r << 16 | g << 8 | b) << c.percent << " " << x << "," << y;
    EXPECT_EQ(At(bmp.get(), 1, 4), 0xFF806040u);  // outside R
    EXPECT_EQ(At(bmp.get(), 10, 4), 0xFF806040u);
    EXPECT_EQ(At(bmp.get(), 5, 9), 0xFF806040u);
  }
}

TEST(WhiteHighlight, DepthMakesRingsDarkerInward) {
  auto bmp = Filled(20, 20, 0xFFFFFFFF);
  PaintWhiteHighlight(bmp.get(), Rect(0, 0, 20, 20), 20, 0, 4, 0);  // black colour: the mask shows directly
  const std::uint32_t edge = At(bmp.get(), 0, 10) & 0xFF, ring = At(bmp.get(), 2, 10) & 0xFF,
                      centre = At(bmp.get(), 10, 10) & 0xFF;
  EXPECT_EQ(edge, 254u);  // white ring: (255 x 255) shr 8
  EXPECT_GT(edge, ring);
  EXPECT_GT(ring, centre);
  EXPECT_EQ(centre, (255u * (20 * 255 / 100)) >> 8);
  PaintWhiteHighlight(bmp.get(), Rect(5, 5, 5, 9), 20, 0, 4, 0);  // empty: nothing
}

TEST(DisabledKind, GreyThenBlendWithFillColourParentColourOrParentImage) {
  const TacCacheInfo none{};
  auto grey = Filled(4, 4, 0xFF3060F0);
  ApplyDisabledKind(grey.get(), dgGrayed, kSkinKeyColor, none, Point(0, 0));
  EXPECT_EQ(At(grey.get(), 1, 1), 0xFF808080u);  // (0x30 + 0x60 + 0xF0) div 3

  // Half and half with the fill colour (127.5 goes to the even 128).
  auto fill = Filled(4, 4, 0xFF0000FF);
  TacCacheInfo colour{};
  colour.FillColor = kRed;
  ApplyDisabledKind(fill.get(), dgBlended, kBlue, colour, Point(0, 0));
  EXPECT_EQ(At(fill.get(), 3, 3), 0xFF800080u);

  // No fill colour: the parent's colour, or the button face when that is none.
  auto parented = Filled(4, 4, 0xFF0000FF);
  ApplyDisabledKind(parented.get(), dgBlended, kGreen, none, Point(0, 0));
  EXPECT_EQ(At(parented.get(), 2, 2), 0xFF008080u);
  auto orphan = Filled(4, 4, 0xFF000000);
  ApplyDisabledKind(orphan.get(), dgBlended, kSkinKeyColor, none, Point(0, 0));
  const TColor face = classlib::ColorToRGB(classlib::clBtnFace);
  EXPECT_EQ(At(orphan.get(), 0, 0) & 0xFF, static_cast<std::uint32_t>(std::lrint(((face >> 16) & 0xFF) / 2.0)));

  // A ready parent image: 60 % parent, 40 % image, key pixels of the parent
  // skipped; grey comes first (blue 255 becomes 85 in every channel).
  auto back = Filled(10, 10, 0xFF00FF00);
  ViewOf(back.get()).Pixel32(3, 2) = 0x00FF00FF;
  auto image = Filled(3, 3, 0xFF0000FF);
  ApplyDisabledKind(image.get(), dgBlended | dgGrayed, kBlue, MakeCacheInfo(back.get(), 2, 1), Point(1, 1));
  EXPECT_EQ(At(image.get(), 2, 2) & 0xFFFFFF, 0x22BB22u);
  EXPECT_EQ(At(image.get(), 0, 0) & 0xFFFFFF, 0x555555u);  // over the parent's key pixel (3, 2)
}

}  // namespace
}  // namespace skin::paint
#endif
