#include "skin/paint/ChannelCopy.h"

#include <gtest/gtest.h>

#include "PixelGrid.h"

namespace skin::paint {
namespace {

using testing::TPixelGrid;

TEST(CopyBitmapChannel, ExtractsAndInsertsOneByteOverTheSharedPart) {
  TPixelGrid wide(3, 2, 0x44332211u);
  std::uint8_t narrow[2][2] = {{0, 0}, {0, 0}};  // smaller than the 32-bit image
  const TPixelView view8 = MakeView(narrow, 2, 2, 2, 1);
  CopyBitmapChannel(wide.View(), view8, 3, true);
  EXPECT_EQ(narrow[1][1], 0x44);

  narrow[0][1] = 0x99;
  CopyBitmapChannel(wide.View(), view8, 1, false);
  EXPECT_EQ(wide.At(1, 0), 0x44339911u);
  EXPECT_EQ(wide.At(0, 0), 0x44334411u);  // the alpha extracted above
  EXPECT_EQ(wide.At(2, 0), 0x44332211u);  // beyond the 8-bit image
  EXPECT_TRUE(wide.GuardsIntact());

  CopyBitmapChannel(wide.View(), view8, 4, false);  // no such channel
  CopyBitmapChannel(wide.View(), wide.View(), 0, false);  // not 8-bit
  EXPECT_EQ(wide.At(2, 1), 0x44332211u);
}

}  // namespace
}  // namespace skin::paint
