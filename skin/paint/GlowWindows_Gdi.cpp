#include "skin/paint/GlowWindows_Gdi.h"

#include <cstring>
#include <string>
#include <vector>

#include "skin/core/CacheInfo.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/GlowGeometry.h"
#include "skin/paint/LayeredPush_Gdi.h"
#include "skin/paint/LayeredWindows_Gdi.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/PixelView_Gdi.h"

namespace skin::paint {

namespace {

std::vector<std::unique_ptr<TacGlowEffect>>& Glows() {
  static std::vector<std::unique_ptr<TacGlowEffect>> glows;
  return glows;
}

bool freeing = false;

// Clicks and the cursor go to whatever lies below the glow.
LRESULT CALLBACK GlowWindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCHITTEST) return HTTRANSPARENT;
  return DefWindowProcW(wnd, message, wParam, lParam);
}

bool RegisterGlowClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = GlowWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kGlowWindowClass;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

void DestroyGlowWindow(HWND& form) {
  if (form == nullptr) return;
  freeing = true;
  DestroyWindow(form);
  freeing = false;
  form = nullptr;
}

const TsMaskData* GlowMask(TsSkinManager* manager, std::int32_t index) {
  if (manager == nullptr || manager->Skin() == nullptr || index < 0) return nullptr;
  const auto& masks = manager->Skin()->Masks;
  return static_cast<std::size_t>(index) < masks.size() ? &masks[static_cast<std::size_t>(index)] : nullptr;
}

// Where the glow goes in the z-order so that it lies directly above Anchor,
// the control's top-level window; null when it already does. A child as
// anchor would neither move nor show it.
HWND InsertAfter(HWND glow, HWND anchor) {
  if (anchor == nullptr) return HWND_TOP;
  if ((GetWindowLongPtrW(anchor, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) return HWND_TOPMOST;
  const HWND before = GetWindow(anchor, GW_HWNDPREV);
  if (before == glow) return nullptr;
  // The first window of the ordinary band: the glow heads that band.
  if (before == nullptr || (GetWindowLongPtrW(before, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) return HWND_TOP;
  return before;
}

}  // namespace

TacGlowEffect::~TacGlowEffect() { DestroyGlowWindow(Form); }

void TacGlowEffect::SetSize(std::int32_t width, std::int32_t height) {
  Bitmap = std::make_unique<classlib::TBitmap>();
  Bitmap->SetPixelFormat(classlib::pf32bit);
  Bitmap->SetSize(width, height);
  GdiFlush();
  const TPixelView view = ViewOf(Bitmap.get());
  for (std::int32_t y = 0; y < view.Height; ++y) std::memset(view.Row(y), 0, static_cast<std::size_t>(view.Width) * 4);
  if (const TsMaskData* mask = GlowMask(SkinManager, MaskIndex))
    PaintMaskRect(Bitmap.get(), TRect{0, 0, width, height}, false, EmptyCacheInfo, *mask, 0, false, SkinManager);
}

bool TacGlowEffect::Show(const TRect& r, const TRect& rClip, HWND wnd) {
  if (Form != nullptr) return true;
  if (SkinManager == nullptr || !RegisterGlowClass()) return false;
  const TGlowBorders borders{SkinManager->MaskBorderLeft(MaskIndex), SkinManager->MaskBorderTop(MaskIndex),
                             SkinManager->MaskBorderRight(MaskIndex), SkinManager->MaskBorderBottom(MaskIndex)};
  const TGlowGeometry g = GlowGeometry(r, rClip, borders, Margin);
  if (!g.Visible) return false;
  SetSize(g.PictureWidth, g.PictureHeight);
  const HWND anchor = wnd != nullptr ? GetAncestor(wnd, GA_ROOT) : nullptr;
  const bool topmost = anchor != nullptr && (GetWindowLongPtrW(anchor, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  const DWORD exStyle =
      WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | (topmost ? WS_EX_TOPMOST : 0);
  const TRect& w = g.Window;
  Form = CreateWindowExW(exStyle, kGlowWindowClass, L"", WS_POPUP, w.Left, w.Top, w.Width(), w.Height(), nullptr,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
  if (Form == nullptr) return false;
  TLayeredPush push;
  push.Wnd = Form;
  push.Position = POINT{w.Left, w.Top};
  push.Size = SIZE{w.Width(), w.Height()};
  push.Source = Bitmap->Canvas()->Handle();
  push.SourceOrigin = POINT{g.Source.X, g.Source.Y};
  GdiFlush();
  const bool pushed = PushLayeredWindow(push);
  Bitmap.reset();
  if (!pushed) {
    DestroyGlowWindow(Form);
    return false;
  }
  const HWND after = InsertAfter(Form, anchor);
  SetWindowPos(Form, after, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_SHOWWINDOW |
                   (after == nullptr ? SWP_NOZORDER : 0));
  return true;
}

std::int32_t OpenGlow(const TRect& r, const TRect& rClip, std::wstring_view sectionName, TsSkinManager* skinManager,
                      HWND wnd, std::int32_t /*reserved*/, std::int32_t margin, std::wstring_view maskName) {
  if (!LayeredWindowsAvailable()) return -1;
  if (skinManager == nullptr) skinManager = TsSkinManager::DefaultManager();
  if (skinManager == nullptr) return -1;
  auto glow = std::make_unique<TacGlowEffect>(skinManager);
  glow->MaskIndex = skinManager->FindMaskIndex(sectionName, std::wstring(maskName) + L"0");
  if (glow->MaskIndex < 0) return -1;
  glow->Margin = margin;
  if (!glow->Show(r, rClip, wnd)) return -1;
  Glows().push_back(std::move(glow));
  return static_cast<std::int32_t>(Glows().size() - 1);
}

void CloseGlow(std::int32_t index) {
  auto& glows = Glows();
  if (index < 0 || static_cast<std::size_t>(index) >= glows.size()) return;
  glows[static_cast<std::size_t>(index)].reset();
}

void CloseAllGlows(bool freeForms) {
  for (auto& glow : Glows()) {
    if (glow && freeForms) DestroyGlowWindow(glow->Form);
    glow.reset();
  }
  Glows().clear();
}

HWND GlowWindow(std::int32_t index) {
  const auto& glows = Glows();
  if (index < 0 || static_cast<std::size_t>(index) >= glows.size() || !glows[static_cast<std::size_t>(index)])
    return nullptr;
  return glows[static_cast<std::size_t>(index)]->Form;
}

bool GlowFormFreeing() { return freeing; }

}  // namespace skin::paint
