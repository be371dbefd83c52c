// The shared pre-handler of every skinned window procedure, and the glow of
// a hot control.
#include <algorithm>

#include "classlib/controls/Forms.h"
#include "skin/common/ControlUtils.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/common/sCommonData.h"
#include "skin/core/ControlClassCodes.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/GlowWindows_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

void CloseControlGlow(TsCommonData* skinData) {
  if (skinData->GlowID != -1) paint::CloseGlow(skinData->GlowID);
  skinData->GlowID = -1;
}

bool ShowsGlow(int coc) { return !InNoGlow(coc) && (coc < 92 || coc > 94); }

bool FocusableWindow(TWinControl* windowed) { return windowed && windowed->CanFocus() && windowed->TabStop(); }

void RedrawFrame(TWinControl* windowed) {
  if (windowed->HandleAllocated()) RedrawWindow(windowed->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

bool Designing(const TsCommonData* skinData) {
  const TControl* owner = skinData->OwnerControl();
  return owner && owner->ComponentState().Contains(csDesigning);
}

int SectionStates(const TsCommonData* skinData) {
  const TsGeneralData* section = skinData->Section();
  return section ? section->States : 0;
}

void MouseEnter(TsCommonData* skinData) {
  if (Designing(skinData) || !skinData->Skinned(false)) return;
  TControl* owner = skinData->OwnerControl();
  auto* windowed = dynamic_cast<TWinControl*>(owner);
  if (!InNoHotState(skinData->COC)) skinData->FMouseAbove = true;
  if (!windowed || !TsSkinManager::DefaultManager()) return;
  if (ShowsGlow(skinData->COC)) UpdateGlow(skinData, false, nullptr);
  if (InEditFamily(skinData->COC) && SectionStates(skinData) >= 2) {
    skinData->BGChanged = true;
    if (windowed->HandleAllocated()) SendMessageW(windowed->Handle(), WM_NCPAINT, 0, 0);
  }
}

void MouseLeave(TsCommonData* skinData) {
  if (Designing(skinData) || !skinData->Skinned(false)) return;
  TControl* owner = skinData->OwnerControl();
  if (!InNoHotState(skinData->COC)) skinData->FMouseAbove = false;
  if (ShowsGlow(skinData->COC)) CloseControlGlow(skinData);
  auto* windowed = dynamic_cast<TWinControl*>(owner);
  if (owner && owner->Visible() && InEditFamily(skinData->COC)) {
    skinData->BGChanged = true;
    if (windowed && windowed->HandleAllocated()) SendMessageW(windowed->Handle(), WM_NCPAINT, 0, 0);
  }
}

void VisibleChanged(TsCommonData* skinData, const TMessage& message) {
  TControl* owner = skinData->OwnerControl();
  if (owner && !owner->ComponentState().Contains(csDestroying) && skinData->CacheBmp()) {
    if (message.WParam == 0) {
      skinData->EmptyCache();
      if (auto* windowed = dynamic_cast<TWinControl*>(owner))
        for (int i = 0; i < windowed->ControlCount(); ++i) {
          auto* child = dynamic_cast<TWinControl*>(windowed->Controls(i));
          if (child && child->HandleAllocated()) SendSkinCommandToWnd(child->Handle(), scResetCache, 0);
          else PerformSkinCommand(windowed->Controls(i), scResetCache, 0);
        }
    } else {
      skinData->SetUpdating(false);
    }
  }
  skinData->BGChanged = true;
}

}  // namespace

bool CommonWndProc(TMessage& message, TsCommonData* skinData) {
  if (!skinData) return false;
  TControl* owner = skinData->OwnerControl();
  auto* windowed = dynamic_cast<TWinControl*>(owner);
  switch (message.Msg) {
    case SkinCommandMessage:
      return CommonMessage(message, skinData);
    case WM_UPDATEUISTATE:
      return skinData->Skinned(false);
    case WM_SETFOCUS:
      if (FocusableWindow(windowed)) {
        skinData->BGChanged = true;
        skinData->FFocused = true;
        if (skinData->Skinned(false) && InEditFamily(skinData->COC) && SectionStates(skinData) >= 2)
          RedrawFrame(windowed);
      }
      return false;
    case WM_KILLFOCUS:
      if (FocusableWindow(windowed)) {
        skinData->BGChanged = true;
        skinData->FFocused = false;
        if (InEditFamily(skinData->COC) && windowed->Visible()) RedrawFrame(windowed);
      }
      return false;
    case WM_MOVE:
      if (skinData->NeedsParentBG()) {
        skinData->BGChanged = true;
        PerformSkinCommand(owner, scParentChanged, 0, 1);
      }
      CloseControlGlow(skinData);
      return false;
    case WM_SIZE:
      if (skinData->Skinned(false)) {
        skinData->BGChanged = true;
        const TsGeneralData* section = skinData->Section();
        if (windowed && section && section->Props[0].GradientPercent > 0)
          for (int i = 0; i < windowed->ControlCount(); ++i) {
            TControl* child = windowed->Controls(i);
            const TAnchors anchors = child->Anchors();
            if (!child->ComponentState().Contains(csDestroying) && !anchors.Contains(akRight) &&
                !anchors.Contains(akBottom))
              PerformSkinCommand(child, scParentChanged, 0, 1);
          }
        CloseControlGlow(skinData);
      }
      return false;
    case WM_PARENTNOTIFY:
      if (windowed && LOWORD(message.WParam) == WM_CREATE) NotifyParentForm(windowed);
      return false;
    case CM_MOUSEENTER:
      MouseEnter(skinData);
      return false;
    case CM_MOUSELEAVE:
      MouseLeave(skinData);
      return false;
    case CM_VISIBLECHANGED:
      VisibleChanged(skinData, message);
      return false;
    case CM_ENABLEDCHANGED:
    case WM_FONTCHANGE:
      skinData->FMouseAbove = false;
      skinData->FFocused = false;
      if (owner && !owner->Enabled()) CloseControlGlow(skinData);
      return false;
    case CM_SHOWINGCHANGED:
      if (owner && owner->Visible()) skinData->Loaded();
      return false;
    default:
      return false;
  }
}

void UpdateGlow(TsCommonData* skinData, bool force, HWND wnd) {
  if (!skinData) return;
  TsSkinManager* manager = skinData->SkinManager();
  const TsGeneralData* section = skinData->Section();
  if (!manager || !manager->Effects()->AllowGlowing() || !section || section->GlowCount < 1) return;
  TControl* owner = skinData->OwnerControl();
  // R is the control on screen, the clip its visible part in its own
  // coordinates; OpenGlow cuts the glow to match.
  const auto open = [&](const RECT& r, const RECT& clip, HWND anchor) {
    if (clip.right <= clip.left || clip.bottom <= clip.top) return;
    skinData->GlowID = paint::OpenGlow(TRect{r.left, r.top, r.right, r.bottom},
                                TRect{clip.left, clip.top, clip.right, clip.bottom}, section->ClassName, manager,
                                anchor, 255, section->GlowMargin, L"GLOW");
  };
  if (!owner) {
    if (!wnd) return;
    RECT r;
    GetWindowRect(wnd, &r);
    open(r, RECT{0, 0, r.right - r.left, r.bottom - r.top}, GetAncestor(wnd, GA_ROOT));
    return;
  }
  const bool pressed = (GetKeyState(VK_LBUTTON) & 0x8000) != 0 && owner->MouseInControl();
  if (skinData->FMouseAbove && !pressed && (!force || skinData->GlowID == -1)) {
    if (skinData->GlowID != -1) return;
    TCustomForm* form = owner->GetParentForm();
    HWND anchor = nullptr;
    if (form) anchor = form->Parent() ? form->Parent()->Handle() : form->Handle();
    RECT r;
    RECT clip;
    if (auto* windowed = dynamic_cast<TWinControl*>(owner); windowed && windowed->HandleAllocated()) {
      GetWindowRect(windowed->Handle(), &r);
      HDC dc = GetWindowDC(windowed->Handle());
      if (GetClipBox(dc, &clip) == ERROR) clip = RECT{0, 0, r.right - r.left, r.bottom - r.top};
      ReleaseDC(windowed->Handle(), dc);
    } else {
      const TPoint origin = owner->ClientOrigin();
      r = RECT{origin.X, origin.Y, origin.X + owner->Width(), origin.Y + owner->Height()};
      clip = RECT{0, 0, owner->Width(), owner->Height()};
      // A graphic control is seen through its parent's client area only.
      if (TWinControl* parent = owner->Parent(); parent && parent->HandleAllocated()) {
        RECT client;
        GetClientRect(parent->Handle(), &client);
        clip.left = std::max<LONG>(0, client.left - owner->Left());
        clip.top = std::max<LONG>(0, client.top - owner->Top());
        clip.right = std::min<LONG>(clip.right, client.right - owner->Left());
        clip.bottom = std::min<LONG>(clip.bottom, client.bottom - owner->Top());
      }
    }
    open(r, clip, anchor);
    return;
  }
  CloseControlGlow(skinData);
}

}  // namespace skin
