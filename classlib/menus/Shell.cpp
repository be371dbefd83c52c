#include "classlib/menus/Shell.h"

#include <windows.h>
#include <shellapi.h>

#include <cwctype>

#include "classlib/core/Utf8.h"

namespace classlib {
namespace {

TShellOpenHandler& Handler() {
  static TShellOpenHandler handler;
  return handler;
}

bool StartsWithNoCase(const std::wstring& text, const wchar_t* prefix) {
  for (size_t i = 0; prefix[i]; ++i)
    if (i >= text.size() || std::towlower(text[i]) != prefix[i]) return false;
  return true;
}

}  // namespace

std::wstring ShellOpenTarget(const std::wstring& target) {
  if (StartsWithNoCase(target, L"www.")) return L"http://" + target;
  return target;
}

bool ShellOpen(const std::wstring& target) {
  const std::wstring opened = ShellOpenTarget(target);
  if (Handler()) return Handler()(opened);
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", opened.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

TShellOpenHandler SetShellOpenHandler(TShellOpenHandler handler) {
  TShellOpenHandler old = std::move(Handler());
  Handler() = std::move(handler);
  return old;
}

void RedirectShellOpenToLog(const std::wstring& logFile) {
  SetShellOpenHandler([logFile](const std::wstring& target) {
    const std::string line = WideToUtf8(target) + "\r\n";
    const HANDLE file = CreateFileW(logFile.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL done = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return done && written == line.size();
  });
}

}  // namespace classlib
