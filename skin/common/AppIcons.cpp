#include "skin/common/AppIcons.h"

#include <memory>
#include <string>

#include "skin/core/ShellUtils.h"

namespace skin {

namespace {

std::wstring ProgramFile() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length < name.size()) {
      name.resize(length);
      return name;
    }
    name.resize(name.size() * 2);
  }
}

struct AppIcons {
  std::unique_ptr<classlib::TIcon> small = GetFileIcon(ProgramFile(), SHGFI_SMALLICON);
  std::unique_ptr<classlib::TIcon> large = GetFileIcon(ProgramFile(), SHGFI_LARGEICON);
};

AppIcons& Icons() {
  static AppIcons icons;
  return icons;
}

}  // namespace

classlib::TIcon* AppSmallIcon() { return Icons().small.get(); }
classlib::TIcon* AppLargeIcon() { return Icons().large.get(); }

}  // namespace skin
