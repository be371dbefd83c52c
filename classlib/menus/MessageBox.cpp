#include "classlib/menus/MessageBox.h"

#include <vector>

namespace classlib {
namespace {

std::wstring& Title() {
  static std::wstring title;
  return title;
}

TMessageBoxHandler& Handler() {
  static TMessageBoxHandler handler;
  return handler;
}

// Disables the enabled, visible top-level windows of the thread but the
// owner (the box disables that one itself) and enables them again when done.
class TThreadWindowsDisabled {
 public:
  explicit TThreadWindowsDisabled(HWND owner) : owner_(owner) {
    EnumThreadWindows(GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(this));
    for (HWND window : windows_) EnableWindow(window, FALSE);
  }
  ~TThreadWindowsDisabled() {
    for (HWND window : windows_)
      if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  TThreadWindowsDisabled(const TThreadWindowsDisabled&) = delete;
  TThreadWindowsDisabled& operator=(const TThreadWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK Collect(HWND window, LPARAM self) {
    auto* me = reinterpret_cast<TThreadWindowsDisabled*>(self);
    if (window != me->owner_ && IsWindowVisible(window) && IsWindowEnabled(window)) me->windows_.push_back(window);
    return TRUE;
  }

  HWND owner_;
  std::vector<HWND> windows_;
};

int ShowBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) {
  TMessageBoxRequest request;
  request.Owner = owner;
  request.Text = text;
  request.Caption = caption.empty() ? Title() : caption;
  request.Flags = flags;
  const HWND focus = GetFocus();
  int answer = 0;
  {
    TThreadWindowsDisabled disabled(request.Owner);
    answer = Handler() ? Handler()(request)
                       : MessageBoxW(request.Owner, request.Text.c_str(), request.Caption.c_str(), flags);
  }
  if (focus && IsWindow(focus)) SetFocus(focus);
  return answer;
}

}  // namespace

const std::wstring& MessageBoxTitle() { return Title(); }
void SetMessageBoxTitle(const std::wstring& title) { Title() = title; }

int ShowMessageBox(const std::wstring& text, UINT flags) { return ShowMessageBox(text, std::wstring(), flags); }

int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags) {
  return ShowBox(GetActiveWindow(), text, caption, flags);
}

int ShowMessageBox(HWND owner, const std::wstring& text, UINT flags) {
  return ShowBox(owner, text, std::wstring(), flags);
}

TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler) {
  TMessageBoxHandler old = std::move(Handler());
  Handler() = std::move(handler);
  return old;
}

}  // namespace classlib
