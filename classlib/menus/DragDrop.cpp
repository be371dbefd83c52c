#include "classlib/menus/DragDrop.h"

#include <shellapi.h>

namespace classlib {
namespace {

class TDropFinisher {
 public:
  explicit TDropFinisher(HDROP drop) : drop_(drop) {}
  ~TDropFinisher() {
    if (drop_) DragFinish(drop_);
  }
  TDropFinisher(const TDropFinisher&) = delete;
  TDropFinisher& operator=(const TDropFinisher&) = delete;

 private:
  HDROP drop_;
};

}  // namespace

// The window style is all DragAcceptFiles sets; setting it here keeps the
// shell's DLLs from loading with the main window (the first drop loads them).
void AcceptDroppedFiles(HWND window, bool accept) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
  SetWindowLongPtrW(window, GWL_EXSTYLE, accept ? style | WS_EX_ACCEPTFILES : style & ~LONG_PTR{WS_EX_ACCEPTFILES});
}

std::vector<std::wstring> TakeDroppedFiles(HDROP drop) {
  TDropFinisher finisher(drop);
  std::vector<std::wstring> files;
  if (!drop) return files;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  files.reserve(count);
  for (UINT i = 0; i < count; ++i) {
    // Asked for its length first: paths may be longer than MAX_PATH.
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    const UINT copied = DragQueryFileW(drop, i, path.data(), length + 1);
    path.resize(copied);
    files.push_back(std::move(path));
  }
  return files;
}

}  // namespace classlib
