// Where a manager finds its skin, and what a failed load leaves behind.
#include <gtest/gtest.h>

#include "classlib/core/Strings.h"
#include "skin/manager/SkinDirectory.h"
#include "tests/skin/manager/SkinManagerFixture.h"

namespace skin_test {
namespace {

using SkinManagerLoad = SkinManagerFixture;

TEST_F(SkinManagerLoad, PackedFileBeatsFolderWhichBeatsInternalSkin) {
  auto manager = Manager();
  AddInternalSkin(*manager, L"Tessarilo", SkinDescription(3));
  MakeFolderSkin("Tessarilo", SkinDescription(2));
  MakePackedSkin("Tessarilo", SkinDescription(1));

  manager->SetSkinName(L"Tessarilo");
  EXPECT_EQ(GlobalColor(*manager), 1);
  // Once a skin was pushed by another process, the folder wins.
  skin::SetSkinPushed(true);
  manager->SetSkinName(L"Tessarilo");
  skin::SetSkinPushed(false);
  EXPECT_EQ(GlobalColor(*manager), 2);
  fs::remove(Skins() / "Tessarilo.asz");
  manager->SetSkinName(L"Tessarilo");
  EXPECT_EQ(GlobalColor(*manager), 2);
  EXPECT_EQ(manager->SkinData().SkinPath, SkinsDir() + L"\\Tessarilo\\");
  fs::remove_all(Skins() / "Tessarilo");
  manager->SetSkinName(L"Tessarilo");
  EXPECT_EQ(GlobalColor(*manager), 3);
  EXPECT_EQ(manager->SkinData().SkinPath, L"");
  // Every load reached the controls; nothing went wrong.
  EXPECT_EQ(newSkins_, 4);
  EXPECT_TRUE(errors_.empty());
  EXPECT_TRUE(manager->Active());
  EXPECT_EQ(manager->SkinInfo(), L"8");
  EXPECT_FALSE(skin::SkinChanging());
  EXPECT_FALSE(skin::SkinLoading());
}

TEST_F(SkinManagerLoad, NameEndingInAszLosesTheEndingAndUnknownNamesTakeTheFirstStoredSkin) {
  auto manager = Manager();
  MakePackedSkin("Tessarilo", SkinDescription(1));
  manager->SetSkinName(L"Tessarilo.ASZ");
  EXPECT_EQ(manager->SkinName(), L"Tessarilo");
  EXPECT_EQ(GlobalColor(*manager), 1);

  AddInternalSkin(*manager, L"First", SkinDescription(5));
  AddInternalSkin(*manager, L"Second", SkinDescription(6));
  manager->SetSkinName(L"Missing");
  EXPECT_EQ(manager->SkinName(), L"First");
  EXPECT_EQ(GlobalColor(*manager), 5);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(SkinManagerLoad, NoSourceAtAllLeavesTheManagerInactiveWithoutABox) {
  auto manager = Manager();
  manager->SetSkinName(L"Tessarilo");
  EXPECT_FALSE(manager->Active());
  EXPECT_EQ(manager->Skin(), nullptr);
  EXPECT_EQ(manager->SkinInfo(), L"N/A");
  EXPECT_EQ(manager->GetSkinIndex(L"GLOBALINFO"), -1);
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(newSkins_, 0);
  EXPECT_FALSE(skin::SkinChanging());
  EXPECT_FALSE(skin::SkinLoading());
  // Active again, it loads what is there now.
  MakeFolderSkin("Tessarilo", SkinDescription(7));
  manager->SetActive(true);
  EXPECT_EQ(GlobalColor(*manager), 7);
}

TEST_F(SkinManagerLoad, FailedLoadKeepsThePreviousSkinWholeAndTheNextGoodLoadBroadcasts) {
  auto manager = Manager();
  MakeFolderSkin("Good", SkinDescription(0x123456, "[EDIT]\r\nCOLOR=77\r\n"));
  manager->SetSkinName(L"Good");
  ASSERT_EQ(newSkins_, 1);
  const skin::TsSkinModel* before = manager->Skin();
  const std::size_t sections = before->Sections.size();

  struct Case {
    const char* what;
    std::function<void()> make;
  };
  const std::vector<Case> cases{
      {"a number that is none in a border mask",
       [&] { MakeFolderSkin("Bad", SkinDescription(1, "[EDIT]\r\nBORDERSMASK=^00x0,0000,0030,0020,0003\r\n")); }},
      {"a broken container", [&] {
         fs::remove_all(Skins() / "Bad");
         WriteFile(Skins() / "Bad.asz", "ASzf\x02\0\0\0garbage");
       }},
      {"a container that is none", [&] { WriteFile(Skins() / "Bad.asz", "not a skin at all"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.make();
    errors_.clear();
    newSkins_ = 0;
    manager->SetSkinName(L"Bad");
    EXPECT_EQ(errors_.size(), 1u);
    EXPECT_EQ(manager->SkinName(), L"Good");
    ASSERT_EQ(manager->Skin(), before);
    EXPECT_EQ(manager->Skin()->Sections.size(), sections);
    EXPECT_EQ(GlobalColor(*manager), 0x123456);
    EXPECT_EQ(manager->Skin()->Sections[static_cast<std::size_t>(manager->GetSkinIndex(L"EDIT"))].Color, 77);
    EXPECT_TRUE(manager->Active());
    EXPECT_TRUE(manager->SkinData().Active);
    EXPECT_FALSE(skin::SkinChanging());
    EXPECT_FALSE(skin::SkinLoading());
  }
  fs::remove(Skins() / "Bad.asz");
  MakeFolderSkin("Bad", SkinDescription(9));
  newSkins_ = 0;
  manager->SetSkinName(L"Bad");
  EXPECT_EQ(GlobalColor(*manager), 9);
  EXPECT_EQ(newSkins_, 1);
}

TEST_F(SkinManagerLoad, UpdateLockHoldsTheBroadcastUntilEndUpdate) {
  auto manager = Manager();
  MakeFolderSkin("Tessarilo", SkinDescription(1));
  manager->BeginUpdate();
  manager->SetSkinName(L"Tessarilo");
  EXPECT_EQ(GlobalColor(*manager), 1);
  EXPECT_EQ(newSkins_, 0);
  manager->EndUpdate(true, false);
  EXPECT_EQ(newSkins_, 1);
  EXPECT_TRUE(manager->AnimEffects()->SkinChanging()->Active());
}

TEST(SkinDirectory, RelativeFormsComeFromTheProgramFolder) {
  struct Case {
    const wchar_t* directory;
    const wchar_t* resolved;
  };
  const Case cases[] = {
      {L"..\\Skins", L"C:\\App\\Skins\\"},  {L".\\Skins", L"C:\\App\\Bin\\Skins\\"},
      {L"./Skins/", L"C:\\App\\Bin\\Skins\\"}, {L"Skins", L"C:\\App\\Bin\\Skins\\"},
      {L"D", L"D:\\"},                        {L"D:", L"D:\\"},
      {L"c:\\Skins", L"c:\\Skins\\"},         {L"\\\\server\\Skins", L"\\\\server\\Skins\\"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(skin::ResolveSkinDirectory(c.directory, L"C:\\App\\Bin\\"), c.resolved) << c.directory;
}

TEST_F(SkinManagerLoad, SkinNamesListStoredFolderAndPackedSkinsSorted) {
  auto manager = Manager();
  AddInternalSkin(*manager, L"Cedar", SkinDescription(1));
  MakeFolderSkin("birch", SkinDescription(1));
  MakePackedSkin("Aspen.v2", SkinDescription(1));
  WriteFile(Skins() / "Notes.txt", "x");
  WriteFile(Skins() / "Upper.ASZ", "x");  // only ".asz" in lower case counts
  WriteFile(Skins() / "Empty" / "readme.txt", "x");
  MakeFolderSkin(".hidden", SkinDescription(1));
  classlib::TStringList names;
  names.Add(L"old");
  manager->GetSkinNames(names);
  EXPECT_EQ(names.CommaText(), L"Aspen,birch,Cedar");
}

TEST_F(SkinManagerLoad, VersionNoticesWarnOnceForNewerSkinsAndForOldOnesOnlyWhenTesting) {
  auto manager = Manager();
  MakeFolderSkin("New", SkinDescription(1, "", "9.0"));
  MakeFolderSkin("Old", SkinDescription(1, "", "6.5"));
  manager->SetSkinName(L"New");
  ASSERT_EQ(notices_.size(), 1u);
  EXPECT_EQ(notices_[0].kind, skin::TsNoticeKind::Warning);
  EXPECT_EQ(notices_[0].text,
            L"This version of the skin have not complete support by used DarudOdero package release.\r\n"
            L"Components must be updated up to latest version for using this skin.");
  EXPECT_TRUE(manager->SkinningRules().Contains(skin::srStdDialogs));

  notices_.clear();
  manager->SetSkinName(L"Old");
  EXPECT_TRUE(notices_.empty());
  arguments_ = {L"-x", L"/ACTEST"};
  manager->SetSkinName(L"Old");
  ASSERT_EQ(notices_.size(), 1u);
  EXPECT_EQ(notices_[0].kind, skin::TsNoticeKind::Information);
  EXPECT_EQ(notices_[0].text.rfind(L"You are using an old version of the \"Old\" skin.", 0), 0u);
  EXPECT_TRUE(errors_.empty());

  notices_.clear();
  skin::AnnounceLibraryVersion();
  EXPECT_TRUE(notices_.empty());
  arguments_ = {L"/AcVer"};
  skin::AnnounceLibraryVersion();
  ASSERT_EQ(notices_.size(), 1u);
  EXPECT_EQ(notices_[0].text, L"DarudOdero v8.00");
}

TEST_F(SkinManagerLoad, AManagerThatStopsBeingTheDefaultStillRemovesItsHook) {
  auto first = Manager();
  auto second = Manager();
  EXPECT_EQ(hooked_, 1);  // only the default hooks the main window
  second->SetIsDefault(true);
  EXPECT_FALSE(first->IsDefault());
  first.reset();
  EXPECT_EQ(unhooked_, std::vector<int>{1});
  EXPECT_EQ(TsSkinManager::DefaultManager(), second.get());
  second.reset();
  EXPECT_EQ(unhooked_, std::vector<int>{1});
  EXPECT_EQ(TsSkinManager::DefaultManager(), nullptr);
}

}  // namespace
}  // namespace skin_test
