// Caption text and activation of a skinned form. Their default handling
// paints the native caption straight onto the screen; a borderless cover
// showing the skinned caption lies over the form meanwhile. The skinned
// frame is repainted before the cover goes, so the native caption is never
// seen between the two.
#include "classlib/controls/Application.h"
#include "skin/common/Composition.h"
#include "skin/forms/ProviderDC.h"
#include "skin/forms/sSkinProvider.h"

namespace skin {

using namespace classlib;

namespace {

constexpr intptr_t kAuxiliaryTag = -98;  // hooks and adapting skip it
constexpr UINT kCoverPlacement = SWP_NOREDRAW | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING;

// Shows the cover for the scope of one default call, then takes it away.
class CoverScope {
 public:
  CoverScope(TsSkinProvider& provider, std::shared_ptr<bool> alive) : provider_(provider), alive_(std::move(alive)) {
    provider_.ShowCaptionCover(false);
  }
  ~CoverScope() {
    if (*alive_) provider_.HideCaptionCover();
  }

 private:
  TsSkinProvider& provider_;
  std::shared_ptr<bool> alive_;
};

}  // namespace

void TsSkinProvider::ShowCaptionCover(bool wholeForm) {
  HWND wnd = FormHandle();
  if (!drawNonClientArea_ || !wnd || redrawLock_ > 0 || (stateBits_ & sfsBlendMoving)) return;
  if (form_->FormStyle() == fsMDIChild) return;
  TBitmap* image = skinData_->CacheBmp();
  if (!image || image->Empty()) return;
  if (!cover_) {
    cover_.reset(New<TForm>(Application));
    cover_->SetTag(kAuxiliaryTag);
    cover_->SetBorderStyle(bsNone);
    cover_->OnPaint = [this](TObject*) {
      TBitmap* cache = skinData_->CacheBmp();
      if (!cover_ || !cache || cache->Empty()) return;
      ImageDC from(cache);
      BitBlt(cover_->Canvas()->Handle(), 0, 0, cache->Width(), cache->Height(), from.Handle(), 0, 0, SRCCOPY);
    };
    coverOldProc_ = cover_->WindowProc();
    cover_->SetWindowProc([this](TMessage& message) {
      // The paint covers the whole window: no erasing first.
      if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
      }
      coverOldProc_(message);
    });
  }
  HWND cover = cover_->Handle();
  // Never on the taskbar, never active.
  SetWindowLongPtrW(cover, GWL_EXSTYLE,
                    (GetWindowLongPtrW(cover, GWL_EXSTYLE) & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE);
  ShowWindow(cover, SW_HIDE);
  RECT r{};
  GetWindowRect(wnd, &r);
  const int height = wholeForm ? r.bottom - r.top : ClientTop();
  HWND after = HWND_TOP;
  if (GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_TOPMOST) {
    after = HWND_TOPMOST;
  } else if (HWND above = GetWindow(wnd, GW_HWNDPREV)) {
    // Right behind the window above the form: nothing above the form is covered.
    after = above;
  }
  if (after == cover) after = GetWindow(cover, GW_HWNDPREV) ? GetWindow(cover, GW_HWNDPREV) : HWND_TOP;
  // The form's own corners: the cover hides the caption and nothing beside it.
  SetWindowRgn(cover, MakeFormRegion(0, 0), FALSE);
  SetWindowPos(cover, after, r.left, r.top, r.right - r.left, height, kCoverPlacement);
  // Painted now: the default call that follows runs no message loop.
  RedrawWindow(cover, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TsSkinProvider::HideCaptionCover() {
  if (!cover_) return;
  std::unique_ptr<TForm> cover = std::move(cover_);
  cover->SetWindowProc(coverOldProc_);
  coverOldProc_ = nullptr;
}

void TsSkinProvider::OnSetText(TMessage& message) {
  HWND wnd = FormHandle();
  if (!wnd || !Showing() || form_->ControlState().Contains(csCreating) || !drawNonClientArea_) {
    CallOld(message);
    if (wnd) skinData_->BGChanged = true;
    return;
  }
  const auto alive = alive_;
  if (!acDwmCompositionEnabled()) {
    {
      CoverScope cover(*this, alive);
      // The system repaints the whole native frame here, sides included;
      // without WS_VISIBLE it only stores the text.
      {
        SetWindowLongPtrW(wnd, GWL_STYLE, GetWindowLongPtrW(wnd, GWL_STYLE) & ~WS_VISIBLE);
        struct Restore {
          HWND wnd;
          ~Restore() {
            if (IsWindow(wnd)) SetWindowLongPtrW(wnd, GWL_STYLE, GetWindowLongPtrW(wnd, GWL_STYLE) | WS_VISIBLE);
          }
        } restore{wnd};
        CallOld(message);
      }
      // The frame first, then the cover goes.
      if (*alive) {
        skinData_->BGChanged = true;
        RepaintFrame();
      }
    }
    if (*alive) SendMessageW(wnd, WM_NCPAINT, 1, 0);
    return;
  }
  SendMessageW(wnd, WM_SETREDRAW, FALSE, 0);
  CallOld(message);
  if (!*alive || !IsWindow(wnd)) return;
  SendMessageW(wnd, WM_SETREDRAW, TRUE, 0);
  skinData_->BGChanged = true;
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_FRAME);
  RepaintFrame();
}

void TsSkinProvider::OnNcActivate(TMessage& message) {
  HWND wnd = FormHandle();
  if (Destroying() || !drawNonClientArea_ || !wnd) {
    CallOld(message);
    return;
  }
  if (!systemMenu_) InitFormSkinning();
  const bool active = message.WParam != 0;
  const auto alive = alive_;
  stateBits_ |= sfsInNcActivate;
  struct Clear {
    TsSkinProvider* provider;
    std::shared_ptr<bool> alive;
    ~Clear() {
      if (*alive) provider->stateBits_ &= ~sfsInNcActivate;
    }
  } clear{this, alive};
  if (!(stateBits_ & sfsBlendMoving) && formActive_ != active) {
    formActive_ = active;
    skinData_->BGChanged = true;
  }
  if (!Showing() || !IsWindowVisible(wnd)) {
    CallOld(message);
    return;
  }
  const bool composition = acDwmCompositionEnabled();
  const bool quiet = composition || loadedPending_;
  const bool covered = !quiet && !form_->OnPaint;
  if (quiet) SendMessageW(wnd, WM_SETREDRAW, FALSE, 0);
  {
    std::unique_ptr<CoverScope> cover;
    if (covered) cover = std::make_unique<CoverScope>(*this, alive);
    // LParam -1 asks the default not to repaint the native frame at all.
    TMessage silent{message.Msg, message.WParam, -1, 0};
    CallOld(silent);
    message.Result = silent.Result;
    if (!*alive || !IsWindow(wnd)) return;
    if (quiet) SendMessageW(wnd, WM_SETREDRAW, TRUE, 0);
    skinData_->BGChanged = true;
    RepaintFrame();
    if (quiet) RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  if (!*alive) return;
  message.Result = TRUE;
  if (systemMenu_) systemMenu_->UpdateItems(false);
}

}  // namespace skin
