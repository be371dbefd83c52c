#include "skin/forms/FormAnimations.h"

#include "skin/common/SkinnedFormState.h"
#include "skin/common/sCommonData.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/LayeredPush_Gdi.h"
#include "skin/paint/LayeredWindows_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelFills_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

bool noExtBordersWhenMaximized = false;
bool thumbnailsEnabled = false;

}  // namespace

void BlitToLayeredWindow(HWND wnd, TBitmap* bmp, std::uint8_t alpha, const POINT* newPos) {
  RECT r{};
  if (!wnd || !GetWindowRect(wnd, &r)) return;
  std::unique_ptr<TBitmap> blank;
  if (!bmp) {
    blank.reset(paint::NewBitmap32(std::max<LONG>(1, r.right - r.left), std::max<LONG>(1, r.bottom - r.top)));
    bmp = blank.get();
  }
  const LONG exStyle = GetWindowLongW(wnd, GWL_EXSTYLE);
  if (!(exStyle & WS_EX_LAYERED)) SetWindowLongW(wnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  GdiFlush();
  PushToLayeredWindow(wnd, *bmp, alpha, newPos ? *newPos : POINT{r.left, r.top});
}

std::unique_ptr<TacLayeredWindow> MakeSnapshotForm(HWND wnd) {
  RECT r{};
  if (!wnd || !GetWindowRect(wnd, &r) || r.right <= r.left || r.bottom <= r.top) return nullptr;
  const int width = r.right - r.left, height = r.bottom - r.top;
  std::unique_ptr<TacLayeredWindow> snapshot(New<TacLayeredWindow>(nullptr));
  snapshot->SetBounds(r.left, r.top, width, height);
  snapshot->HandleNeeded();
  std::unique_ptr<TBitmap> image(paint::NewBitmap32(width, height));
  HDC dc = GetWindowDC(wnd);
  BitBlt(image->Canvas()->Handle(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
  ReleaseDC(wnd, dc);
  paint::FillAlphaRect(image.get(), TRect{0, 0, width, height}, 255, false);
  BlitToLayeredWindow(snapshot->Handle(), image.get(), 255, nullptr);
  SetWindowPos(snapshot->Handle(), HWND_TOPMOST, r.left, r.top, 0, 0,
               SWP_NOSIZE | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
  return snapshot;
}

bool SetAlphaHidden(HWND wnd, bool hide) {
  if (!wnd) return false;
  const LONG exStyle = GetWindowLongW(wnd, GWL_EXSTYLE);
  const auto setAttributes = paint::SetLayeredWindowAttributesEntry();
  if (hide && setAttributes) {
    if (exStyle & WS_EX_LAYERED) return false;
    SetWindowLongW(wnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    setAttributes(wnd, 0, 1, LWA_ALPHA);
    return true;
  }
  SetWindowLongW(wnd, GWL_STYLE, GetWindowLongW(wnd, GWL_STYLE) & ~WS_VISIBLE);
  SetWindowLongW(wnd, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
  return false;
}

bool NoExtBordersWhenMaximized() { return noExtBordersWhenMaximized; }
void SetNoExtBordersWhenMaximized(bool value) { noExtBordersWhenMaximized = value; }
bool ThumbnailsEnabled() { return thumbnailsEnabled; }
void SetThumbnailsEnabled(bool value) { thumbnailsEnabled = value; }

bool ExtBordersWanted(const TsSkinnedForm& provider) {
  const TsCommonData* data = provider.SkinData();
  const TsSkinManager* manager = data ? data->SkinManager() : nullptr;
  if (!manager || !manager->ExtendedBorders() || !provider.AllowExtBorders()) return false;
  if (!noExtBordersWhenMaximized) return true;
  TCustomForm* form = provider.Form();
  return !(form && form->HandleAllocated() && IsZoomed(form->Handle()));
}

}  // namespace skin
