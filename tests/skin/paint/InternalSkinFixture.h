#pragma once
// A skin manager holding the program's internal skin, with its error boxes
// recorded; section Index is the test's own to colour.
#ifdef _WIN32
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "classlib/core/FileUtilsPath.h"
#include "classlib/core/Utf8.h"
#include "skin/manager/sSkinManager.h"

namespace skin::paint::testing {

class InternalSkinFixture : public ::testing::Test {
 protected:
  static constexpr int Index = 0;
  void SetUp() override {
    saved_ = SkinManagerPlatform();
    SkinManagerPlatform().ShowError = [this](const std::wstring& text) { errors_.push_back(text); };
    // The skin comes from the stored data alone; the program folder only has to be known.
    classlib::SetProgramFolderSource(
        [] { return classlib::FromFsPath(std::filesystem::temp_directory_path()) + L"\\"; });
    manager_ = std::make_unique<TsSkinManager>(nullptr);
    std::ifstream in(TESSARILO_INTERNAL_SKIN_FILE, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    TsStoredSkin* item = manager_->InternalSkins()->Add();
    item->SetName(L"Tessarilo");
    item->Data().WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    manager_->SetSkinName(L"Tessarilo");
    ASSERT_TRUE(errors_.empty()) << classlib::WideToUtf8(errors_.front());
    ASSERT_NE(manager_->Skin(), nullptr);
  }
  void TearDown() override {
    manager_.reset();
    classlib::SetProgramFolderSource(nullptr);
    SkinManagerPlatform() = saved_;
  }
  TsGeneralData& Section() { return manager_->Skin()->Sections[Index]; }

  std::unique_ptr<TsSkinManager> manager_;
  TsSkinManagerPlatform saved_;
  std::vector<std::wstring> errors_;
};

}  // namespace skin::paint::testing
#endif
