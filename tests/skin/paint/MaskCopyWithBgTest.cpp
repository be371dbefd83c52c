#include "skin/paint/MaskCopyWithBg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "GuardedImage.h"

namespace skin::paint {
namespace {

constexpr std::uint32_t Key = 0x00FF00FFu;

// A master image of 4 x 4 pixels: an image of two rows above its mask rows
// (the mask's rectangle is the whole master, so the mask lies 2 rows down).
struct TMaster {
  std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(16, 0);
  TsMaskData mask;

  TMaster() { mask.R = TRect{0, 0, 4, 4}; }
  std::uint32_t& At(std::int32_t x, std::int32_t y) { return pixels[static_cast<size_t>(y) * 4 + x]; }
  TPixelView View() { return MakeView(pixels.data(), 4, 4, 16); }
};

TEST(MaskCopyWithBg, BlendsEachChannelByTheMaskAndKeepsAlpha) {
  TMaster m;
  m.At(0, 0) = 0x00102030u;  // mask 0: the source
  m.At(1, 0) = 0x00102030u;  // mask 255: all but 1/256 of the destination
  m.At(2, 0) = 0x00C8C8C8u;  // mask 128 in blue only
  m.At(0, 2) = 0x00000000u;
  m.At(1, 2) = 0x00FFFFFFu;
  m.At(2, 2) = 0x00000080u;
  TGuardedImage dst(3, 1, 0x7F646464u);
  CopyByMaskWithBg(TRect{0, 0, 2, 0}, TRect{0, 0, 2, 0}, dst.View(), TCacheView{}, m.mask, m.View());
  EXPECT_EQ(dst.At(0, 0), 0x7F102030u);
  EXPECT_EQ(dst.At(1, 0), 0x7F636363u);  // (100 x 255 + s) shr 8 = 99
  // blue: ((100 - 200) x 128 + 200 x 256) shr 8 = 150; green, red: 200.
  EXPECT_EQ(dst.At(2, 0), 0x7FC8C896u);
  EXPECT_TRUE(dst.GuardsIntact());
}

TEST(MaskCopyWithBg, KeyPixelsTakeTheBackgroundByItsKind) {
  struct Case {
    const char* name;
    bool ready;
    TColor fill;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {"not ready, no colour: unchanged", false, 0xFF00FF, 0x7F646464u},
      {"not ready, a colour: the whole pixel", false, 0x00332211, 0x00112233u},
      {"ready, a colour: its colour bytes", true, 0x00332211, 0x7F112233u},
      {"ready, no colour: the parent pixel", true, 0xFF00FF, 0xAB000007u},
  };
  TGuardedImage parent(4, 4);
  for (std::int32_t y = 0; y < 4; ++y)
    for (std::int32_t x = 0; x < 4; ++x) parent.At(x, y) = 0xAB000000u | static_cast<std::uint32_t>(y * 4 + x);
  for (const Case& c : cases) {
    TMaster m;
    m.At(0, 0) = Key;
    TGuardedImage dst(2, 2, 0x7F646464u);
    // Destination pixel (1, 1) lies over parent pixel (3, 1).
    const TCacheView bg{parent.View(), 2, 0, c.fill, c.ready};
    CopyByMaskWithBg(TRect{1, 1, 1, 1}, TRect{0, 0, 0, 0}, dst.View(), bg, m.mask, m.View());
    EXPECT_EQ(dst.At(1, 1), c.expected) << c.name;
    EXPECT_EQ(dst.At(0, 1), 0x7F646464u) << c.name;
  }
}

TEST(MaskCopyWithBg, ParentPixelsOnlyWhereTheParentImageHasThem) {
  TMaster m;
  for (std::int32_t x = 0; x < 4; ++x) m.At(x, 0) = m.At(x, 1) = Key;
  TGuardedImage parent(2, 1, 0xFF0000AAu);
  TGuardedImage dst(4, 2, 0x11111111u);
  // Columns -1 and 2, 3 of the parent do not exist; row 1 neither.
  const TCacheView bg{parent.View(), -1, 0, 0xFF00FF, true};
  CopyByMaskWithBg(TRect{0, 0, 3, 1}, TRect{0, 0, 3, 1}, dst.View(), bg, m.mask, m.View());
  EXPECT_EQ(dst.At(0, 0), 0x11111111u);
  EXPECT_EQ(dst.At(1, 0), 0xFF0000AAu);
  EXPECT_EQ(dst.At(2, 0), 0xFF0000AAu);
  EXPECT_EQ(dst.At(3, 0), 0x11111111u);
  EXPECT_EQ(dst.At(0, 1), 0x11111111u);
  EXPECT_TRUE(parent.GuardsIntact());
  EXPECT_TRUE(dst.GuardsIntact());
}

TEST(MaskCopyWithBg, CopiesTheSmallerRectangleClippedToBothImages) {
  TMaster m;
  for (std::int32_t x = 0; x < 4; ++x) {
    m.At(x, 0) = 0x00000010u + static_cast<std::uint32_t>(x);
    m.At(x, 1) = 0x00000020u + static_cast<std::uint32_t>(x);
  }  // mask rows stay 0: plain copies
  struct Case {
    const char* name;
    std::int32_t width, height;
    TRect dstRect, srcRect;
    std::vector<std::pair<TPoint, std::uint32_t>> copied;  // every other pixel stays
  };
  const Case cases[] = {
      {"a destination start of -1 moves the source start on by one too", 3, 3, TRect{-1, -1, 9, 9},
       TRect{0, 0, 3, 1}, {{{0, 0}, 0xEE000021u}, {{1, 0}, 0xEE000022u}, {{2, 0}, 0xEE000023u}}},
      {"rows whose mask rows lie below the master are not copied; the destination is cut at its edge", 2, 4,
       TRect{1, 0, 5, 3}, TRect{0, 1, 3, 4}, {{{1, 0}, 0xEE000020u}}},
      {"a source start past the master copies nothing", 2, 2, TRect{0, 0, 1, 1}, TRect{4, 0, 5, 1}, {}},
  };
  for (const Case& c : cases) {
    TGuardedImage dst(c.width, c.height, 0xEEEEEEEEu);
    CopyByMaskWithBg(c.dstRect, c.srcRect, dst.View(), TCacheView{}, m.mask, m.View());
    for (std::int32_t y = 0; y < c.height; ++y)
      for (std::int32_t x = 0; x < c.width; ++x) {
        std::uint32_t expected = 0xEEEEEEEEu;
        for (const auto& [at, value] : c.copied)
          if (at == TPoint{x, y}) expected = value;
        EXPECT_EQ(dst.At(x, y), expected) << c.name << " " << x << "," << y;
      }
    EXPECT_TRUE(dst.GuardsIntact()) << c.name;
  }
  {
    // Nothing with a view that is not 32 bits a pixel.
    TGuardedImage dst(2, 2, 0xEEEEEEEEu);
    std::vector<std::uint8_t> bytes(4 * 3 * 2, 0x42);
    CopyByMaskWithBg(TRect{0, 0, 1, 1}, TRect{0, 0, 1, 1}, MakeView(bytes.data(), 4, 2, 12, 3),
                     TCacheView{}, m.mask, m.View());
    CopyByMaskWithBg(TRect{0, 0, 1, 1}, TRect{0, 0, 1, 1}, dst.View(), TCacheView{}, m.mask,
                     MakeView(bytes.data(), 4, 2, 12, 3));
    for (std::int32_t y = 0; y < 2; ++y)
      for (std::int32_t x = 0; x < 2; ++x) EXPECT_EQ(dst.At(x, y), 0xEEEEEEEEu);
    for (std::uint8_t b : bytes) ASSERT_EQ(b, 0x42);
  }
}

}  // namespace
}  // namespace skin::paint

#ifdef _WIN32
#include "bitmap/Bmp32.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/paint/MaskCopyWithBg_Gdi.h"

namespace skin::paint {
namespace {

TEST(MaskCopyWithBgGdi, KeyPixelsTakeAPf32ParentImageOnly) {
  bmp32::TCustomBitmap32 master;
  master.SetSize(2, 2);
  master.SetPixel(0, 0, Key);
  master.SetPixel(1, 0, 0x00405060u);
  master.SetPixel(0, 1, 0);  // mask 0: a plain copy
  master.SetPixel(1, 1, 0);
  TsMaskData mask;
  mask.R = TRect{0, 0, 2, 2};

  for (classlib::TPixelFormat parentFormat : {classlib::pf32bit, classlib::pf24bit}) {
    classlib::TBitmap parent;
    parent.SetPixelFormat(parentFormat);
    parent.SetSize(2, 1);
    std::fill_n(parent.ScanLine(0), parent.RowBytes(), std::uint8_t{0x77});
    classlib::TBitmap dst;
    dst.SetPixelFormat(classlib::pf32bit);
    dst.SetSize(2, 1);
    CopyByMaskWithBg(TRect{0, 0, 1, 0}, TRect{0, 0, 1, 0}, &dst, MakeCacheInfo(&parent, 0, 0), mask, &master);
    const auto* row = reinterpret_cast<const std::uint32_t*>(dst.ScanLine(0));
    EXPECT_EQ(row[0], parentFormat == classlib::pf32bit ? 0x77777777u : 0u) << parentFormat;
    EXPECT_EQ(row[1], 0x00405060u) << parentFormat;
  }
}

}  // namespace
}  // namespace skin::paint
#endif
