#ifdef _WIN32
// The fixture's skin is the generator's: sections carry its palette, and a
// plain form paints the skin's form colour where no control covers it.
#include "SkinnedControlFixture.h"

namespace skin_test {

using SkinnedControlFixtureTest = SkinnedControlFixture;

TEST_F(SkinnedControlFixtureTest, SectionsCarryThePaletteTheGeneratorPaintsWith) {
  struct Case {
    const wchar_t* section;
    unsigned normal, hot;
  } cases[] = {
      {L"BUTTON", palette::kButtonBottom, palette::kButtonHotBottom},
      {L"TABTOP", palette::kPanelLow, palette::kPanel},
      {L"EDIT", palette::kField, palette::kFieldHot},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(classlib::WideToUtf8(c.section));
    EXPECT_EQ(Section(c.section).Color, PaletteColour(c.normal));
    EXPECT_EQ(Section(c.section).HotColor, PaletteColour(c.hot));
  }
}

}  // namespace skin_test
#endif
