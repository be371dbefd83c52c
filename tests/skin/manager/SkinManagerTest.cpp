#include <gtest/gtest.h>

#include <memory>

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
  EXPECT_EQ(classlib::GetClass(L"TsSkinManager"), classlib::ClassInfoOf(&manager));
  EXPECT_TRUE(classlib::SetStrProp(&manager, L"SkinName", L"Tessarilo"));
  EXPECT_TRUE(classlib::SetStrProp(&manager, L"SkinDirectory", L"c:\\Skins"));
  EXPECT_EQ(manager.SkinName(), L"Tessarilo");
  EXPECT_EQ(manager.SkinDirectory(), L"c:\\Skins");
}

}  // namespace skin_test
