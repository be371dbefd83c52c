#include "skin/core/ShellUtils.h"

#include <vector>

#include "classlib/core/FileUtils.h"

namespace skin {

std::wstring AppFileName() {
  // Grown until the whole name fits: a long folder must not be cut.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring AppPath() {
  const std::wstring name = AppFileName();
  return name.substr(0, name.find_last_of(L"\\/:") + 1);
}

std::unique_ptr<classlib::TIcon> GetFileIcon(const std::wstring& fileName, UINT flags) {
  if (!classlib::FileExists(fileName)) return nullptr;
  auto icon = std::make_unique<classlib::TIcon>();
  SHFILEINFOW info{};
  if (!SHGetFileInfoW(fileName.c_str(), 0, &info, sizeof info, flags | SHGFI_ICON) || !info.hIcon) return nullptr;
  icon->SetHandle(info.hIcon);
  return icon;
}

}  // namespace skin
