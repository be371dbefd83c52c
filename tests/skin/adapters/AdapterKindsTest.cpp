// The adapter a button, static or combo style gets: types compared as
// enumerations, so overlapping bits never pick a wrong adapter; and the
// link text without its anchor tags.
#include <gtest/gtest.h>

#include "skin/adapters/AdapterKinds.h"

namespace {

using namespace skin::adapters;

TEST(AdapterKinds, EveryButtonTypeGetsItsAdapter) {
  using B = TButtonAdapter;
  struct Row {
    std::uint32_t type;
    B adapter;
    bool isDefault;
  };
  const Row rows[] = {
      {0x0, B::Push, false},       {0x1, B::Push, true},      {0x2, B::CheckBox, false}, {0x3, B::CheckBox, false},
      {0x4, B::Radio, false},      {0x5, B::CheckBox, false}, {0x6, B::CheckBox, false}, {0x7, B::GroupBox, false},
      {0x8, B::Push, false},       {0x9, B::Radio, false},    {0xA, B::Push, false},     {0xB, B::OwnerDrawn, false},
      {0xC, B::Push, false},       {0xD, B::Push, true},      {0xE, B::Push, false},     {0xF, B::Push, true},
  };
  static_assert(std::size(rows) == 16);
  for (const Row& r : rows) {
    SCOPED_TRACE(r.type);
    // Other style bits (BS_MULTILINE, BS_LEFTTEXT, WS_CHILD ...) change nothing.
    for (std::uint32_t extra : {0u, 0x2000u, 0x20u, 0x50010000u}) {
      EXPECT_EQ(ButtonAdapterOf(r.type | extra), r.adapter);
      EXPECT_EQ(IsDefaultPushStyle(r.type | extra), r.isDefault);
    }
  }
}

TEST(AdapterKinds, StaticTypesKeepTheirOwnLookUnlessTextOrImage) {
  using S = TStaticAdapter;
  const S expected[0x13] = {
      S::Text, S::Text, S::Text, S::Icon,  // left, center, right, icon
      S::None, S::None, S::None,           // black, gray, white rectangles
      S::None, S::None, S::None,           // black, gray, white frames
      S::None, S::None, S::Text, S::None,  // user item, simple, left no word wrap, owner draw
      S::Icon, S::None,                    // bitmap, enhanced metafile
      S::None, S::None, S::None,           // etched lines and frame
  };
  for (std::uint32_t type = 0; type < 0x13; ++type) {
    SCOPED_TRACE(type);
    EXPECT_EQ(StaticAdapterOf(type | 0x50000080u, 0), expected[type]);  // with WS_CHILD | WS_VISIBLE | SS_NOPREFIX
  }
  EXPECT_EQ(StaticAdapterOf(0x3, 0x20000), S::Edge);
  EXPECT_EQ(StaticAdapterOf(0xE, 0x20000), S::Edge);
  EXPECT_EQ(StaticAdapterOf(0xF, 0x20000), S::None);
  EXPECT_TRUE(IsBitmapStatic(0xE));
  EXPECT_FALSE(IsBitmapStatic(0x3));
  EXPECT_FALSE(IsBitmapStatic(0xF));
}

TEST(AdapterKinds, ComboKindsAreTheLowTwoBitsExactly) {
  EXPECT_EQ(ComboKindOf(0x0), TComboKind::None);
  EXPECT_EQ(ComboKindOf(0x1 | 0x40), TComboKind::Simple);
  EXPECT_EQ(ComboKindOf(0x2 | 0x100), TComboKind::DropDown);
  EXPECT_EQ(ComboKindOf(0x3 | 0x200000), TComboKind::DropDownList);
  EXPECT_FALSE(ComboHasButton(0x1));
  EXPECT_FALSE(ComboHasButton(0x0));
  EXPECT_TRUE(ComboHasButton(0x2));
  EXPECT_TRUE(ComboHasButton(0x3));
}

TEST(AdapterKinds, LinkTagsGoWithTheirAttributes) {
  const struct {
    const wchar_t* in;
    const wchar_t* out;
  } rows[] = {
      {L"Zobacz <a>stronę</a> kolekcji", L"Zobacz stronę kolekcji"},
      {L"<A HREF=\"http://x\">Link</A>", L"Link"},
      {L"<a id=\"x\" href=\"y\">a</a> <a\thref=z>b</a >", L"a b"},
      {L"<abbr>tekst</abbr> <b>x</b> a<b", L"<abbr>tekst</abbr> <b>x</b> a<b"},
      {L"otwarty <a href=\"x\"", L"otwarty <a href=\"x\""},
      {L"", L""},
  };
  for (const auto& r : rows) EXPECT_EQ(StripLinkTags(r.in), r.out) << r.in;
}

}  // namespace
