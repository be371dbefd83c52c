#include "classlib/menus/DragDrop.h"

#include <shellapi.h>

#include "classlib/core/DropFileBlock.h"

namespace classlib {
namespace {

std::wstring AnsiToWide(std::string_view name) {
  const int length = MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), wide.data(), length);
  return wide;
}

}  // namespace

// The window style is all DragAcceptFiles sets; setting it here keeps the
// shell's DLLs from loading with the main window (the first drop loads them).
void AcceptDroppedFiles(HWND window, bool accept) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
  SetWindowLongPtrW(window, GWL_EXSTYLE, accept ? style | WS_EX_ACCEPTFILES : style & ~LONG_PTR{WS_EX_ACCEPTFILES});
}

std::vector<std::wstring> TakeDroppedFiles(HDROP drop) {
  // A drop posted by another process carries a handle of that process: here
  // it names nothing (or something else), and the system's drop queries
  // would crash on it. Only a block of ours, at least a header long and
  // lockable, is read, with bounds, and only such a block is released.
  std::vector<std::wstring> files;
  if (!drop) return files;
  const HGLOBAL block = reinterpret_cast<HGLOBAL>(drop);
  const SIZE_T size = GlobalSize(block);
  if (size < kDropFileHeaderSize) return files;
  const void* data = GlobalLock(block);
  if (!data) return files;
  files = ParseDropFileBlock(std::string_view(static_cast<const char*>(data), size), AnsiToWide);
  GlobalUnlock(block);
  DragFinish(drop);
  return files;
}

}  // namespace classlib
