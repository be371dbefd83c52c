#pragma once
// What the skin manager asks of the system, gathered in one replaceable
// record: the portable build gets neutral answers, the Windows build the
// system's own (SkinManagerPlatformWin.cpp). Tests replace single entries.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/core/SkinTypes.h"

namespace skin {

// The kind of box a notice is shown in.
enum class TsNoticeKind { Information, Warning };

// A message of the application's main window, as its hooks see it.
struct TsHookMessage {
  unsigned Msg = 0;
  std::uintptr_t WParam = 0;
  std::intptr_t LParam = 0;
  std::intptr_t Result = 0;
};
// True when the hook handled the message.
using TsMainWindowHook = std::function<bool(TsHookMessage& message)>;

struct TsSkinManagerPlatform {
  // The RGB value of a colour (system colours resolved).
  std::function<TColor(TColor)> ColorToRgb;
  // The system's sizing-frame width (FORMOFFSET's default).
  std::function<int()> SizingFrameWidth;
  // The program's arguments, without the program's own name.
  std::function<std::vector<std::wstring>()> CommandLineArguments;
  // A notice box with an OK button (version notices).
  std::function<void(const std::wstring& text, TsNoticeKind kind)> ShowNotice;
  // A load error's box.
  std::function<void(const std::wstring& text)> ShowError;
  // Hooks the application's main window; returns an id for
  // UnhookMainWindow, or 0 when there is no application window to hook.
  std::function<int(TsMainWindowHook hook)> HookMainWindow;
  std::function<void(int id)> UnhookMainWindow;
};

// The record in use; filled with the build's defaults on first use.
TsSkinManagerPlatform& SkinManagerPlatform();
// The build's defaults (what SkinManagerPlatform starts with).
TsSkinManagerPlatform DefaultSkinManagerPlatform();

}  // namespace skin
