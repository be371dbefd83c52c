// The skin PNG reader's row conversion, gamma table and palettes.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "skin/core/SkinPngColorManager.h"

namespace skin {
namespace {

std::vector<uint8_t> Convert(TColorManager& m, const std::vector<uint8_t>& source, uint32_t count,
                             size_t targetBytes, uint8_t mask = 0xFF, uint8_t fill = 0xEE) {
  std::vector<uint8_t> target(targetBytes, fill);
  const uint8_t* sources[] = {source.data()};
  m.ConvertLine(sources, target.data(), count, mask);
  return target;
}

void Sides(TColorManager& m, TPixelScheme source, TPixelScheme target, uint8_t sourceBits, uint8_t targetBits,
           uint8_t samples) {
  m.SetSourceScheme(source);
  m.SetTargetScheme(target);
  m.SetSourceBits(sourceBits);
  m.SetTargetBits(targetBits);
  m.SetSourceSamples(samples);
  m.SetTargetSamples(samples);
}

TEST(SkinPngColorManager, PassMaskPicksTargetColumnsAndReadsConsecutiveSources) {
  TColorManager m;  // RGB -> BGR, 8 bits
  std::vector<uint8_t> source;
  for (uint8_t i = 0; i < 3; ++i) source.insert(source.end(), {uint8_t(10 * i + 1), uint8_t(10 * i + 2), uint8_t(10 * i + 3)});
  const auto out = Convert(m, source, 9, 27, 0x88);
  for (uint32_t x = 0; x < 9; ++x) {
    SCOPED_TRACE(x);
    if (x % 4 == 0) {
      const uint8_t i = static_cast<uint8_t>(x / 4);
      EXPECT_EQ(out[x * 3], 10 * i + 3);  // blue first
      EXPECT_EQ(out[x * 3 + 1], 10 * i + 2);
      EXPECT_EQ(out[x * 3 + 2], 10 * i + 1);
    } else {
      EXPECT_EQ(out[x * 3], 0xEE);
    }
  }
  // The mask repeats every eight pixels: 0x80 takes columns 0 and 8.
  const auto first = Convert(m, source, 9, 27, 0x80);
  EXPECT_EQ(first[8 * 3 + 2], 11);
  EXPECT_EQ(first[4 * 3], 0xEE);
}

TEST(SkinPngColorManager, SixteenBitSamplesNarrowBigEndianAndAlphaSkipsGamma) {
  TColorManager m;
  Sides(m, pxRGBA, pxBGRA, 16, 8, 4);
  m.SourceOptions = cvSwapBytes;
  m.BuildGammaTable(1.0f, 2.2f);
  // red 0xFFFF, green 0x0101, blue 0xFF00, alpha 0x8080
  const std::vector<uint8_t> px = {0xFF, 0xFF, 0x01, 0x01, 0xFF, 0x00, 0x80, 0x80};
  auto out = Convert(m, px, 1, 4);
  EXPECT_EQ(out, (std::vector<uint8_t>{254, 1, 255, 0x8080 / 257}));
  m.TargetOptions |= cvGamma;  // colours through the table, alpha not
  out = Convert(m, px, 1, 4);
  const auto& g = m.GammaTable();
  EXPECT_EQ(out, (std::vector<uint8_t>{g[254], g[1], g[255], 0x8080 / 257}));
  // Every 16-bit alpha value divides by 257.
  for (uint32_t v : {0u, 256u, 257u, 0x7FFFu, 0xFFFEu, 0xFFFFu}) {
    const std::vector<uint8_t> a = {0, 0, 0, 0, 0, 0, uint8_t(v >> 8), uint8_t(v)};
    EXPECT_EQ(Convert(m, a, 1, 4)[3], v / 257) << v;
  }
}

TEST(SkinPngColorManager, GreyAndPackedRows) {
  TColorManager m;
  Sides(m, pxGrey, pxGrey, 2, 4, 1);
  // Four 2-bit values 0..3 become 4-bit levels 0, 5, 10, 15.
  EXPECT_EQ(Convert(m, {0b00011011}, 4, 2, 0xFF, 0), (std::vector<uint8_t>{0x05, 0xAF}));
  // Equal widths and a full mask copy the packed bytes.
  Sides(m, pxGrey, pxGrey, 1, 1, 1);
  EXPECT_EQ(Convert(m, {0xA5, 0xC3}, 16, 2), (std::vector<uint8_t>{0xA5, 0xC3}));
  // With a pass mask the other bits of the target byte stay.
  EXPECT_EQ(Convert(m, {0x00}, 8, 1, 0x55, 0xFF), (std::vector<uint8_t>{0xAA}));
  // Grey with alpha: the alpha samples are skipped.
  Sides(m, pxGreyAlpha, pxIndexed, 8, 8, 1);
  EXPECT_EQ(Convert(m, {10, 99, 20, 99, 30, 99}, 3, 3), (std::vector<uint8_t>{10, 20, 30}));
  Sides(m, pxGrey, pxGrey, 16, 8, 1);
  m.SourceOptions = cvSwapBytes;
  EXPECT_EQ(Convert(m, {0xFF, 0x00, 0x01, 0x01}, 2, 2), (std::vector<uint8_t>{254, 1}));
}

TEST(SkinPngColorManager, GammaTable) {
  TColorManager m;
  m.BuildGammaTable(1.0f, 2.2f);
  const auto plain = m.GammaTable();
  m.BuildGammaTable(0, 0);
  EXPECT_EQ(m.GammaTable(), plain);
  // A file gamma of 100000 / 100000.
  EXPECT_EQ(plain[0], 0);
  EXPECT_EQ(plain[1], 21);
  EXPECT_EQ(plain[64], 136);
  EXPECT_EQ(plain[128], 186);
  EXPECT_EQ(plain[192], 224);
  EXPECT_EQ(plain[255], 255);
  m.BuildGammaTable(45455 / 100000.0f, 2.2f);
  for (int i = 0; i < 256; ++i) EXPECT_EQ(m.GammaTable()[i], i);
}

TEST(SkinPngColorManager, Palettes) {
  TColorManager m;
  m.SetTargetBits(4);
  m.SetTargetSamples(1);
  const auto grey = m.MakeGreyPalette(false);
  ASSERT_EQ(grey.size(), 16u);
  for (uint8_t i = 0; i < 16; ++i) EXPECT_EQ(grey[i], (TPaletteEntry{uint8_t(i * 17), uint8_t(i * 17), uint8_t(i * 17), 0}));
  EXPECT_EQ(m.MakeGreyPalette(true)[0].Red, 255);

  // A 2-bit palette seen through 4-bit indexes: 0, 5, 10 and 15 find their
  // colours; only three colours given, so the fourth is black.
  m.SetSourceBits(2);
  const std::vector<uint8_t> rgb = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  const uint8_t* sources[] = {rgb.data()};
  const auto p = m.MakeColorPalette(sources, 0, 3, false);
  ASSERT_EQ(p.size(), 16u);
  for (int i = 0; i < 16; ++i) {
    const int colour = i * 3 / 15;
    const TPaletteEntry want = colour < 3 ? TPaletteEntry{uint8_t(1 + 3 * colour), uint8_t(2 + 3 * colour),
                                                          uint8_t(3 + 3 * colour), 0}
                                          : TPaletteEntry{};
    EXPECT_EQ(p[i], want) << i;
  }
  m.SetSourceBits(8);
  m.SetTargetBits(8);
  const auto blueFirst = m.MakeColorPalette(sources, 0, 3, true);
  ASSERT_EQ(blueFirst.size(), 3u);
  EXPECT_EQ(blueFirst[0], (TPaletteEntry{3, 2, 1, 0}));
}

TEST(SkinPngColorManager, Refusals) {
  auto message = [](auto f) {
    try {
      f();
    } catch (const EColorConversionError& e) {
      return e.Message();
    }
    return std::wstring(L"(none)");
  };
  TColorManager m;
  EXPECT_EQ(message([&] { m.SetSourceBits(3); }),
            L"Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16.");
  EXPECT_EQ(message([&] { m.SetTargetSamples(5); }),
            L"Sample count per pixel does not correspond to the given color scheme.");
  m.SetTargetScheme(pxGrey);
  EXPECT_EQ(message([&] { Convert(m, {0, 0, 0}, 1, 3); }),
            L"Conversion between indexed and non-indexed pixel formats is not supported.");
  m.SetSourceScheme(pxGrey);
  m.SetSourceBits(16);
  m.SetTargetBits(4);
  EXPECT_EQ(message([&] { Convert(m, {0, 0}, 1, 1); }), L"Color conversion failed. Could not find a proper method.");
}

TEST(SkinPngColorManager, PixelFormatBySamplesAndBits) {
  TColorManager m;
  struct Case { uint8_t samples, bits; TPixelFormat want; };
  for (const Case c : {Case{1, 1, TPixelFormat::pf1bit}, Case{1, 2, TPixelFormat::pf4bit}, Case{1, 4, TPixelFormat::pf4bit},
                       Case{1, 8, TPixelFormat::pf8bit}, Case{1, 16, TPixelFormat::pf8bit}, Case{3, 8, TPixelFormat::pf24bit},
                       Case{3, 4, TPixelFormat::pf15bit}, Case{4, 8, TPixelFormat::pf32bit}, Case{4, 4, TPixelFormat::pfCustom},
                       Case{2, 8, TPixelFormat::pfCustom}}) {
    m.SetTargetSamples(c.samples);
    m.SetTargetBits(c.bits);
    EXPECT_EQ(m.PixelFormatFor(1), c.want) << int(c.samples) << "x" << int(c.bits);
  }
}

}  // namespace
}  // namespace skin
