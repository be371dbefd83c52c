#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "bitmap/Bmp32_Filters.h"
#include "bitmap/Bmp32_Transforms.h"

namespace bmp32 {
namespace {

struct MaskForms {
  const char* name;
  TMaskRow *andRow, *orRow, *xorRow;
  TMaskRowEx *andEx, *orEx, *xorEx;
};

TEST(MaskRows, EveryFormOverEveryRemainder) {
  const MaskForms forms[] = {
      {"plain", plain::MaskRowAnd, plain::MaskRowOr, plain::MaskRowXor, plain::MaskRowAndEx,
       plain::MaskRowOrEx, plain::MaskRowXorEx},
      {"unrolled", unrolled::MaskRowAnd, unrolled::MaskRowOr, unrolled::MaskRowXor,
       unrolled::MaskRowAndEx, unrolled::MaskRowOrEx, unrolled::MaskRowXorEx},
      {"bound", MaskRowAnd, MaskRowOr, MaskRowXor, MaskRowAndEx, MaskRowOrEx, MaskRowXorEx},
  };
  const std::uint32_t mask = 0xF0F00FF0;
  std::vector<std::uint32_t> src(40);
  for (std::size_t i = 0; i < src.size(); ++i) src[i] = 0x12345678u * static_cast<std::uint32_t>(i + 1);
  for (const MaskForms& f : forms)
    for (int count : {0, 1, 15, 16, 17, 33}) {
      SCOPED_TRACE(testing::Message() << f.name << " count " << count);
      const std::uint32_t untouched = 0xDEADBEEF;
      auto check = [&](const std::vector<std::uint32_t>& got, auto op) {
        for (int i = 0; i < static_cast<int>(got.size()); ++i)
          ASSERT_EQ(got[i], i < count ? op(src[i]) : untouched) << i;
      };
      auto withTail = [&] {
        std::vector<std::uint32_t> v(src.begin(), src.begin() + count);
        v.resize(src.size(), untouched);
        return v;
      };
      auto row = withTail();
      f.andRow(row.data(), mask, count);
      check(row, [&](std::uint32_t v) { return v & mask; });
      row = withTail();
      f.orRow(row.data(), mask, count);
      check(row, [&](std::uint32_t v) { return v | mask; });
      row = withTail();
      f.xorRow(row.data(), mask, count);
      check(row, [&](std::uint32_t v) { return v ^ mask; });
      std::vector<std::uint32_t> dst(src.size(), untouched);
      f.andEx(src.data(), dst.data(), count, mask);
      check(dst, [&](std::uint32_t v) { return v & mask; });
      dst.assign(src.size(), untouched);
      f.orEx(src.data(), dst.data(), count, mask);
      check(dst, [&](std::uint32_t v) { return v | mask; });
      dst.assign(src.size(), untouched);
      f.xorEx(src.data(), dst.data(), count, mask);
      check(dst, [&](std::uint32_t v) { return v ^ mask; });
    }
}

TEST(Determinants, BoundFormsRoundOnlyOnce) {
  // (1 + e)^2 - 1: the square needs more bits than the argument type has.
  const float f = 1.0f + std::ldexp(1.0f, -12);
  EXPECT_EQ(plain::Det32(f, 1, 1, f), std::ldexp(1.0f, -11));
  EXPECT_EQ(Det32(f, 1, 1, f), std::ldexp(1.0f, -11) + std::ldexp(1.0f, -24));
  const double d = 1.0 + std::ldexp(1.0, -30);
  EXPECT_EQ(plain::Det64(d, 1, 1, d), std::ldexp(1.0, -29));
  EXPECT_EQ(Det64(d, 1, 1, d), std::ldexp(1.0, -29) + std::ldexp(1.0, -60));
  EXPECT_EQ(Det64(3, 2, 5, 7), 11.0);
  EXPECT_EQ(Det32(3, 2, 5, 7), 11.0f);
}

}  // namespace
}  // namespace bmp32
