// The hide fade: a layered copy of a window faded (or shrunk) out on the
// library's hide timer.
#include <windows.h>

#include "classlib/controls/Application.h"
#include "classlib/controls/Forms.h"
#include "skin/common/AnimationScopes.h"
#include "skin/common/ControlUtils.h"
#include "skin/common/LayeredImages.h"
#include "skin/common/SkinnedFormState.h"
#include "skin/common/WindowAnimations.h"
#include "skin/common/sCommonData.h"
#include "skin/core/AnimFrames.h"
#include "skin/core/AppHooks.h"
#include "skin/core/ThreadedTimer.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/GlowWindows_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelFills_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

using BitmapPtr = std::unique_ptr<TBitmap>;

BitmapPtr NewBitmap(int width, int height) { return BitmapPtr(paint::NewBitmap32(width, height)); }

BitmapPtr CopyOf(TBitmap& source) {
  BitmapPtr copy = NewBitmap(source.Width(), source.Height());
  BitBlt(copy->Canvas()->Handle(), 0, 0, source.Width(), source.Height(), source.Canvas()->Handle(), 0, 0, SRCCOPY);
  return copy;
}

class TacHideTimer : public TacThreadedTimer {
 public:
  explicit TacHideTimer(TComponent* owner) : TacThreadedTimer(owner, nullptr, true) {}
  ~TacHideTimer() override { Release(); }

  void Start(std::unique_ptr<TWinControl> wnd, BitmapPtr bmp, std::uint8_t maxAlpha, TacAnimType mode, int steps) {
    Release();
    wnd_ = std::move(wnd);
    source_ = std::move(bmp);
    maxAlpha_ = maxAlpha;
    mode_ = mode;
    steps_ = steps;
    step_ = 0;
    const HWND handle = wnd_->Handle();
    RECT r{};
    GetWindowRect(handle, &r);
    position_ = POINT{r.left, r.top};
    MakeLayered(handle);
    PushToLayeredWindow(handle, *source_, maxAlpha_, position_);
    ShowWindow(handle, SW_SHOWNOACTIVATE);
    SetWindowPos(handle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    frame_ = NewBitmap(source_->Width(), source_->Height());
    if (ApplicationTerminating() || Application->Terminated() || !InnerTimer()) {
      // No timer ticks any more: the fade runs here to its end.
      while (wnd_) {
        TimeHandler();
        if (wnd_) Sleep(AnimFrameMs);
      }
      return;
    }
    SetInterval(AnimFrameMs);
    SetEnabled(true);
  }

  bool Running() const { return wnd_ != nullptr; }

 protected:
  void TimeHandler() override {
    if (!wnd_ || !wnd_->HandleAllocated()) {
      Finish();
      return;
    }
    TBitmap& shown = mode_ == atAero
                         ? DrawZoomFrame(*frame_, *source_, ZoomOutRect(step_, steps_, source_->Width(), source_->Height()))
                         : *source_;
    PushToLayeredWindow(wnd_->Handle(), shown, HideFrameAlpha(step_, steps_, maxAlpha_), position_);
    if (++step_ > steps_) Finish();
  }

 private:
  void Finish() {
    SetInterval(65535);
    SetEnabled(false);
    Release();
  }
  void Release() {
    wnd_.reset();
    source_.reset();
    frame_.reset();
  }

  std::unique_ptr<TWinControl> wnd_;
  BitmapPtr source_;
  BitmapPtr frame_;
  POINT position_{};
  std::uint8_t maxAlpha_ = 255;
  TacAnimType mode_ = atFading;
  int steps_ = 0;
  int step_ = 0;
};

TacHideTimer* hideTimer = nullptr;

// A layered window over a window's place, for a hide without a prepared one.
std::unique_ptr<TWinControl> CoverOver(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  std::unique_ptr<TWinControl> cover(New<TacLayeredWindow>(nullptr));
  cover->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  cover->HandleNeeded();
  return cover;
}

}  // namespace

void AnimHideWindow(std::unique_ptr<TWinControl> wnd, BitmapPtr bmp, std::uint16_t time, TacAnimType mode,
                    std::uint8_t maxAlpha) {
  const int steps = AnimSteps(time);
  if (steps == 0 || !wnd || !bmp || bmp->Empty()) return;
  if (!hideTimer) hideTimer = New<TacHideTimer>(Application);
  hideTimer->Start(std::move(wnd), std::move(bmp), maxAlpha, mode, steps);
}

void ForgetHideTimer() { hideTimer = nullptr; }

bool HideAnimationRunning() { return hideTimer && hideTimer->Running(); }

void AnimHideForm(TsSkinnedForm& provider) {
  paint::CloseAllGlows(false);
  TCustomForm* form = provider.Form();
  TsCommonData* data = provider.SkinData();
  if (!form || !form->HandleAllocated() || form->FormStyle() == fsMDIChild || !data || !data->CacheBmp() ||
      data->CacheBmp()->Empty())
    return;
  TsSkinManager* manager = data->SkinManager();
  if (!manager) return;
  AnimationFlagScope flag;
  if (provider.DrawNonClientArea() && !provider.HasState(sfsNonClientReady)) provider.PaintNonClientArea();
  std::unique_ptr<TWinControl> wnd;
  BitmapPtr image = CopyOf(*data->CacheBmp());
  if (TsExtBorder* border = provider.ExtBorder(); border && border->BorderWindow()) {
    wnd = border->DetachBorderWindow();
  } else {
    wnd = provider.TakeCoverWindow();
    if (!wnd) wnd = CoverOver(form->Handle());
    paint::FillAlphaRect(image.get(), TRect{0, 0, image->Width(), image->Height()}, 255, false);
  }
  const TacFormHide& hide = *manager->AnimEffects()->FormHide();
  AnimHideWindow(std::move(wnd), std::move(image), hide.Time(), hide.Mode(), 255);
}

BitmapPtr CopyWndImage(TsAnimatedDialog& dialog, bool fromScreen) {
  const HWND wnd = dialog.Window();
  RECT wr{};
  if (!wnd || !GetWindowRect(wnd, &wr)) return nullptr;
  RECT client{};
  GetClientRectInWindow(wnd, client);
  if (fromScreen) {
    BitmapPtr image = NewBitmap(wr.right - wr.left, wr.bottom - wr.top);
    HDC dc = GetWindowDC(wnd);
    BitBlt(image->Canvas()->Handle(), 0, 0, image->Width(), image->Height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(wnd, dc);
    paint::FillAlphaRect(image.get(), TRect{client.left, client.top, client.right, client.bottom}, 255, false);
    return image;
  }
  TBitmap* cache = dialog.CacheBmp();
  if (!cache || cache->Empty()) return nullptr;
  BitmapPtr image = CopyOf(*cache);
  HDC dc = image->Canvas()->Handle();
  const int saved = SaveDC(dc);
  SetViewportOrgEx(dc, dialog.ClientOffsetX(), dialog.ClientOffsetY(), nullptr);
  IntersectClipRect(dc, 0, 0, client.right - client.left, client.bottom - client.top);
  dialog.PaintClientArea(dc);
  RestoreDC(dc, saved);
  return image;
}

void AnimHideDlg(TsAnimatedDialog& dialog) {
  paint::CloseAllGlows(false);
  TsSkinManager* manager = TsSkinManager::DefaultManager();
  const HWND target = dialog.Window();
  if (!manager || !target) return;
  AnimationFlagScope flag;
  BitmapPtr image = CopyWndImage(dialog, !dialog.CacheBmp());
  if (!image) return;
  std::unique_ptr<TWinControl> wnd;
  if (TsExtBorder* border = dialog.ExtBorder(); border && border->BorderWindow()) wnd = border->DetachBorderWindow();
  else wnd = CoverOver(target);
  const TacFormHide& hide = *manager->AnimEffects()->DialogHide();
  AnimHideWindow(std::move(wnd), std::move(image), hide.Time(), hide.Mode(), 255);
}

}  // namespace skin
