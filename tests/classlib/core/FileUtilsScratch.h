#pragma once
// A fresh folder for one test, removed with everything in it afterwards.
#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>

#include "classlib/core/FileUtilsPath.h"

namespace classlib::testing {

class ScratchFolder {
 public:
  ScratchFolder() {
    static std::atomic<int> counter{0};
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
      path_ = base / ("classlib-core-" + std::to_string(Tick()) + "-" + std::to_string(counter++));
      if (std::filesystem::create_directory(path_)) break;
    }
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The folder, with its trailing delimiter.
  std::wstring Folder() const { return IncludeTrailingPathDelimiter(FromFsPath(path_)); }
  // A name inside the folder ("a" or nested as "a" + PathDelim + "b").
  std::wstring Path(const std::wstring& name) const { return Folder() + name; }

 private:
  static long long Tick() { return std::chrono::steady_clock::now().time_since_epoch().count(); }
  std::filesystem::path path_;
};

}  // namespace classlib::testing
