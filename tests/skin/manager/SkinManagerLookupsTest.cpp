// Lookups, mask border widths and skin-wide colours of a loaded skin.
#include <gtest/gtest.h>

#include "tests/skin/manager/SkinManagerFixture.h"

namespace skin_test {
namespace {

using SkinManagerLookups = SkinManagerFixture;

TEST_F(SkinManagerLookups, ParentCyclesEndAndMaskBordersFallBack) {
  auto manager = Manager();
  MakeFolderSkin("Lookups", SkinDescription(1,
                                            "[A]\r\nPARENTCLASS=B\r\n[B]\r\nPARENTCLASS=A\r\n"
                                            "[TWOSTATE]\r\nPARENTCLASS=BUTTON\r\n"
                                            "GLYPHMASK=@0000,0000,0060,0019,3,1\r\n"));
  manager->SetSkinName(L"Lookups");
  ASSERT_TRUE(errors_.empty());
  const int a = manager->GetSkinIndex(L"A");
  ASSERT_GE(a, 0);
  EXPECT_EQ(manager->GetMaskIndex(a, L"A", L"BORDERSMASK"), -1);
  EXPECT_EQ(manager->GetTextureIndex(a, L"A", L"PATTERN"), -1);
  EXPECT_EQ(manager->GetPatternIndex(a, L"A", L"PATTERN"), -1);
  EXPECT_EQ(manager->GetSkinIndex(L""), -1);
  EXPECT_EQ(manager->GetSkinIndex(L"button"), -1);  // names are exact

  // Found through the parent; a glyph of 3 frames in a 2-state (19-pixel) rectangle.
  const int two = manager->GetSkinIndex(L"TWOSTATE");
  const int border = manager->GetMaskIndex(two, L"TWOSTATE", L"BORDERSMASK");
  EXPECT_EQ(border, manager->FindMaskIndex(L"BUTTON", L"BORDERSMASK"));
  EXPECT_EQ(manager->FindMaskIndex(L"TWOSTATE", L"BORDERSMASK"), -1);
  const int glyph = manager->FindMaskIndex(L"TWOSTATE", L"GLYPHMASK");
  ASSERT_TRUE(manager->IsValidImgIndex(glyph));
  EXPECT_EQ(manager->MaskBorderLeft(glyph), 20);
  EXPECT_EQ(manager->MaskBorderTop(glyph), 9);
  EXPECT_EQ(manager->MaskBorderBottom(glyph), 9);
  EXPECT_EQ(manager->MaskBorderRight(border), 3);
  // Invalid indexes (a skin without a section's borders) give 0.
  for (const int index : {-1, static_cast<int>(manager->Skin()->Masks.size())}) {
    EXPECT_FALSE(manager->IsValidImgIndex(index));
    EXPECT_EQ(manager->MaskBorderLeft(index), 0);
    EXPECT_EQ(manager->MaskBorderTop(index), 0);
    EXPECT_EQ(manager->MaskBorderRight(index), 0);
    EXPECT_EQ(manager->MaskBorderBottom(index), 0);
  }
  EXPECT_FALSE(manager->IsValidSkinIndex(static_cast<int>(manager->Skin()->Sections.size())));
}

TEST_F(SkinManagerLookups, HighlightColourFallsBackFromSelectionToMenuItemToTheSystem) {
  struct Case {
    const char* sections;
    skin::TColor normal, hot;
  };
  const skin::TColor system = skin::SkinManagerPlatform().ColorToRgb(classlib::clHighlight);
  const Case cases[] = {
      {"[SELECTION]\r\nSTATES=2\r\nCOLOR=100\r\nHOTCOLOR=200\r\n", 100, 200},
      {"[SELECTION]\r\nSTATES=1\r\nCOLOR=100\r\nHOTCOLOR=200\r\n", 100, 100},
      {"[SELECTION]\r\nCOLOR=16711935\r\nHOTCOLOR=16711935\r\n[MENUITEM]\r\nHOTCOLOR=300\r\n", 300, 300},
      {"[SELECTION]\r\nCOLOR=16711935\r\nHOTCOLOR=16711935\r\n[MENUITEM]\r\nHOTCOLOR=16777215\r\n", system, system},
      {"[MENUITEM]\r\nHOTCOLOR=16711935\r\n", system, system},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sections);
    fs::remove_all(Skins() / "Highlight");
    MakeFolderSkin("Highlight", SkinDescription(1, c.sections));
    auto manager = Manager();
    manager->SetSkinName(L"Highlight");
    EXPECT_EQ(manager->GetHighlightColor(false), c.normal);
    EXPECT_EQ(manager->GetHighlightColor(true), c.hot);
  }
}

}  // namespace
}  // namespace skin_test
