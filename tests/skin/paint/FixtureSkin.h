#pragma once
// A folder skin made by the test, loaded by a manager of its own: the
// description text, a 24-bit master bitmap drawn by a function and any
// further files (name, bytes). While it
// lives the manager hooks no window and its error boxes fail the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "classlib/core/FileUtilsPath.h"
#include "classlib/core/Object.h"
#include "classlib/core/Utf8.h"
#include "skin/manager/SkinManagerPlatform.h"
#include "skin/manager/sSkinManager.h"
#include "tests/skin/core/SkinTestImages.h"

namespace skin::paint::testing {

class TFixtureSkin {
 public:
  TFixtureSkin(const std::string& options, int masterWidth, int masterHeight,
               const std::function<std::uint32_t(int, int)>& masterPixel,
               const std::vector<std::pair<std::string, std::string>>& files = {})
      : root_(std::filesystem::temp_directory_path() /
              ("tessarilo-fixture-skin-" + std::to_string(std::random_device()()))),
        saved_(SkinManagerPlatform()) {
    std::filesystem::create_directories(root_ / "Fixture");
    std::ofstream(root_ / "Fixture" / "Options.dat", std::ios::binary) << options;
    std::ofstream(root_ / "Fixture" / "MASTER.BMP", std::ios::binary)
        << skin::testing::Bmp24(masterWidth, masterHeight, masterPixel);
    for (const auto& [name, bytes] : files) std::ofstream(root_ / "Fixture" / name, std::ios::binary) << bytes;
    auto& platform = SkinManagerPlatform();
    platform.ShowError = [](const std::wstring& text) { ADD_FAILURE() << classlib::WideToUtf8(text); };
    platform.HookMainWindow = [](TsMainWindowHook) { return 1; };
    platform.UnhookMainWindow = [](int) {};
    classlib::SetProgramFolderSource([this] { return classlib::FromFsPath(root_) + L"\\"; });
    manager_.reset(classlib::New<TsSkinManager>(nullptr));
    manager_->SetSkinDirectory(classlib::FromFsPath(root_));
    manager_->SetSkinName(L"Fixture");
  }
  ~TFixtureSkin() {
    manager_.reset();
    classlib::SetProgramFolderSource(nullptr);
    SkinManagerPlatform() = saved_;
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  TFixtureSkin(const TFixtureSkin&) = delete;
  TFixtureSkin& operator=(const TFixtureSkin&) = delete;

  TsSkinManager* Manager() const { return manager_.get(); }

 private:
  std::filesystem::path root_;
  TsSkinManagerPlatform saved_;
  std::unique_ptr<TsSkinManager> manager_;
};

}  // namespace skin::paint::testing
