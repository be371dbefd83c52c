#ifdef _WIN32
// The main window's skin manager as the program starts it: the internal
// skin from the form description, and load errors in the program's boxes.
#include <gtest/gtest.h>

#include "AppTestFolder.h"
#include "skin/manager/SkinBroadcast.h"
#include "tools/skingen/RequiredSkinItems.h"

namespace app_test {

using SkinStartupTest = AppTestFolder;

std::wstring Wide(std::string_view text) { return {text.begin(), text.end()}; }

TEST_F(SkinStartupTest, MainWindowLoadsItsInternalSkinAndSpreadsIt) {
  int newSkins = 0;
  const auto old = skin::SetSkinChangeHandler([&](skin::TsSkinManager&, skin::TsSkinChange change, bool) {
    newSkins += change == skin::TsSkinChange::NewSkin;
  });
  skin::TsSkinManager& manager = *Form().sSkinManager1;
  skin::SetSkinChangeHandler(old);

  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(newSkins, 1);
  EXPECT_TRUE(manager.IsDefault());
  EXPECT_TRUE(manager.Active());
  EXPECT_TRUE(manager.SkinData().Active);
  EXPECT_EQ(manager.SkinInfo(), L"8");
  EXPECT_EQ(manager.SkinName(), L"Tessarilo");
  EXPECT_EQ(manager.SkinData().SkinPath, L"");  // no skin folder: the stored skin
  for (const std::string_view section : skingen::kRequiredSections)
    EXPECT_GE(manager.GetSkinIndex(Wide(section)), 0) << section;
  for (const auto& [section, mask] : skingen::kRequiredMasks)
    EXPECT_GE(manager.GetMaskIndex(manager.GetSkinIndex(Wide(section)), Wide(section), Wide(mask)), 0)
        << section << " " << mask;
  // Standard dialogs and message boxes keep the system's look; only plain
  // buttons are taken over.
  EXPECT_EQ(manager.SkinningRules(), (skin::TacSkinningRules{skin::srStdForms, skin::srThirdParty}));
  EXPECT_EQ(manager.ThirdLists(1).Text(), L"TButton\r\n");
}

TEST_F(SkinStartupTest, SkinThatFailsToLoadShowsOneBoxAndKeepsTheSkin) {
  skin::TsSkinManager& manager = *Form().sSkinManager1;
  const skin::TsSkinModel* skin = manager.Skin();
  fs::create_directories(root_ / L"Skins");
  std::ofstream(root_ / L"Skins" / L"Broken.asz", std::ios::binary) << "ASzf\x05garbage";
  manager.SetSkinDirectory(classlib::FromFsPath(root_ / L"Skins"));
  manager.SetSkinName(L"Broken");
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].Caption, app::kApplicationTitle);
  EXPECT_TRUE(boxes_[0].Flags & MB_ICONERROR);
  EXPECT_EQ(manager.SkinName(), L"Tessarilo");
  EXPECT_EQ(manager.Skin(), skin);
}

}  // namespace app_test
#endif
