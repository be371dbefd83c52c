#include "classlib/menus/Clipboard.h"

#include <windows.h>

#include <cstring>

namespace classlib {
namespace {

// The clipboard's owner: emptying it with no window would make the next
// SetClipboardData fail.
HWND ClipboardWindow() {
  static const HWND window =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
  return window;
}

class TOpenClipboard {
 public:
  TOpenClipboard() {
    for (int attempt = 0; attempt < 10; ++attempt) {
      if (OpenClipboard(ClipboardWindow())) return;
      Sleep(10);
    }
    throw EClipboardException(L"Cannot open clipboard");
  }
  ~TOpenClipboard() { CloseClipboard(); }
  TOpenClipboard(const TOpenClipboard&) = delete;
  TOpenClipboard& operator=(const TOpenClipboard&) = delete;
};

}  // namespace

bool TClipboard::HasText() const {
  return IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT) ||
         IsClipboardFormatAvailable(CF_OEMTEXT);
}

std::wstring TClipboard::AsText() const {
  TOpenClipboard open;
  const HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
  if (!text) return {};
  // Bounded by the block's size: the data need not end with a terminator.
  const size_t limit = GlobalSize(data) / sizeof(wchar_t);
  size_t length = 0;
  while (length < limit && text[length]) ++length;
  std::wstring result(text, length);
  GlobalUnlock(data);
  return result;
}

void TClipboard::SetAsText(const std::wstring& text) {
  TOpenClipboard open;
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) throw EClipboardException(L"Out of memory");
  std::memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  if (!SetClipboardData(CF_UNICODETEXT, memory)) {
    GlobalFree(memory);
    throw EClipboardException(L"Cannot write the clipboard");
  }
}

void TClipboard::Clear() {
  TOpenClipboard open;
  EmptyClipboard();
}

TClipboard& Clipboard() {
  static TClipboard clipboard;
  return clipboard;
}

}  // namespace classlib
