#pragma once
// Skin managers over skins made by the test: a skin directory of its own
// under the temporary folder (folders with "Options.dat", packed ".asz"
// files), the manager's system answers recorded (error boxes, notices,
// arguments, main-window hooks) and its broadcasts counted.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "classlib/core/FileUtilsPath.h"
#include "skin/manager/SkinBroadcast.h"
#include "skin/manager/sSkinManager.h"
#include "tests/skin/core/SkinTestImages.h"
#include "tools/skinpack/PackedSkinWriter.h"

namespace skin_test {

namespace fs = std::filesystem;
using skin::TsSkinManager;

// A small skin: GLOBALINFO with the given colour, a BUTTON border mask in a
// 60 x 20 master bitmap (red, with key-colour and grey pixels) and whatever
// else `extra` adds (lines of the description).
inline std::string SkinDescription(int globalColor, const std::string& extra = "", const std::string& version = "8.0") {
  return "[GLOBALINFO]\r\nVERSION=" + version + "\r\nMASTERBITMAP=MASTER.BMP\r\nCOLOR=" + std::to_string(globalColor) +
         "\r\nFONTCOLOR=255\r\nBORDERCOLOR=65280\r\nSTATES=2\r\nHOTCOLOR=16711680\r\n"
         "[BUTTON]\r\nCOLOR=33023\r\nFONTCOLOR=0\r\nBORDERSMASK=^0000,0000,0030,0020,0003,0003,0003,0003,3,1,0,0\r\n" +
         extra;
}

inline std::string MasterBitmap() {
  return skin::testing::Bmp24(60, 20, [](int x, int y) -> std::uint32_t {
    if (x == 0 && y == 0) return 0xFF00FF;  // key
    if (x == 1) return 0x808080;            // grey
    return x < 30 ? 0xC02020 : 0x20A040;
  });
}

class SkinManagerFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    // Test processes run side by side: a random name keeps their folders apart.
    root_ = fs::temp_directory_path() /
            ("tessarilo-skinmanager-" + std::to_string(std::random_device()()) + "-" + std::to_string(++counter_));
    fs::remove_all(root_);
    fs::create_directories(root_ / "Skins");
    saved_ = skin::SkinManagerPlatform();
    auto& platform = skin::SkinManagerPlatform();
    platform.ShowError = [this](const std::wstring& text) { errors_.push_back(text); };
    platform.ShowNotice = [this](const std::wstring& text, skin::TsNoticeKind kind) {
      notices_.push_back({text, kind});
    };
    platform.CommandLineArguments = [this] { return arguments_; };
    platform.HookMainWindow = [this](skin::TsMainWindowHook) { return ++hooked_; };
    platform.UnhookMainWindow = [this](int id) { unhooked_.push_back(id); };
    classlib::SetProgramFolderSource([this] { return classlib::FromFsPath(root_) + L"\\"; });
    oldHandler_ = skin::SetSkinChangeHandler([this](TsSkinManager& m, skin::TsSkinChange change, bool) {
      if (change == skin::TsSkinChange::NewSkin) ++newSkins_;
      if (change == skin::TsSkinChange::RemoveSkin) ++removals_;
      EXPECT_FALSE(m.SkinData().Active && change == skin::TsSkinChange::NewSkin);
    });
  }
  void TearDown() override {
    skin::SetSkinChangeHandler(oldHandler_);
    classlib::SetProgramFolderSource(nullptr);
    skin::SkinManagerPlatform() = saved_;
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  fs::path Skins() const { return root_ / "Skins"; }
  std::wstring SkinsDir() const { return classlib::FromFsPath(Skins()); }

  static void WriteFile(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
  }
  static std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }
  static std::vector<std::uint8_t> Packed(const std::string& options) {
    return skinpack::PackEntries({{"Options.dat", Bytes(options)}, {"MASTER.BMP", Bytes(MasterBitmap())}});
  }

  void MakeFolderSkin(const std::string& name, const std::string& options) {
    WriteFile(Skins() / name / "Options.dat", options);
    WriteFile(Skins() / name / "MASTER.BMP", MasterBitmap());
  }
  void MakePackedSkin(const std::string& name, const std::string& options) {
    const auto bytes = Packed(options);
    WriteFile(Skins() / (name + ".asz"), std::string(bytes.begin(), bytes.end()));
  }
  static void AddInternalSkin(TsSkinManager& manager, const std::wstring& name, const std::string& options) {
    skin::TsStoredSkin* item = manager.InternalSkins()->Add();
    item->SetName(name);
    const auto bytes = Packed(options);
    item->Data().WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    item->Data().SetPosition(0);
  }
  // A manager (not yet loading) over the test's skin directory.
  std::unique_ptr<TsSkinManager> Manager() {
    std::unique_ptr<TsSkinManager> manager(classlib::New<TsSkinManager>(nullptr));
    manager->SetSkinDirectory(SkinsDir());
    return manager;
  }

  static int GlobalColor(const TsSkinManager& manager) {
    const int index = manager.GetSkinIndex(L"GLOBALINFO");
    return index < 0 ? -1 : manager.Skin()->Sections[static_cast<std::size_t>(index)].Color;
  }

  struct Notice {
    std::wstring text;
    skin::TsNoticeKind kind;
  };
  fs::path root_;
  skin::TsSkinManagerPlatform saved_;
  skin::TsSkinChangeHandler oldHandler_;
  std::vector<std::wstring> errors_;
  std::vector<Notice> notices_;
  std::vector<std::wstring> arguments_;
  int hooked_ = 0;
  std::vector<int> unhooked_;
  int newSkins_ = 0;
  int removals_ = 0;
  static inline int counter_ = 0;
};

}  // namespace skin_test
