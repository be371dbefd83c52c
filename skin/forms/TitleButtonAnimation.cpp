#include "skin/forms/TitleButtonAnimation.h"

#include <algorithm>
#include <cstring>

#include "skin/common/LayeredImages.h"
#include "skin/common/SkinnedFormState.h"
#include "skin/core/CacheInfo.h"
#include "skin/core/FormAnimMath.h"
#include "skin/core/MaskValue.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelView_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

// The frames' window: never activated and never hit by the mouse, so the
// caption under it keeps getting the mouse messages.
class TacButtonFadeWindow : public TacLayeredWindow {
 public:
  TacButtonFadeWindow(TComponent* owner, bool topmost) : TacLayeredWindow(owner), topmost_(topmost) {}

 protected:
  void CreateParams(TCreateParams& params) override {
    TacLayeredWindow::CreateParams(params);
    params.ExStyle |= WS_EX_TRANSPARENT | (topmost_ ? WS_EX_TOPMOST : 0);
  }

 private:
  bool topmost_;
};

const TsMaskData* MaskOf(const TsSkinManager* manager, int index) {
  if (!manager || !manager->Skin() || index < 0 || static_cast<size_t>(index) >= manager->Skin()->Masks.size())
    return nullptr;
  return &manager->Skin()->Masks[static_cast<size_t>(index)];
}

int GlobalMask(const TsSkinManager* manager, const std::wstring& name) {
  const int global = manager->ConstData().GlobalInfo;
  return global < 0 ? -1 : manager->GetMaskIndex(global, L"GLOBALINFO", name);
}

// One image's height: the mask rows below the images are not part of it
// (MaskFrameHeight has taken them off already).
int FrameHeight(const TsMaskData& mask) { return MaskFrameHeight(mask); }

// The glyph drawn over a key-coloured ground; what stays key becomes
// transparent, the rest opaque.
void DrawGlyphOver(TBitmap& image, const TsMaskData& mask, int state, POINT at) {
  const int width = MaskFrameWidth(mask), height = FrameHeight(mask);
  if (width <= 0 || height <= 0) return;
  std::unique_ptr<TBitmap> glyph(paint::NewBitmap32(width, height));
  GdiFlush();
  const paint::TPixelView g = paint::ViewOf(glyph.get());
  for (int y = 0; y < height; ++y) std::fill_n(reinterpret_cast<std::uint32_t*>(g.Row(y)), width, 0x00FF00FFu);
  paint::PaintMaskGlyph(glyph.get(), Point(0, 0), std::clamp(state, 0, std::max(0, mask.ImageCount - 1)), 1, mask,
                        MakeCacheInfo(glyph.get(), 0, 0));
  GdiFlush();
  const paint::TPixelView dst = paint::ViewOf(&image);
  for (int y = 0; y < height; ++y) {
    const int dy = at.y + y;
    if (dy < 0 || dy >= dst.Height) continue;
    const auto* from = reinterpret_cast<const std::uint32_t*>(g.Row(y));
    auto* to = reinterpret_cast<std::uint32_t*>(dst.Row(dy));
    for (int x = 0; x < width; ++x) {
      const int dx = at.x + x;
      if (dx < 0 || dx >= dst.Width || (from[x] & 0xFFFFFF) == 0xFF00FF) continue;
      to[dx] = from[x] | 0xFF000000u;
    }
  }
}

}  // namespace

TacSBAnimation::TacSBAnimation(TComponent* owner) : TTimer(owner) {
  SetEnabled(false);
  SetInterval(TitleFadeTickMs);
  SetOnTimer([](TObject*) {});
}

TacSBAnimation::~TacSBAnimation() { SetEnabled(false); }

HWND TacSBAnimation::GlowWindow() const {
  return glowWindow_ && glowWindow_->HandleAllocated() ? glowWindow_->Handle() : nullptr;
}

void TacSBAnimation::ChangeState(int newState, bool growing) {
  if (newState == State) return;
  State = newState;
  if (newState != 0) {
    // The image shows the target state: a new target, a new image.
    FreeFrames();
    Step = 1;
    Growing = growing;
    fadeInDone_ = Steps <= 1;
    ShowFrame(TitleFadeAlpha(Step, Steps));
    Step = 2;
    SetEnabled(Steps > 1);
    return;
  }
  Growing = false;
  // One below the last step shown: a finished fade-in showed its last one.
  Step = (fadeInDone_ ? Steps : Step - 1) - 1;
  // A fade of one step, or one that had not begun, ends at once.
  if (Steps <= 1 || Step <= 0 || !image_) {
    Finish();
    return;
  }
  // Out from where the fade-in stands, never brighter.
  ShowFrame(TitleFadeAlpha(Step, Steps));
  SetEnabled(true);
}

void TacSBAnimation::Timer() {
  if (!Enabled()) return;
  if (!Growing) {
    if (--Step <= 0) Finish();
    else ShowFrame(TitleFadeAlpha(Step, Steps));
    return;
  }
  if (Step < Steps) {
    ShowFrame(TitleFadeAlpha(Step, Steps));
    ++Step;
  } else if (!fadeInDone_) {
    fadeInDone_ = true;
    ShowFrame(255);
  }
  CheckMouse();
}

void TacSBAnimation::CheckMouse() {
  if (!Button || !OwnerWnd) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  const POINT origin = OwnerOrigin();
  const POINT local{cursor.x - origin.x, cursor.y - origin.y};
  if (PtInRect(&Button->Rect, local)) return;
  // The owner's leave handler starts the fade-out (and may replace this timer).
  SetEnabled(false);
  SendMessageW(OwnerWnd, WM_MOUSELEAVE, 0, 0);
}

void TacSBAnimation::Finish() {
  State = -1;
  SetEnabled(false);
  FreeFrames();
}

void TacSBAnimation::FreeFrames() {
  glowWindow_.reset();
  image_.reset();
}

POINT TacSBAnimation::OwnerOrigin() const {
  RECT r{};
  HWND wnd = BorderForm && BorderForm->BorderWindow() ? BorderForm->BorderWindow() : OwnerWnd;
  if (wnd) GetWindowRect(wnd, &r);
  return POINT{r.left, r.top};
}

int TacSBAnimation::GlowMargin() const {
  if (!SkinManager || !Button || State != 1 || !SkinManager->Effects()->AllowGlowing()) return 0;
  const TsSkinData& data = SkinManager->SkinData();
  switch (Button->HitCode) {
    case HTMINBUTTON: return data.BIMinGlowMargin;
    case HTMAXBUTTON: return data.BIMaxGlowMargin;
    case HTCLOSE: return data.BICloseGlowMargin;
    default: return 0;
  }
}

int TacSBAnimation::GlowMaskIndex() const {
  const TsMaskData* mask = MaskOf(SkinManager, Button ? Button->ImageIndex : -1);
  return mask ? GlobalMask(SkinManager, mask->PropertyName + L"GLOW0") : -1;
}

RECT TacSBAnimation::GlowRect() const {
  if (!Button) return RECT{0, 0, 0, 0};
  const POINT origin = OwnerOrigin();
  RECT r = Button->Rect;
  OffsetRect(&r, origin.x, origin.y);
  const int margin = GlowMargin();
  if (const TsMaskData* glow = margin > 0 ? MaskOf(SkinManager, GlowMaskIndex()) : nullptr) {
    r.left -= margin;
    r.top -= margin;
    r.right = r.left + MaskFrameWidth(*glow);
    r.bottom = r.top + FrameHeight(*glow);
  }
  return r;
}

void TacSBAnimation::PrepareImage() {
  if (State == 0 && image_) return;
  if (!Button || !SkinManager || !SkinManager->Skin()) return;
  const RECT r = GlowRect();
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return;
  image_.reset(paint::NewBitmap32(width, height));  // all transparent
  const int margin = GlowMargin();
  const TsMaskData* glow = margin > 0 ? MaskOf(SkinManager, GlowMaskIndex()) : nullptr;
  imageMargin_ = glow ? margin : 0;
  if (glow) paint::PaintMaskRect(image_.get(), TRect{0, 0, width, height}, false, EmptyCacheInfo, *glow, 0, false, SkinManager);
  int maskIndex = Button->ImageIndex;
  if (Button->HitCode == HTMINBUTTON && OwnerWnd && IsIconic(OwnerWnd)) {
    const int normal = GlobalMask(SkinManager, L"BICONNORM");
    if (normal >= 0) maskIndex = normal;
  }
  if (const TsMaskData* mask = MaskOf(SkinManager, maskIndex))
    DrawGlyphOver(*image_, *mask, std::max(0, State), glow ? POINT{margin, margin} : POINT{0, 0});
}

void TacSBAnimation::CreateGlowWindow() {
  const bool topmost = OwnerWnd && (GetWindowLongPtrW(OwnerWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
  glowWindow_.reset(New<TacButtonFadeWindow>(nullptr, topmost));
  glowWindow_->HandleNeeded();
}

void TacSBAnimation::ShowFrame(std::uint8_t alpha) {
  if (!image_) PrepareImage();
  if (!image_ || image_->Empty()) return;
  if (!glowWindow_) CreateGlowWindow();
  const HWND wnd = GlowWindow();
  if (!wnd) return;
  // Where the image was made for: a fade-out keeps the hot glow's place.
  const POINT origin = OwnerOrigin();
  const POINT at{origin.x + Button->Rect.left - imageMargin_, origin.y + Button->Rect.top - imageMargin_};
  MakeLayered(wnd);
  GdiFlush();
  PushToLayeredWindow(wnd, *image_, alpha, at);
  if (!IsWindowVisible(wnd)) {
    // Just above the owner: an owned window keeps above it anyway.
    SetWindowPos(wnd, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_SHOWWINDOW);
  }
}

}  // namespace skin
