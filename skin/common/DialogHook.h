#pragma once
// The thread's window-creation hook (WH_CBT) that hands new windows to the
// window adapters. The adapters give their hook procedure and list upkeep
// here; until they do, a stand-in procedure only counts what it sees.
#include <windows.h>

#include <functional>

namespace skin {

class TsSkinManager;

struct TsDialogHookServices {
  HOOKPROC Proc = nullptr;                  // the adapters' procedure; null: the counting stand-in
  std::function<void()> CreateAdapterList;  // before the hook goes in, when the list is missing
  std::function<void()> FreeMenuAdapters;   // first when the hook goes out
  std::function<void()> FreeAdapterList;    // after unhooking: the list and every adapter in it
  std::function<void()> RepaintAdapted;     // redraw every visible adapted window
};
TsDialogHookServices& DialogHookServices();

// Only at run time, only for the default manager, once.
void InstallHook(TsSkinManager& manager);
void RemoveHook(TsSkinManager& manager);
// The installed hook; null when none.
HHOOK DialogHookHandle();
// Notifications the stand-in procedure has seen.
int StandInHookCalls();

}  // namespace skin
