#include "skin/paint/ButtonLayout.h"

#include <gtest/gtest.h>

namespace skin::paint {
namespace {

using namespace classlib;

// A 100 x 30 client, a 16 x 16 glyph and a 40 x 13 caption unless a case
// says otherwise.
TButtonLayoutParams Params(TButtonLayout layout, TAlignment alignment, int margin, int spacing,
                           std::uint32_t bidi = 0) {
  return TButtonLayoutParams{Rect(0, 0, 100, 30), Point(16, 16), Point(40, 13), layout, alignment, margin, spacing,
                             bidi};
}

TEST(ButtonLayout, PlacesGlyphAndCaptionForEveryLayoutAndAlignment) {
  struct Case {
    const char* name;
    TButtonLayoutParams in;
    TPoint glyph;
    TRect text;
  };
  const Case cases[] = {
      // The worked examples: centred, automatic margin 2, and both automatic (14).
      {"left centre", Params(blGlyphLeft, taCenter, -1, 4), {20, 7}, {40, 9, 80, 22}},
      {"left left auto margin", Params(blGlyphLeft, taLeftJustify, -1, 4), {2, 7}, {22, 9, 62, 22}},
      {"left left both auto", Params(blGlyphLeft, taLeftJustify, -1, -1), {14, 7}, {44, 9, 84, 22}},
      {"left right", Params(blGlyphLeft, taRightJustify, 5, 4), {35, 7}, {55, 9, 95, 22}},
      {"right left", Params(blGlyphRight, taLeftJustify, 5, 4), {49, 7}, {5, 9, 45, 22}},
      {"right right", Params(blGlyphRight, taRightJustify, 5, 4), {79, 7}, {35, 9, 75, 22}},
      {"right centre", Params(blGlyphRight, taCenter, 5, 4), {64, 7}, {20, 9, 60, 22}},
      // Vertical layouts centre the block whatever margin and alignment say.
      {"top", TButtonLayoutParams{Rect(0, 0, 60, 50), Point(16, 16), Point(40, 13), blGlyphTop, taLeftJustify, 9, 3},
       {22, 9}, {10, 28, 50, 41}},
      {"bottom", TButtonLayoutParams{Rect(0, 0, 60, 50), Point(16, 16), Point(40, 13), blGlyphBottom, taRightJustify,
                                     9, 3},
       {22, 25}, {10, 9, 50, 22}},
      // Margin given, spacing automatic: what is left, halved.
      {"auto spacing", Params(blGlyphLeft, taLeftJustify, 4, -5), {4, 7}, {40, 9, 80, 22}},
      // An offset client moves everything.
      {"offset client", TButtonLayoutParams{Rect(10, 20, 110, 50), Point(16, 16), Point(40, 13), blGlyphLeft,
                                            taCenter, -1, 4},
       {30, 27}, {50, 29, 90, 42}},
  };
  for (const Case& c : cases) {
    const TButtonLayoutResult r = CalcButtonLayout(c.in);
    EXPECT_EQ(r.GlyphPos, c.glyph) << c.name;
    EXPECT_EQ(r.TextBounds, c.text) << c.name;
  }
}

TEST(ButtonLayout, RightToLeftReadingSwapsLeftAndRightOnly) {
  constexpr std::uint32_t kDtRight = 2;
  for (TAlignment a : {taLeftJustify, taRightJustify, taCenter}) {
    const auto swappedLeft = CalcButtonLayout(Params(blGlyphLeft, a, 5, 4, kDtRight));
    const auto plainRight = CalcButtonLayout(Params(blGlyphRight, a, 5, 4));
    EXPECT_EQ(swappedLeft.GlyphPos, plainRight.GlyphPos) << a;
    EXPECT_EQ(swappedLeft.TextBounds, plainRight.TextBounds) << a;
    const auto swappedRight = CalcButtonLayout(Params(blGlyphRight, a, 5, 4, kDtRight));
    const auto plainLeft = CalcButtonLayout(Params(blGlyphLeft, a, 5, 4));
    EXPECT_EQ(swappedRight.GlyphPos, plainLeft.GlyphPos) << a;
    EXPECT_EQ(swappedRight.TextBounds, plainLeft.TextBounds) << a;
  }
  EXPECT_EQ(CalcButtonLayout(Params(blGlyphTop, taCenter, 5, 4, kDtRight)).GlyphPos,
            CalcButtonLayout(Params(blGlyphTop, taCenter, 5, 4)).GlyphPos);
}

TEST(ButtonLayout, EmptyCaptionOrGlyphDropsTheSpacing) {
  TButtonLayoutParams p = Params(blGlyphLeft, taLeftJustify, 3, 10);
  p.TextSize = Point(0, 13);
  EXPECT_EQ(CalcButtonLayout(p).TextBounds.Left, 3 + 16);
  p = Params(blGlyphLeft, taLeftJustify, 3, 10);
  p.GlyphSize = Point(0, 0);
  EXPECT_EQ(CalcButtonLayout(p).TextBounds.Left, 3);
}

TEST(ButtonLayout, CentringLimitsDifferBetweenGlyphLeftAndGlyphRight) {
  // The block (16 + 4 + 40) is wider than the 50-pixel client.
  TButtonLayoutParams p = Params(blGlyphLeft, taCenter, 6, 4);
  p.Client = Rect(0, 0, 50, 30);
  EXPECT_EQ(CalcButtonLayout(p).GlyphPos.X, 6);  // never left of Margin
  p.Layout = blGlyphRight;
  EXPECT_EQ(CalcButtonLayout(p).TextBounds.Left, -5);  // (50 - 60) div 2, truncated
}

TEST(ButtonLayout, GlyphLeftLeftJustifiedLimitsTheCaptionByClientRight) {
  TButtonLayoutParams p = Params(blGlyphLeft, taLeftJustify, 2, 4);
  p.Client = Rect(0, 0, 50, 30);
  EXPECT_EQ(CalcButtonLayout(p).TextBounds, Rect(22, 9, 48, 22));  // 50 - 2 - 22 = 26 wide
  p.Client = Rect(30, 0, 80, 30);  // Client.Right, not the width, enters the limit
  EXPECT_EQ(CalcButtonLayout(p).TextBounds, Rect(52, 9, 92, 22));
}

}  // namespace
}  // namespace skin::paint
