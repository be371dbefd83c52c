// A skin pushed by another process as a copy-data block: the block is
// untrusted, so only a whole block with the right identifier is read, each
// text within its own field, and the pushed options replace the folder's.
#include "skin/manager/PushedSkin.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/skin/manager/SkinManagerFixture.h"

namespace skin_test {
namespace {

using namespace skin;

std::vector<char> Block(const std::string& name, const std::string& directory, const std::string& options,
                        std::uint32_t id = PushedSkinId) {
  std::vector<char> block(PushedSkinBlockSize, '\0');
  for (int i = 0; i < 4; ++i) block[static_cast<std::size_t>(i)] = static_cast<char>(id >> (8 * i));
  std::memcpy(block.data() + 4, name.data(), std::min(name.size(), PushedSkinNameSize));
  std::memcpy(block.data() + 4 + PushedSkinNameSize, directory.data(),
              std::min(directory.size(), PushedSkinDirectorySize));
  std::memcpy(block.data() + 4 + PushedSkinNameSize + PushedSkinDirectorySize, options.data(),
              std::min(options.size(), PushedSkinOptionsSize));
  return block;
}

TEST(PushedSkin, OnlyAWholeBlockWithTheIdentifierIsRead) {
  const std::vector<char> good = Block("Proba", "C:\\Skins", "[GLOBALINFO]");
  EXPECT_TRUE(ReadPushedSkin(good.data(), good.size()));
  EXPECT_FALSE(ReadPushedSkin(nullptr, PushedSkinBlockSize));
  EXPECT_FALSE(ReadPushedSkin(good.data(), good.size() - 1));
  const std::vector<char> foreign = Block("Proba", "C:\\Skins", "", 0xA401);
  EXPECT_FALSE(ReadPushedSkin(foreign.data(), foreign.size()));
}

TEST(PushedSkin, TextsStayInTheirFieldsAndAreCentralEuropean) {
  // A name filling its field without terminator is taken whole, and the
  // directory that follows it is not run into.
  const std::string name(PushedSkinNameSize, 'N');
  std::vector<char> block = Block(name, "C:\\Sk\xF3ry", std::string(PushedSkinOptionsSize, 'x'));
  const auto pushed = ReadPushedSkin(block.data(), block.size());
  ASSERT_TRUE(pushed);
  EXPECT_EQ(pushed->Name, std::wstring(PushedSkinNameSize, L'N'));
  EXPECT_EQ(pushed->Directory, L"C:\\Sk\u00F3ry");
  EXPECT_EQ(pushed->Options.size(), PushedSkinOptionsSize);  // no terminator: the field, not beyond
  // Code page 1250, whatever the system's: 0xB9 is a Polish "ą".
  block = Block("\xB9", "", "");
  EXPECT_EQ(ReadPushedSkin(block.data(), block.size())->Name, L"\u0105");
}

class PushedSkinLoad : public SkinManagerFixture {};

TEST_F(PushedSkinLoad, PushedOptionsReplaceTheFoldersAndBroadcastOnce) {
  MakeFolderSkin("Pushed", SkinDescription(0x000111));
  auto manager = Manager();
  TsPushedSkin pushed;
  pushed.Name = L"Pushed";
  pushed.Directory = SkinsDir();
  pushed.Options = SkinDescription(0x000222);
  manager->ApplyPushedSkin(pushed);
  EXPECT_EQ(manager->SkinName(), L"Pushed");
  EXPECT_EQ(GlobalColor(*manager), 0x000222);
  EXPECT_EQ(newSkins_, 1);
  EXPECT_FALSE(manager->UpdateLocked());
  EXPECT_TRUE(SkinPushed());
  // The pushed text was for that load only.
  manager->SetSkinName(L"Pushed");
  EXPECT_EQ(GlobalColor(*manager), 0x000111);
}

}  // namespace
}  // namespace skin_test
