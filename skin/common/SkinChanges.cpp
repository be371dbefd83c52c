#include "skin/common/SkinChanges.h"

#include "skin/common/DialogHook.h"
#include "skin/common/SkinBroadcasts.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/common/SkinnedFormPasses.h"
#include "skin/common/WindowAnimations.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/GlowWindows_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

bool Designing(const TsSkinManager& manager) { return manager.ComponentState().Contains(csDesigning); }

LPARAM ManagerParam(TsSkinManager& manager) { return reinterpret_cast<LPARAM>(&manager); }

}  // namespace

void SendNewSkinToWindows(TsSkinManager& manager, bool repaint) {
  paint::CloseAllGlows(false);
  if (!Designing(manager) && repaint) LockSkinnedForms(manager);
  BroadcastToForms(SkinCommand(scNewSkin, ManagerParam(manager)));
  if (manager.IsDefault() && !DialogHookHandle()) InstallHook(manager);
}

void SendRemoveSkinToWindows(TsSkinManager& manager) {
  paint::CloseAllGlows(false);
  RemoveHook(manager);
  BroadcastToForms(SkinCommand(scRemoveSkin, ManagerParam(manager)));
}

void RepaintSkinnedForms(TsSkinManager& manager, bool animate) {
  BroadcastToForms(SkinCommand(scFadeStep, ManagerParam(manager)));
  const TMessage refresh = SkinCommand(scRefresh, ManagerParam(manager));
  const bool loading = manager.ComponentState().Contains(csLoading);
  if (animate && !loading) {
    LockSkinnedForms(manager);
    BroadcastToForms(refresh);
    UnlockSkinnedForms(manager, true);
  } else {
    BroadcastToForms(refresh);
  }
  if (HWND cover = AnimationCoverWindow()) SendSkinMessage(cover, refresh);
  if (const auto& repaintAdapted = DialogHookServices().RepaintAdapted) repaintAdapted();
}

}  // namespace skin
