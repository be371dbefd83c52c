#include <gtest/gtest.h>

#include <memory>

#include "classlib/core/ComponentReader.h"
#include "classlib/core/ComponentWriter.h"
#include "classlib/core/PropertyRegistry.h"
#include "classlib/core/PublishedProps.h"
#include "skin/manager/sSkinManager.h"

namespace skin_test {

using skin::TsSkinManager;

TEST(SkinManager, FirstManagerAliveIsTheDefault) {
  EXPECT_EQ(TsSkinManager::DefaultManager(), nullptr);
  auto first = std::make_unique<TsSkinManager>(nullptr);
  auto second = std::make_unique<TsSkinManager>(nullptr);
  EXPECT_EQ(TsSkinManager::DefaultManager(), first.get());
  second.reset();
  EXPECT_EQ(TsSkinManager::DefaultManager(), first.get());
  first.reset();
  EXPECT_EQ(TsSkinManager::DefaultManager(), nullptr);
}

TEST(SkinManager, DescriptionNamesTheSkinAndItsFolder) {
  skin::RegisterSkinManagerClasses();
  TsSkinManager manager(nullptr);
  manager.SetActive(false);  // an inactive manager only stores the name
  EXPECT_EQ(classlib::GetClass(L"TsSkinManager"), classlib::ClassInfoOf(&manager));
  EXPECT_TRUE(classlib::SetStrProp(&manager, L"SkinName", L"Tessarilo"));
  EXPECT_TRUE(classlib::SetStrProp(&manager, L"SkinDirectory", L"c:\\Skins"));
  EXPECT_EQ(manager.SkinName(), L"Tessarilo");
  EXPECT_EQ(manager.SkinDirectory(), L"c:\\Skins");
}

TEST(SkinManager, InternalSkinsKeepTheirBytesInTheDescription) {
  skin::RegisterSkinManagerClasses();
  TsSkinManager manager(nullptr);
  classlib::ReadComponentFromText(&manager,
                                  L"object sSkinManager1: TsSkinManager\n"
                                  L"  Active = False\n"
                                  L"  InternalSkins = <\n"
                                  L"    item\n"
                                  L"      Name = 'Tessarilo'\n"
                                  L"      Data = {41537A660001FF}\n"
                                  L"    end\n"
                                  L"    item\n"
                                  L"      Name = 'Empty'\n"
                                  L"    end>\n"
                                  L"  SkinName = 'Tessarilo'\n"
                                  L"end\n");
  skin::TsStoredSkins& skins = *manager.InternalSkins();
  ASSERT_EQ(skins.Count(), 2);
  EXPECT_EQ(skins.IndexOf(L"Tessarilo"), 0);
  EXPECT_EQ(skins.IndexOf(L"tessarilo"), -1);  // names are exact
  EXPECT_EQ(skins.Items(0)->Data().Bytes(), (std::vector<uint8_t>{0x41, 0x53, 0x7A, 0x66, 0x00, 0x01, 0xFF}));
  EXPECT_EQ(skins.Items(1)->Data().Size(), 0);
  EXPECT_EQ(skins.Items(1)->Shadow1Blur(), -1);
  EXPECT_EQ(skins.Items(1)->BorderColor(), 0xFF00FF);

  // Written back, both items keep their data (the empty one too) and read again alike.
  const std::wstring text = classlib::WriteComponentToText(&manager);
  EXPECT_NE(text.find(L"41537A660001FF"), std::wstring::npos) << std::string(text.begin(), text.end());
  // The stored skins come before the name that loads one of them.
  EXPECT_LT(text.find(L"InternalSkins"), text.find(L"SkinName"));
  EXPECT_EQ(text.find(L"MasterBitmap"), std::wstring::npos) << std::string(text.begin(), text.end());
  EXPECT_EQ(manager.SkinName(), L"Tessarilo");
  TsSkinManager copy(nullptr);
  classlib::ReadComponentFromText(&copy, text);
  ASSERT_EQ(copy.InternalSkins()->Count(), 2);
  EXPECT_EQ(copy.InternalSkins()->Items(0)->Data().Bytes(), skins.Items(0)->Data().Bytes());

  // A master bitmap given to a stored skin is stored and read back, and
  // copied with the item.
  skins.Items(1)->MasterBitmap()->SetSize(3, 2);
  skins.Items(1)->MasterBitmap()->SetPixel(2, 1, 0x80FF00FFu);
  TsSkinManager again(nullptr);
  classlib::ReadComponentFromText(&again, classlib::WriteComponentToText(&manager));
  skin::TsStoredSkin copied(nullptr);
  copied.Assign(again.InternalSkins()->Items(1));
  EXPECT_EQ(copied.MasterBitmap()->Width(), 3);
  EXPECT_EQ(copied.MasterBitmap()->Pixel(2, 1), 0x80FF00FFu);

  int changes = 0;
  skins.SetOnChange([&] { ++changes; });
  skins.Items(1)->SetName(L"Renamed");
  skins.Add();
  EXPECT_EQ(changes, 2);
  skins.SetOnChange(nullptr);
}

}  // namespace skin_test
