#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/graphics/Colors.h"

namespace classlib {
namespace {

TEST(Colors, SystemColoursResolveThroughTheSystem) {
  EXPECT_EQ(ColorToRGB(clBtnFace), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(ColorToRGB(clWindowText), static_cast<TColor>(GetSysColor(COLOR_WINDOWTEXT)));
  EXPECT_EQ(ColorToRGB(clHighlight), static_cast<TColor>(GetSysColor(COLOR_HIGHLIGHT)));
}

TEST(Colors, PlainAndSpecialValuesPassUnchanged) {
  EXPECT_EQ(ColorToRGB(0x123456), 0x123456);
  EXPECT_EQ(ColorToRGB(clNone), 0x1FFFFFFF);
  EXPECT_EQ(static_cast<uint32_t>(clBtnFace), 0xFF00000Fu);
}

}  // namespace
}  // namespace classlib
#endif
