// The portable build's answers: colours as they are, no arguments, no boxes
// but the program's error hook, no application window.
#include "skin/core/AppHooks.h"
#include "skin/manager/SkinManagerPlatform.h"

namespace skin {

TsSkinManagerPlatform DefaultSkinManagerPlatform() {
  TsSkinManagerPlatform p;
  p.ColorToRgb = [](TColor color) { return color; };
  p.SizingFrameWidth = [] { return 4; };
  p.CommandLineArguments = [] { return std::vector<std::wstring>(); };
  p.ShowNotice = [](const std::wstring&, TsNoticeKind) {};
  p.ShowError = [](const std::wstring& text) {
    if (ErrorMessageHook()) ErrorMessageHook()(text);
  };
  p.HookMainWindow = [](TsMainWindowHook) { return 0; };
  p.UnhookMainWindow = [](int) {};
  return p;
}

}  // namespace skin
