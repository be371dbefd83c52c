// The Windows build's answers: system colours and metrics, the process's
// command line, the class library's message boxes and application window.
#include <windows.h>

#include "classlib/controls/Application.h"
#include "classlib/core/CommandLine.h"
#include "classlib/graphics/Colors.h"
#include "classlib/menus/MessageBox.h"
#include "skin/core/MessageUtils.h"
#include "skin/manager/SkinManagerPlatform.h"

namespace skin {

namespace {

// Split here rather than by the shell library, which would load with its
// dependencies at every start for this one call.
std::vector<std::wstring> Arguments() {
  std::vector<std::wstring> result = classlib::SplitCommandLine(GetCommandLineW());
  result.erase(result.begin());
  return result;
}

}  // namespace

TsSkinManagerPlatform DefaultSkinManagerPlatform() {
  TsSkinManagerPlatform p;
  p.ColorToRgb = [](TColor color) { return classlib::ColorToRGB(color); };
  p.SizingFrameWidth = [] { return GetSystemMetrics(SM_CXFRAME); };
  p.CommandLineArguments = Arguments;
  p.ShowNotice = [](const std::wstring& text, TsNoticeKind kind) {
    classlib::ShowMessageBox(text, MB_OK | (kind == TsNoticeKind::Warning ? MB_ICONWARNING : MB_ICONINFORMATION));
  };
  p.ShowError = [](const std::wstring& text) { ShowErrorMessage(text); };
  p.HookMainWindow = [](TsMainWindowHook hook) {
    return classlib::Application->HookMainWindow([hook = std::move(hook)](classlib::TMessage& message) {
      TsHookMessage m{message.Msg, message.WParam, message.LParam, message.Result};
      const bool handled = hook(m);
      message.Result = m.Result;
      return handled;
    });
  };
  p.UnhookMainWindow = [](int id) { classlib::Application->UnhookMainWindow(id); };
  return p;
}

}  // namespace skin
