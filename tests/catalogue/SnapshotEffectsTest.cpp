#include "app/catalogue/SnapshotEffects.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/catalogue/RandomNumbers.h"

namespace {

using namespace catalogue;

// Grey pixels (all three bytes equal) of a w x h bitmap, rows padded to 4 bytes.
struct GreyFixture {
  int width, height;
  std::ptrdiff_t stride;
  std::vector<std::uint8_t> bytes;
  GreyFixture(int w, int h, std::vector<int> values)
      : width(w), height(h), stride((w * 3 + 3) / 4 * 4), bytes(static_cast<size_t>(stride * h + 1), 0xEE) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        for (int c = 0; c < 3; ++c) View().Pixel(x, y)[c] = static_cast<std::uint8_t>(values[y * w + x]);
  }
  Pixels24 View() { return {bytes.data(), width, height, stride}; }
  std::vector<int> Channel(int c) {
    std::vector<int> out;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) out.push_back(View().Pixel(x, y)[c]);
    return out;
  }
};

TEST(BoxBlur3x3, InnerPixelsTakeTheMeanInReadingOrderAndTheBorderStays) {
  // 4 x 3: two inner pixels. (1,1): (0+9+18 + 27+36+45 + 54+63+72) / 9 = 36.
  // (2,1) already sees the new 36 at its left: (9+18+90 + 36+45+99 + 63+72+108) / 9 = 60.
  GreyFixture f(4, 3, {0, 9, 18, 90, 27, 36, 45, 99, 54, 63, 72, 108});
  BoxBlur3x3(f.View(), 1);
  const std::vector<int> expected = {0, 9, 18, 90, 27, 36, 60, 99, 54, 63, 72, 108};
  for (int c = 0; c < 3; ++c) EXPECT_EQ(f.Channel(c), expected);
  EXPECT_EQ(f.bytes.back(), 0xEE);  // row padding untouched
  // A second pass works on the first one's result: (0+9+18+27+36+60+54+63+72)/9 = 37.
  BoxBlur3x3(f.View(), 1);
  EXPECT_EQ(f.Channel(0)[5], 37);
}

TEST(BoxBlur3x3, TinyBitmapsAndZeroPassesStayAsTheyAre) {
  for (const auto& [w, h] : std::vector<std::pair<int, int>>{{0, 0}, {1, 1}, {2, 2}, {2, 5}, {5, 2}, {5, 5}}) {
    std::vector<int> values(static_cast<size_t>(w * h));
    for (size_t i = 0; i < values.size(); ++i) values[i] = static_cast<int>(i * 37 % 256);
    GreyFixture f(w, h, values);
    const std::vector<std::uint8_t> before = f.bytes;
    BoxBlur3x3(f.View(), (w == 5 && h == 5) ? 0 : 3);
    EXPECT_EQ(f.bytes, before) << w << "x" << h;
  }
}

TEST(AddNoise, OneDrawPerPixelOnAllChannelsClamped) {
  std::vector<int> requested;
  const int draws[] = {0, 24, 12, 3};  // deltas -12, +12, 0, -9
  size_t next = 0;
  SetRandomSource([&](int range) {
    requested.push_back(range);
    return draws[next++ % 4];
  });
  GreyFixture f(2, 2, {5, 250, 100, 100});
  f.View().Pixel(1, 1)[2] = 200;  // a coloured pixel: blue, green 100, red 200
  AddNoise(f.View(), 25);
  SetRandomSource(nullptr);
  EXPECT_EQ(requested, (std::vector<int>{25, 25, 25, 25}));
  EXPECT_EQ(f.Channel(0), (std::vector<int>{0, 255, 100, 91}));
  EXPECT_EQ(f.Channel(1), (std::vector<int>{0, 255, 100, 91}));
  EXPECT_EQ(f.Channel(2), (std::vector<int>{0, 255, 100, 191}));
}

TEST(AddNoise, AmountZeroDrawsNothingAndChangesNothing) {
  int calls = 0;
  SetRandomSource([&](int) { return ++calls, 0; });
  GreyFixture f(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9});
  const std::vector<std::uint8_t> before = f.bytes;
  AddNoise(f.View(), 0);
  AddNoise(f.View(), -4);
  SetRandomSource(nullptr);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(f.bytes, before);
  EXPECT_EQ(RandomBelow(0), 0);
  for (int i = 0; i < 100; ++i) {
    const int r = RandomBelow(25);
    EXPECT_TRUE(r >= 0 && r < 25);
  }
}

}  // namespace
