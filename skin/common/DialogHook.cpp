#include "skin/common/DialogHook.h"

#include "skin/manager/sSkinManager.h"

namespace skin {

namespace {

HHOOK hook = nullptr;
int standInCalls = 0;

LRESULT CALLBACK StandInHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0) ++standInCalls;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool MayHook(const TsSkinManager& manager) {
  return manager.IsDefault() && !manager.ComponentState().Contains(classlib::csDesigning);
}

}  // namespace

TsDialogHookServices& DialogHookServices() {
  static TsDialogHookServices services;
  return services;
}

void InstallHook(TsSkinManager& manager) {
  if (hook || !MayHook(manager)) return;
  const TsDialogHookServices& services = DialogHookServices();
  if (services.CreateAdapterList) services.CreateAdapterList();
  hook = SetWindowsHookExW(WH_CBT, services.Proc ? services.Proc : StandInHookProc, nullptr, GetCurrentThreadId());
}

void RemoveHook(TsSkinManager& manager) {
  if (!hook || !MayHook(manager)) return;
  const TsDialogHookServices& services = DialogHookServices();
  if (services.FreeMenuAdapters) services.FreeMenuAdapters();
  UnhookWindowsHookEx(hook);
  hook = nullptr;
  if (services.FreeAdapterList) services.FreeAdapterList();
}

HHOOK DialogHookHandle() { return hook; }

int StandInHookCalls() { return standInCalls; }

}  // namespace skin
