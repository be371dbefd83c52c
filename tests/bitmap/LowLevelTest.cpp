#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "bitmap/Bmp32_Error.h"
#include "bitmap/Bmp32_LowLevel.h"
#include "bitmap/Bmp32_Math.h"

namespace bmp32 {
namespace {

TEST(FixedPoint, RoundingHelpers) {
  EXPECT_EQ(FixedRound(0x8000), 0);  // an exact half rounds down
  EXPECT_EQ(FixedRound(0x8001), 1);
  EXPECT_EQ(FixedRound(-0x8000), -1);
  EXPECT_EQ(FixedCeil(1), 1);
  EXPECT_EQ(FixedCeil(0x10000), 1);
  EXPECT_EQ(FixedFloor(-1), -1);
  EXPECT_EQ(FixedCeil(INT_MAX), 32768);  // no overflow near the top
  EXPECT_EQ(FixedMul(3 << 16, -(1 << 15)), -(3 << 15));
  EXPECT_EQ(FixedDiv(1 << 16, 3 << 16), 21845);  // truncating
  EXPECT_EQ(FixedDiv(-(1 << 16), 3 << 16), -21845);
  EXPECT_TRUE(IsPowerOf2(0));
  EXPECT_TRUE(IsPowerOf2(64));
  EXPECT_FALSE(IsPowerOf2(96));
}

TEST(FixedPoint, DivisionFaultsRaiseTheLibraryException) {
  EXPECT_THROW(FixedDiv(5, 0), EBmp32Error);
  EXPECT_THROW(FixedDiv(0x7FFF0000, 1), EBmp32Error);  // quotient beyond int32
  EXPECT_THROW(FixedDiv(INT_MIN, -1), EBmp32Error);
  EXPECT_THROW(FixedDiv(5, 0), classlib::Exception);
}

struct WrapCase {
  int v, min, max, wrap, mirror, constrain;
};

TEST(Wrapping, AgreesWithTheDefinitions) {
  const WrapCase cases[] = {
      {5, 0, 3, 1, 2, 3},   {-1, 0, 3, 3, 0, 0},  {7, 0, 3, 3, 0, 3},  {4, 0, 3, 0, 3, 3},
      {-4, 0, 3, 0, 3, 0},  {-5, 0, 3, 3, 3, 0},  {2, 0, 3, 2, 2, 2},  {12, 10, 12, 12, 12, 12},
      {9, 10, 12, 12, 10, 10}, {13, 10, 12, 10, 12, 12}, {0, 0, 0, 0, 0, 0}, {-7, 0, 0, 0, 0, 0},
  };
  for (const WrapCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.v << " in " << c.min << ".." << c.max);
    EXPECT_EQ(Wrap(c.v, c.min, c.max), c.wrap);
    EXPECT_EQ(Mirror(c.v, c.min, c.max), c.mirror);
    EXPECT_EQ(Constrain(c.v, c.min, c.max), c.constrain);
  }
  EXPECT_EQ(Constrain(7, 0, 3), 3);
  EXPECT_EQ(Constrain(5, 9, 3), 3);  // hi wins over lo
  EXPECT_EQ(ClampMax(-3, 10), 0);
  EXPECT_EQ(ClampMax(12, 10), 10);
  EXPECT_EQ(Clamp(300), 255);
  EXPECT_EQ(Clamp(-1), 0);
}

TEST(Wrapping, PowerOfTwoFormsMatchTheGeneralOnes) {
  for (int min : {0, 4, 16})
    for (int size : {1, 2, 4, 8})
      for (int v = -40; v <= 40; ++v) {
        const int max = min + size - 1;
        ASSERT_EQ(WrapPow2(v, min, max), Wrap(v, min, max)) << v << " " << min << " " << max;
        ASSERT_EQ(MirrorPow2(v, min, max), Mirror(v, min, max)) << v << " " << min << " " << max;
      }
}

TEST(Wrapping, EmptyRangeRaisesInsteadOfDividingByZero) {
  EXPECT_THROW(Wrap(3, 0, -1), EBmp32Error);
  EXPECT_THROW(Mirror(3, 0, -1), EBmp32Error);
  EXPECT_THROW(Wrap(3, 5, 2), EBmp32Error);
  // The whole int range has a size that int cannot hold.
  EXPECT_EQ(Wrap(INT_MIN, INT_MIN, INT_MAX), INT_MIN);
  EXPECT_EQ(Mirror(-1, INT_MIN, INT_MAX), -1);
}

TEST(Wrapping, ProcedureChoice) {
  EXPECT_EQ(WrapProcFor(wmRepeat), &Wrap);
  EXPECT_EQ(WrapProcFor(wmMirror), &Mirror);
  EXPECT_EQ(WrapProcFor(wmClamp)(9, 0, 3), 3);
  EXPECT_EQ(WrapProcFor(wmRepeat, 0, 7), &WrapPow2);
  EXPECT_EQ(WrapProcFor(wmRepeat, 0, 6), &Wrap);
  EXPECT_EQ(WrapProcFor(wmRepeat, -8, -1), &Wrap);
  EXPECT_EQ(WrapProcFor(wmMirror, 8, 15), &MirrorPow2);
  EXPECT_EQ(WrapProcFor(wmMirror, 3, 2), &Mirror);  // empty: the checked form
  EXPECT_EQ(WrapProcFor(wmClamp, 0, 7)(-2, 0, 7), 0);
}

TEST(Div255, RoundsDown) {
  for (std::uint32_t v = 0; v < 65536; ++v) ASSERT_EQ(Div255(v), v / 255) << v;
}

using FillForm = TFillPixels*;

TEST(FillPixels, EveryFormFillsExactlyCountPixelsAtAnyAlignment) {
  std::vector<FillForm> forms = {plain::FillPixels, plain::FillPixelsBlock};
#ifdef __SSE2__
  forms.push_back(sse2::FillPixels);
#endif
  for (FillForm fill : forms)
    for (int offset = 0; offset < 4; ++offset)
      for (int count : {0, 1, 31, 32, 33, 100}) {
        std::vector<TColor32> buffer(offset + count + 2, 0x11111111);
        fill(buffer.data() + offset, count, 0xAABBCCDD);
        for (int i = 0; i < static_cast<int>(buffer.size()); ++i) {
          const bool inside = i >= offset && i < offset + count;
          ASSERT_EQ(buffer[i], inside ? 0xAABBCCDDu : 0x11111111u)
              << "offset " << offset << " count " << count << " at " << i;
        }
      }
}

TEST(MovePixels, CopiesForwardAndIgnoresEmptyMoves) {
  std::vector<TColor32> a = {1, 2, 3, 4, 5};
  MovePixels(a.data(), a.data() + 1, 3);  // forward: the first value runs on
  EXPECT_EQ(a, (std::vector<TColor32>{1, 1, 1, 1, 5}));
  std::vector<TColor32> b = {1, 2, 3};
  MovePixels(a.data(), b.data(), 0);
  MovePixels(a.data(), b.data(), -2);
  EXPECT_EQ(b, (std::vector<TColor32>{1, 2, 3}));
  int x = 3, y = 1;
  SortPair(x, y);
  EXPECT_EQ(x, 1);
  EXPECT_EQ(y, 3);
}

}  // namespace
}  // namespace bmp32
