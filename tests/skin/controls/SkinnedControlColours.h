#pragma once
// The colours skinned-control tests expect: the skin generator's palette as
// colours, and comparisons with some slack for blending arithmetic.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "classlib/graphics/Colors.h"
#include "tools/skingen/SkinPalette.h"

namespace skin_test {

namespace palette = skingen::palette;

// A palette value (0xRRGGBB) as a colour (0x00BBGGRR).
constexpr classlib::TColor PaletteColour(unsigned rgb) {
  return static_cast<classlib::TColor>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

// The largest difference of one channel between two colours.
inline int ChannelDistance(classlib::TColor a, classlib::TColor b) {
  int worst = 0;
  for (int shift = 0; shift < 24; shift += 8)
    worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
  return worst;
}

// Each channel of C lies between those of A and B, give or take Slack.
inline bool ChannelsBetween(classlib::TColor c, classlib::TColor a, classlib::TColor b, int slack = 2) {
  for (int shift = 0; shift < 24; shift += 8) {
    const int v = (c >> shift) & 0xFF, x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF;
    if (v < std::min(x, y) - slack || v > std::max(x, y) + slack) return false;
  }
  return true;
}

// The same, and C is neither of them.
inline bool StrictlyBetween(classlib::TColor c, classlib::TColor a, classlib::TColor b, int slack = 2) {
  return ChannelsBetween(c, a, b, slack) && ChannelDistance(c, a) > 0 && ChannelDistance(c, b) > 0;
}

// Prints colours as 0xBBGGRR in failure messages.
inline std::string ColourText(classlib::TColor c) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(c) & 0xFFFFFF);
  return text;
}

#define EXPECT_COLOUR_NEAR(actual, expected, tolerance)                                                       \
  EXPECT_LE(::skin_test::ChannelDistance((actual), (expected)), (tolerance))                                 \
      << "actual " << ::skin_test::ColourText(actual) << ", expected " << ::skin_test::ColourText(expected)

}  // namespace skin_test
