#pragma once
// A fresh folder per test, and wide file names inside it. On Linux the wide
// name is built by hand: the library opens wide names as UTF-8 there, while
// std::filesystem would convert through the C locale.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "classlib/core/Utf8.h"

namespace coretest {

class TestFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           (std::string("h1_") + info->test_suite_name() + "_" + info->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::wstring File(const std::wstring& name) const {
#ifdef _WIN32
    return (dir_ / name).wstring();
#else
    return classlib::Utf8ToWide(dir_.string()) + L"/" + name;
#endif
  }
  bool Exists(const std::wstring& file) const {
#ifdef _WIN32
    return std::filesystem::exists(std::filesystem::path(file));
#else
    return std::filesystem::exists(std::filesystem::path(classlib::WideToUtf8(file)));
#endif
  }

 private:
  std::filesystem::path dir_;
};

}  // namespace coretest
