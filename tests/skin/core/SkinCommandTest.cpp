// The portable pieces of the skin command message: packing, the colour mix
// of the background-colour answer, state indexes and control-class codes.
#include <gtest/gtest.h>

#include "skin/core/ControlClassCodes.h"
#include "skin/core/SkinCommand.h"

namespace skin_test {

using namespace skin;

TEST(SkinCommand, CodeTravelsInTheHighWordAndPointersAreMarked) {
  EXPECT_EQ(SkinCommandWParam(scGetBGInfo), 34u << 16);
  EXPECT_EQ(SkinCommandCode(SkinCommandWParam(scSetUpdating, 1)), scSetUpdating);
  EXPECT_EQ(SkinCommandLow(SkinCommandWParam(scSetUpdating, 1)), 1);
  for (std::uint16_t code : {4, 15, 24, 25, 26, 34, 35, 37, 60}) EXPECT_TRUE(CommandNeedsTrust(code)) << code;
  for (std::uint16_t code : {1, 2, 3, 7, 10, 21, 36, 38}) EXPECT_FALSE(CommandNeedsTrust(code)) << code;
}

TEST(SkinCommand, ParentColourMixDividesBy256AndKeepsTheParentsFourthByte) {
  struct Case {
    TColor parent, section;
    int transparency;
    TColor expected;
  };
  const Case cases[] = {
      {0xFFFFFF, 0x000000, 50, 0x313131},    // (255 x 50) shr 8 = 49 per channel
      {0x000000, 0xFFFFFF, 50, 0xCDCDCD},    // a negative difference: 255 - 50 = 205
      {0x0A0B0C, 0x102030, 0, 0x102030},     // opaque: the section colour
      {0x2000FF00, 0x0000FF, 100, 0x2000639B},  // ((P - C) x 100 + C x 256) shr 8, P's fourth byte
  };
  for (const Case& c : cases)
    EXPECT_EQ(MixWithParentColor(c.parent, c.section, c.transparency), c.expected) << c.transparency;
}

TEST(SkinCommand, SectionStateStaysInsideTheSectionsStates) {
  EXPECT_EQ(SectionStateIndex(0, 3), 0);
  EXPECT_EQ(SectionStateIndex(1, 3), 1);
  EXPECT_EQ(SectionStateIndex(5, 2), 1);
  EXPECT_EQ(SectionStateIndex(1, 1), 0);
  // A section declaring no states (or fewer) still reads the normal state.
  EXPECT_EQ(SectionStateIndex(1, 0), 0);
  EXPECT_EQ(SectionStateIndex(0, -4), 0);
}

TEST(ControlClassCodes, DefaultSectionsAndFamilies) {
  EXPECT_EQ(DefaultSectionOf(COC_TsEdit), L"EDIT");
  EXPECT_EQ(DefaultSectionOf(COC_TsBitBtn), L"BUTTON");
  EXPECT_EQ(DefaultSectionOf(COC_TsPanel), L"PANEL");
  EXPECT_EQ(DefaultSectionOf(COC_TsCheckBox), L"CHECKBOX");
  EXPECT_EQ(DefaultSectionOf(COC_TsGauge), L"GAUGE");
  EXPECT_EQ(DefaultSectionOf(14), L"COMBOBOX");
  EXPECT_EQ(DefaultSectionOf(COC_TsSkinProvider), L"");  // the owner's class name
  EXPECT_EQ(DefaultSectionOf(300), L"");
  EXPECT_TRUE(InEditFamily(COC_TsEdit));
  EXPECT_FALSE(InEditFamily(COC_TsBitBtn));
  EXPECT_TRUE(InNoHotState(COC_TsPanel));
  EXPECT_FALSE(InNoHotState(COC_TsEdit));
  EXPECT_TRUE(InNoGlow(COC_TsGauge));
  EXPECT_FALSE(InNoGlow(256));
}

}  // namespace skin_test
