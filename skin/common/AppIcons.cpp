#include "skin/common/AppIcons.h"

#include <memory>

#include "skin/core/ShellUtils.h"

namespace skin {

namespace {

struct AppIcons {
  std::unique_ptr<classlib::TIcon> small = GetFileIcon(AppFileName(), SHGFI_SMALLICON);
  std::unique_ptr<classlib::TIcon> large = GetFileIcon(AppFileName(), SHGFI_LARGEICON);
};

AppIcons& Icons() {
  static AppIcons icons;
  return icons;
}

}  // namespace

classlib::TIcon* AppSmallIcon() { return Icons().small.get(); }
classlib::TIcon* AppLargeIcon() { return Icons().large.get(); }

}  // namespace skin
