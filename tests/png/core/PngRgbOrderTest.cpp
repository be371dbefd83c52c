// Both versions of the RGB <-> BGR byte swap and of the RGBA split, on
// lengths that leave every kind of tail after whole vectors.
#include <gtest/gtest.h>

#include <vector>

#include "png/PngRgbOrder.h"

namespace {

using Swap = void (*)(const uint8_t*, uint8_t*, size_t);
using Split = void (*)(const uint8_t*, uint8_t*, uint8_t*, size_t);

const size_t kLengths[] = {0, 1, 7, 8, 9, 15, 16, 17, 31, 47, 48, 300};

std::vector<uint8_t> Pattern(size_t size) {
  std::vector<uint8_t> v(size);
  for (size_t i = 0; i < size; ++i) v[i] = static_cast<uint8_t>(i * 37 + 11);
  return v;
}

void ExpectReversedPixels(Swap swap, const char* name) {
  for (size_t pixels : kLengths) {
    const std::vector<uint8_t> in = Pattern(3 * pixels);
    std::vector<uint8_t> out(3 * pixels + 1, 0xEE);
    swap(in.data(), out.data(), pixels);
    for (size_t k = 0; k < pixels; ++k)
      for (size_t c = 0; c < 3; ++c)
        ASSERT_EQ(out[3 * k + c], in[3 * k + 2 - c]) << name << ", " << pixels << " pixels, at " << k;
    EXPECT_EQ(out.back(), 0xEE) << name << " wrote past " << pixels << " pixels";
  }
}

void ExpectSplitPixels(Split split, const char* name) {
  for (size_t pixels : kLengths) {
    const std::vector<uint8_t> in = Pattern(4 * pixels);
    std::vector<uint8_t> bgr(3 * pixels + 1, 0xEE), alpha(pixels + 1, 0xEE);
    split(in.data(), bgr.data(), alpha.data(), pixels);
    for (size_t k = 0; k < pixels; ++k) {
      for (size_t c = 0; c < 3; ++c)
        ASSERT_EQ(bgr[3 * k + c], in[4 * k + 2 - c]) << name << ", " << pixels << " pixels, at " << k;
      ASSERT_EQ(alpha[k], in[4 * k + 3]) << name << ", " << pixels << " pixels, alpha at " << k;
    }
    EXPECT_EQ(bgr.back(), 0xEE) << name << " wrote past " << pixels << " pixels";
    EXPECT_EQ(alpha.back(), 0xEE) << name << " wrote past " << pixels << " alpha bytes";
  }
}

TEST(PngRgbOrderTest, EveryVersionReversesEachPixel) {
  ExpectReversedPixels(png::SwapRgbOrderPlain, "plain");
  ExpectReversedPixels(png::SwapRgbOrder, "dispatched");
  ExpectSplitPixels(png::SplitRgbaPixelsPlain, "plain");
  ExpectSplitPixels(png::SplitRgbaPixels, "dispatched");
  if (png::HasSsse3()) {
    ExpectReversedPixels(png::SwapRgbOrderSsse3, "SSSE3");
    ExpectSplitPixels(png::SplitRgbaPixelsSsse3, "SSSE3");
  } else {
    GTEST_LOG_(INFO) << "no SSSE3 here: its versions are not run";
  }
}

}  // namespace
