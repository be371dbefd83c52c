// The skin's hue and saturation options over the whole internal skin and
// over small skins made to show the edge cases.
#include <gtest/gtest.h>

#include "skin/core/SkinLookups.h"
#include "skin/paint/ColorAdjust.h"
#include "tests/skin/manager/SkinManagerFixture.h"

namespace skin_test {
namespace {

using skin::TColor;
using skin::TsGeneralData;
using skin::TsSkinModel;

class SkinManagerColor : public SkinManagerFixture {
 protected:
  // A manager holding the program's internal skin, as the main window does.
  std::unique_ptr<TsSkinManager> InternalSkin() {
    auto manager = Manager();
    std::ifstream in(TESSARILO_INTERNAL_SKIN_FILE, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    EXPECT_FALSE(bytes.empty()) << TESSARILO_INTERNAL_SKIN_FILE;
    skin::TsStoredSkin* item = manager->InternalSkins()->Add();
    item->SetName(L"Tessarilo");
    item->Data().WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    manager->SetSkinName(L"Tessarilo");
    EXPECT_TRUE(errors_.empty());
    return manager;
  }

  static std::vector<std::uint32_t> Pixels(const bmp32::TCustomBitmap32& bmp) {
    return {bmp.Bits(), bmp.Bits() + static_cast<std::size_t>(bmp.Width()) * bmp.Height()};
  }
  // Every colour field of every section, in one list.
  static std::vector<TColor> SectionColors(const TsSkinModel& skin) {
    std::vector<TColor> colors;
    for (const TsGeneralData& s : skin.Sections) {
      colors.insert(colors.end(), {s.Color, s.HotColor, s.FontColor, s.HotFontColor, s.GlowColor, s.HotGlowColor});
      colors.insert(colors.end(), s.TextColors.begin(), s.TextColors.end());
      for (const auto& state : s.Props) colors.insert(colors.end(), {state.Color, state.FontColor, state.GlowColor});
    }
    colors.insert(colors.end(), {skin.SkinData.BorderColor, skin.SkinData.Shadow1Color});
    return colors;
  }
  static const TsGeneralData& Section(const TsSkinManager& m, const wchar_t* name) {
    return m.Skin()->Sections[static_cast<std::size_t>(m.GetSkinIndex(name))];
  }
};

TEST_F(SkinManagerColor, InternalSkinTurnedByHueKeepsKeyGreyAndAlphaAndTurnsBackExactly) {
  auto manager = InternalSkin();
  ASSERT_NE(manager->Skin(), nullptr);
  const std::vector<TColor> colors = SectionColors(*manager->Skin());
  const std::vector<std::uint32_t> pixels = Pixels(*manager->Skin()->MasterBitmap);
  const TsGeneralData global = Section(*manager, L"GLOBALINFO");
  const TColor border = manager->SkinData().BorderColor;

  manager->SetHueOffset(120);
  EXPECT_TRUE(errors_.empty());
  const TsGeneralData& turned = Section(*manager, L"GLOBALINFO");
  EXPECT_EQ(turned.Color, skin::paint::ChangeHue(120, global.Color));
  EXPECT_EQ(turned.FontColor, skin::paint::ChangeHue(120, global.FontColor));
  EXPECT_EQ(manager->SkinData().BorderColor, skin::paint::ChangeHue(120, border));
  EXPECT_NE(turned.FontColor, global.FontColor);  // the skin's text is not grey
  for (const TsGeneralData& s : manager->Skin()->Sections) {
    EXPECT_EQ(s.Props[0].Color, s.Color) << std::string(s.ClassName.begin(), s.ClassName.end());
    EXPECT_EQ(s.Props[0].FontColor, s.FontColor);
  }
  const std::vector<std::uint32_t> after = Pixels(*manager->Skin()->MasterBitmap);
  ASSERT_EQ(after.size(), pixels.size());
  int changed = 0;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::uint32_t p = pixels[i];
    const bool grey = (p & 0xFF) == ((p >> 8) & 0xFF) && (p & 0xFF) == ((p >> 16) & 0xFF);
    if (p == 0x00FF00FF || grey) {
      ASSERT_EQ(after[i], p) << i;
    }
    ASSERT_EQ(after[i] >> 24, p >> 24) << i;
    changed += after[i] != p;
  }
  EXPECT_GT(changed, 0);

  manager->SetHueOffset(0);
  EXPECT_EQ(SectionColors(*manager->Skin()), colors);
  EXPECT_EQ(Pixels(*manager->Skin()->MasterBitmap), pixels);
}

TEST_F(SkinManagerColor, InternalSkinWithoutSaturationIsGrey) {
  auto manager = InternalSkin();
  manager->SetSaturation(-100);
  for (const TColor c : SectionColors(*manager->Skin())) {
    if (c == -1 || c == skin::kSkinKeyColor) continue;
    EXPECT_TRUE((c & 0xFF) == ((c >> 8) & 0xFF) && (c & 0xFF) == ((c >> 16) & 0xFF)) << std::hex << c;
  }
}

TEST_F(SkinManagerColor, KeptTitleButtonsNoColourAndMalformedGradientsSurviveAHueTurn) {
  auto manager = Manager();
  // BICONCLOSE covers the master bitmap's columns 30..39; the gradient has
  // seven words (one whole step); "no colour" stands in the PANEL.
  std::string options = SkinDescription(255,
                                        "[PANEL]\r\nCOLOR=16711935\r\n"
                                        "GRADIENTDATA=255;65280;50;0;0;16711680;255\r\nGRADIENTPERCENT=50\r\n");
  options.insert(options.find("[BUTTON]"), "BIKEEPHUE=2\r\nBICONCLOSE=@0030,0000,0040,0020,1,0\r\n");
  MakeFolderSkin("Kept", options);
  manager->SetSkinName(L"Kept");
  ASSERT_TRUE(errors_.empty());
  const std::vector<std::uint32_t> pixels = Pixels(*manager->Skin()->MasterBitmap);
  manager->SetHueOffset(120);
  ASSERT_TRUE(errors_.empty());
  const std::vector<std::uint32_t> after = Pixels(*manager->Skin()->MasterBitmap);
  for (int y = 0; y < 20; ++y)
    for (int x = 2; x < 60; ++x) {
      const std::size_t i = static_cast<std::size_t>(y * 60 + x);
      if (x >= 30 && x < 40) EXPECT_EQ(after[i], pixels[i]) << x << "," << y;
      else EXPECT_NE(after[i], pixels[i]) << x << "," << y;
    }
  const TsGeneralData& panel = Section(*manager, L"PANEL");
  EXPECT_EQ(panel.Color, skin::kSkinKeyColor);
  EXPECT_EQ(panel.Props[0].Color, skin::kSkinKeyColor);
  ASSERT_EQ(panel.GradientArray.size(), 1u);
  EXPECT_EQ(panel.GradientArray[0].Color1, skin::paint::ChangeHue(120, 255));
  EXPECT_EQ(panel.Props[0].GradientArray[0].Color2, skin::paint::ChangeHue(120, 65280));
}

}  // namespace
}  // namespace skin_test
