#include "skin/paint/Resample.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/core/Exception.h"
#include "skin/paint/ResampleFilters.h"

namespace skin::paint {
namespace {

struct Entry {
  std::ptrdiff_t offset;
  std::int32_t weight;
  bool operator==(const Entry&) const = default;
};

std::vector<Entry> EntriesOf(const TContributionList& list, std::int32_t i) {
  std::vector<Entry> entries;
  for (std::int32_t k = 0; k < list.Count(i); ++k) entries.push_back({list.Of(i)[k].Offset, list.Of(i)[k].Weight});
  return entries;
}

// Opaque-free bytes of a picture with Bpp bytes a pixel, rows packed.
struct Picture {
  std::int32_t width, height, bpp;
  std::vector<std::uint8_t> bytes;
  Picture(std::int32_t w, std::int32_t h, std::int32_t b, std::uint8_t fill = 0)
      : width(w), height(h), bpp(b), bytes(static_cast<std::size_t>(w) * h * b, fill) {}
  TPixelView View() { return MakeView(bytes.data(), width, height, std::ptrdiff_t{width} * bpp, bpp); }
  std::uint8_t& At(std::int32_t x, std::int32_t y, std::int32_t channel) {
    return bytes[(static_cast<std::size_t>(y) * width + x) * bpp + channel];
  }
};

TEST(ResampleFilters, WeightsAtKnownDistances) {
  struct Case {
    std::uint8_t filter;
    float t, weight;
  };
  const Case cases[] = {
      {rfBox, 0.5f, 1.0f},         {rfBox, -0.5f, 0.0f},        {rfTriangle, 0.25f, 0.75f},
      {rfHermite, 0.5f, 0.5f},     {rfHermite, -0.25f, 0.84375f}, {rfBell, 0.0f, 0.75f},
      {rfBell, 1.0f, 0.125f},      {rfBSpline, 0.0f, 2.0f / 3},  {rfBSpline, 1.5f, 1.0f / 48},
      {rfLanczos3, 0.0f, 1.0f},    {rfMitchell, 0.0f, 8.0f / 9}, {rfMitchell, -1.0f, 1.0f / 18},
      {rfMitchell, 1.5f, -5.0f / 144}, {7, 0.0f, 0.0f},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(FilterWeight(c.filter, c.t), c.weight, 1e-6) << int(c.filter) << " at " << c.t;
  }
  EXPECT_EQ(FilterSupport(rfBox), 0.51f);
  EXPECT_EQ(FilterSupport(rfLanczos3), 3.0f);
  EXPECT_EQ(FilterSupport(200), 0.0f);
}

TEST(ResampleContributions, TriangleDoublingSplitsHalfwayDestinationsAndMirrorsTheFarEdge) {
  TContributionList list;
  BuildContributions(list, 4, 2, 4, rfTriangle);
  ASSERT_EQ(list.DstSize(), 4);
  EXPECT_EQ(EntriesOf(list, 0), (std::vector<Entry>{{0, 65536}}));
  EXPECT_EQ(EntriesOf(list, 1), (std::vector<Entry>{{0, 32768}, {4, 32768}}));
  EXPECT_EQ(EntriesOf(list, 2), (std::vector<Entry>{{4, 65536}}));
  // Index 2 (one past the edge) reads pixel 1.
  EXPECT_EQ(EntriesOf(list, 3), (std::vector<Entry>{{4, 32768}, {4, 32768}}));
}

TEST(ResampleContributions, BoxHalvingTakesThePixelBeforeTheCentreNotAfter) {
  TContributionList list;
  BuildContributions(list, 4, 8, 3, rfBox);
  // Index -1 is mirrored to pixel 1.
  EXPECT_EQ(EntriesOf(list, 0), (std::vector<Entry>{{3, 32768}, {0, 32768}}));
  EXPECT_EQ(EntriesOf(list, 1), (std::vector<Entry>{{3, 32768}, {6, 32768}}));
  EXPECT_EQ(EntriesOf(list, 3), (std::vector<Entry>{{15, 32768}, {18, 32768}}));
}

TEST(ResampleContributions, AnUnknownFilterWeighsNothingAndFreeingEmpties) {
  TContributionList list;
  BuildContributions(list, 3, 5, 4, 7);
  ASSERT_EQ(list.DstSize(), 3);
  for (std::int32_t i = 0; i < 3; ++i) EXPECT_EQ(list.Count(i), 0);
  FreeContributions(list);
  EXPECT_EQ(list.DstSize(), 0);
  EXPECT_EQ(list.Entries.capacity(), 0u);
  FreeContributions(list);
}

// Mirroring once (-j, 2S - j - 1) is not enough when the filter is wider
// than the source: the reflected index must still land inside it.
TEST(ResampleContributions, FiltersWiderThanTheSourceStayInsideIt) {
  struct Case {
    std::uint8_t filter;
    std::int32_t dst, src;
  };
  const Case cases[] = {
      {rfTriangle, 1, 41}, {rfTriangle, 1, 47}, {rfTriangle, 1, 55}, {rfHermite, 1, 41}, {rfHermite, 1, 55},
      {rfMitchell, 1, 3},  {rfMitchell, 1, 41}, {rfMitchell, 2, 41}, {rfMitchell, 2, 5},  {rfLanczos3, 1, 2},
      {rfLanczos3, 5, 2},  {rfBSpline, 1, 2},   {rfBell, 1, 3},
  };
  for (const Case& c : cases) {
    TContributionList list;
    BuildContributions(list, c.dst, c.src, 4, c.filter);
    for (std::int32_t i = 0; i < c.dst; ++i) {
      ASSERT_GT(list.Count(i), 0);
      for (const Entry& e : EntriesOf(list, i)) {
        EXPECT_GE(e.offset, 0) << int(c.filter) << " " << c.src << " to " << c.dst;
        EXPECT_LE(e.offset, (c.src - 1) * 4) << int(c.filter) << " " << c.src << " to " << c.dst;
      }
    }
  }
}

TEST(ResamplePixels, TriangleDoublesARowAndTruncatesTheHalfway) {
  for (std::int32_t bpp : {3, 4}) {
    Picture src(2, 2, bpp);
    for (std::int32_t y = 0; y < 2; ++y) {
      for (std::int32_t c = 0; c < bpp; ++c) src.At(1, y, c) = 255;
    }
    Picture dst(4, 2, bpp);
    ResamplePixels(src.View(), dst.View(), rfTriangle);
    for (std::int32_t c = 0; c < bpp; ++c) {
      EXPECT_EQ(dst.At(0, 1, c), 0) << bpp;
      EXPECT_EQ(dst.At(1, 1, c), 127) << bpp;  // alpha too in 32-bit
      EXPECT_EQ(dst.At(2, 1, c), 255) << bpp;
      EXPECT_EQ(dst.At(3, 1, c), 255) << bpp;
    }
  }
}

TEST(ResamplePixels, ColumnsFollowTheViewsStrideEvenBottomUp) {
  // 2 x 2 source, 2 x 4 destination laid out bottom-up.
  Picture src(2, 2, 4);
  src.At(0, 1, 2) = 200;  // red of the bottom-left pixel
  std::vector<std::uint8_t> memory(2 * 4 * 4, 0xAA);
  const TPixelView dst = MakeView(memory.data() + 3 * 8, 2, 4, -8, 4);
  ResamplePixels(src.View(), dst, rfTriangle);
  EXPECT_EQ(dst.Row(0)[2], 0);
  EXPECT_EQ(dst.Row(1)[2], 100);
  EXPECT_EQ(dst.Row(2)[2], 200);
  EXPECT_EQ(dst.Row(3)[2], 200);
  EXPECT_EQ(memory[2], 200);  // the lowest address holds the bottom row
}

TEST(ResamplePixels, SourcesUnderTwoByTwoRaiseBeforeTouchingTheDestination) {
  for (auto [w, h] : {std::pair{1, 5}, std::pair{5, 1}, std::pair{0, 0}}) {
    Picture src(w, h, 4);
    Picture dst(w == 1 ? 1 : 3, 8, 4, 0x5A);
    try {
      ResamplePixels(src.View(), dst.View(), rfMitchell);
      ADD_FAILURE() << w << "x" << h << " did not raise";
    } catch (const classlib::Exception& e) {
      EXPECT_EQ(e.Message(), L"Source bitmap is too small");
    }
    EXPECT_EQ(dst.bytes, std::vector<std::uint8_t>(dst.bytes.size(), 0x5A));
  }
}

TEST(ResamplePixels, SameSizeCopiesAndMismatchedPixelSizesAreLeftAlone) {
  Picture src(3, 2, 3);
  for (std::size_t i = 0; i < src.bytes.size(); ++i) src.bytes[i] = static_cast<std::uint8_t>(i * 13);
  Picture same(3, 2, 3);
  ResamplePixels(src.View(), same.View(), rfMitchell);
  EXPECT_EQ(same.bytes, src.bytes);

  Picture other(6, 4, 4, 0x11);
  ResamplePixels(src.View(), other.View(), rfMitchell);
  EXPECT_EQ(other.bytes, std::vector<std::uint8_t>(other.bytes.size(), 0x11));
}

// Reductions where the filter outgrows the source (sanitizers watch the
// reads). Whole-number ratios keep a flat picture flat under the smoothing
// filters; other ratios need not, the weights being unnormalised.
TEST(ResamplePixels, ReductionsOfTinyAndNarrowSourcesStayInside) {
  struct Case {
    std::int32_t sw, sh, dw, dh;
  };
  for (const Case& c : {Case{41, 2, 2, 2}, Case{3, 3, 1, 1}, Case{2, 2, 1, 1}, Case{55, 2, 1, 1}}) {
    for (std::uint8_t filter = 0; filter <= 7; ++filter) {
      for (std::int32_t bpp : {3, 4}) {
        Picture src(c.sw, c.sh, bpp, 200);
        Picture dst(c.dw, c.dh, bpp);
        ResamplePixels(src.View(), dst.View(), filter);
        if (filter == rfTriangle || filter == rfHermite || filter == rfMitchell) {
          for (std::uint8_t v : dst.bytes) EXPECT_NEAR(v, 200, 2) << c.sw << "x" << c.sh << " filter " << int(filter);
        }
        if (filter == 7) {
          EXPECT_EQ(dst.bytes, std::vector<std::uint8_t>(dst.bytes.size(), 0));
        }
      }
    }
  }
}

TEST(ResamplePixels, TwoPassesMayWriteIntoMemoryThatHeldTheSource) {
  // The rows pass keeps its own copy, so the source's memory may be reused.
  Picture pic(2, 2, 3);
  for (std::int32_t y = 0; y < 2; ++y) pic.At(1, y, 0) = 255;
  const TTwoPassResample resample(pic.View(), 4, rfTriangle);
  pic = Picture(4, 3, 3, 0x77);
  resample.ColumnsInto(pic.View());
  EXPECT_EQ(pic.At(1, 2, 0), 127);
  EXPECT_EQ(pic.At(3, 0, 0), 255);
  EXPECT_EQ(pic.At(1, 2, 1), 0);
}

}  // namespace
}  // namespace skin::paint
